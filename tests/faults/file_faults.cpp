#include "file_faults.h"

#include <windows.h>
#include <lzexpand.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using OpenFileFunction = HFILE(WINAPI*)(LPCSTR, LPOFSTRUCT, UINT);
using WriteFunction = UINT(WINAPI*)(HFILE, LPCCH, UINT);
using CopyFunction = LONG(WINAPI*)(INT, INT);

template <typename Function> Function RealFunction(const char* library, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA(library), name)));
}

HFILE RealOpenFile(LPCSTR path, LPOFSTRUCT info, UINT style) {
    static const auto real = RealFunction<OpenFileFunction>("kernel32.dll", "OpenFile");
    return real(path, info, style);
}

UINT RealWrite(HFILE file, LPCCH bytes, UINT count) {
    static const auto real = RealFunction<WriteFunction>("kernel32.dll", "_lwrite");
    return real(file, bytes, count);
}

LONG RealCopy(INT source, INT target) {
    static const auto real = RealFunction<CopyFunction>("lz32.dll", "LZCopy");
    return real(source, target);
}

struct FaultState {
    bool active = false;
    file_faults::Step step = file_faults::Step::kCreate;
    std::string watched;
    std::size_t bytesBefore = 0;
    bool fired = false;
    HFILE file = HFILE_ERROR; // created under the watched name
    std::size_t stored = 0;
};

FaultState state;

bool IsArmed(file_faults::Step step) {
    return state.active && state.step == step;
}

bool IsWriteFault() {
    return IsArmed(file_faults::Step::kWriteError) || IsArmed(file_faults::Step::kWriteShort);
}

HFILE WINAPI FaultyOpenFile(LPCSTR path, LPOFSTRUCT info, UINT style) {
    const bool watched = state.active && (style & OF_CREATE) != 0 && path != nullptr &&
                         lstrcmpiA(path, state.watched.c_str()) == 0;
    if (watched && IsArmed(file_faults::Step::kCreate)) {
        state.fired = true;
        info->nErrCode = ERROR_ACCESS_DENIED;
        SetLastError(ERROR_ACCESS_DENIED);
        return HFILE_ERROR;
    }
    const HFILE file = RealOpenFile(path, info, style);
    if (watched) {
        state.file = file;
        state.stored = 0;
    }
    return file;
}

UINT WINAPI FaultyWrite(HFILE file, LPCCH bytes, UINT count) {
    if (!IsWriteFault() || file == HFILE_ERROR || file != state.file)
        return RealWrite(file, bytes, count);
    const bool error = state.step == file_faults::Step::kWriteError;
    if (state.fired)
        return error ? HFILE_ERROR : 0;
    if (state.stored + count < state.bytesBefore) {
        state.stored += count;
        return RealWrite(file, bytes, count);
    }
    const UINT front = static_cast<UINT>(state.bytesBefore - state.stored);
    if (front > 0 && RealWrite(file, bytes, front) != front)
        return HFILE_ERROR;
    state.stored += front;
    state.fired = true;
    return error ? HFILE_ERROR : front;
}

} // namespace

// The program's calls of the kernel32 functions go through their import pointers (the headers
// declare them dllimport). Defined here, the pointers lead into this layer, and the import
// library's are not linked. The names are those of the x86_64 build, the one the tests run.
extern "C" {
OpenFileFunction __imp_OpenFile = FaultyOpenFile;
WriteFunction __imp__lwrite = FaultyWrite;
}

// The LZ library's functions are called directly: a definition here takes the place of the
// import library's.
LONG WINAPI LZCopy(INT source, INT target) {
    if (!IsArmed(file_faults::Step::kCopyRead) && !IsArmed(file_faults::Step::kCopyWrite))
        return RealCopy(source, target);
    state.fired = true;
    std::vector<char> chunk(4096);
    for (std::size_t stored = 0; stored < state.bytesBefore;) {
        const INT wanted = static_cast<INT>(std::min(chunk.size(), state.bytesBefore - stored));
        const INT got = LZRead(source, chunk.data(), wanted);
        if (got <= 0 ||
            RealWrite(target, chunk.data(), static_cast<UINT>(got)) != static_cast<UINT>(got))
            break;
        stored += static_cast<std::size_t>(got);
    }
    return IsArmed(file_faults::Step::kCopyRead) ? LZERROR_READ : LZERROR_WRITE;
}

namespace file_faults {

ArmedFault::ArmedFault(Step step, std::string watched, std::size_t bytesBefore) {
    state = {};
    state.active = true;
    state.step = step;
    state.watched = std::move(watched);
    state.bytesBefore = bytesBefore;
}

ArmedFault::~ArmedFault() {
    state = {};
}

bool ArmedFault::Fired() const {
    return state.fired;
}

} // namespace file_faults
