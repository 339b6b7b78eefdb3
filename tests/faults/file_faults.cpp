#include "file_faults.h"

#include <windows.h>

#include <utility>

namespace {

using OpenFileFunction = HFILE(WINAPI*)(LPCSTR, LPOFSTRUCT, UINT);
using WriteFunction = UINT(WINAPI*)(HFILE, LPCCH, UINT);
using CreateFileFunction = HANDLE(WINAPI*)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD,
                                           DWORD, HANDLE);
using ReadFileFunction = BOOL(WINAPI*)(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED);
using WriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

template <typename Function> Function RealFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

HFILE RealOpenFile(LPCSTR path, LPOFSTRUCT info, UINT style) {
    static const auto real = RealFunction<OpenFileFunction>("OpenFile");
    return real(path, info, style);
}

UINT RealWrite(HFILE file, LPCCH bytes, UINT count) {
    static const auto real = RealFunction<WriteFunction>("_lwrite");
    return real(file, bytes, count);
}

struct FaultState {
    bool active = false;
    file_faults::Step step = file_faults::Step::kCreate;
    std::string watched;
    std::size_t bytesBefore = 0;
    bool fired = false;
    HFILE file = HFILE_ERROR; // created under the watched name
    std::size_t stored = 0;
    HANDLE copySource = INVALID_HANDLE_VALUE;
    HANDLE copyTarget = INVALID_HANDLE_VALUE;
    std::size_t passed = 0; // bytes read from the copy's source or written to its target
};

// Made on first use: a fault may be armed while the program's statics are made.
FaultState& State() {
    static FaultState instance;
    return instance;
}

bool IsArmed(file_faults::Step step) {
    return State().active && State().step == step;
}

bool IsWriteFault() {
    return IsArmed(file_faults::Step::kWriteError) || IsArmed(file_faults::Step::kWriteShort);
}

bool IsCopyFault() {
    return IsArmed(file_faults::Step::kCopyRead) || IsArmed(file_faults::Step::kCopyWrite);
}

HFILE WINAPI FaultyOpenFile(LPCSTR path, LPOFSTRUCT info, UINT style) {
    const bool watched = State().active && (style & OF_CREATE) != 0 && path != nullptr &&
                         lstrcmpiA(path, State().watched.c_str()) == 0;
    if (watched && IsArmed(file_faults::Step::kCreate)) {
        State().fired = true;
        info->nErrCode = ERROR_ACCESS_DENIED;
        SetLastError(ERROR_ACCESS_DENIED);
        return HFILE_ERROR;
    }
    const HFILE file = RealOpenFile(path, info, style);
    if (watched) {
        State().file = file;
        State().stored = 0;
    }
    return file;
}

UINT WINAPI FaultyWrite(HFILE file, LPCCH bytes, UINT count) {
    if (!IsWriteFault() || file == HFILE_ERROR || file != State().file)
        return RealWrite(file, bytes, count);
    const bool error = State().step == file_faults::Step::kWriteError;
    if (State().fired)
        return error ? HFILE_ERROR : 0;
    if (State().stored + count < State().bytesBefore) {
        State().stored += count;
        return RealWrite(file, bytes, count);
    }
    const UINT front = static_cast<UINT>(State().bytesBefore - State().stored);
    if (front > 0 && RealWrite(file, bytes, front) != front)
        return HFILE_ERROR;
    State().stored += front;
    State().fired = true;
    return error ? HFILE_ERROR : front;
}

// The copy opens its source for reading and creates its target; the file identity checks open
// names without any access, and are no part of it.
HANDLE WINAPI FaultyCreateFile(LPCSTR path, DWORD access, DWORD share,
                               LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                               HANDLE templateFile) {
    static const auto real = RealFunction<CreateFileFunction>("CreateFileA");
    const HANDLE file = real(path, access, share, security, disposition, flags, templateFile);
    if (IsCopyFault() && file != INVALID_HANDLE_VALUE) {
        if (disposition == OPEN_EXISTING && (access & GENERIC_READ) != 0)
            State().copySource = file;
        else if (disposition == CREATE_ALWAYS && (access & GENERIC_WRITE) != 0)
            State().copyTarget = file;
    }
    return file;
}

BOOL WINAPI FaultyReadFile(HANDLE file, LPVOID bytes, DWORD count, LPDWORD got,
                           LPOVERLAPPED overlapped) {
    static const auto real = RealFunction<ReadFileFunction>("ReadFile");
    if (!IsArmed(file_faults::Step::kCopyRead) || file != State().copySource)
        return real(file, bytes, count, got, overlapped);
    if (State().passed >= State().bytesBefore) {
        State().fired = true;
        *got = 0;
        SetLastError(ERROR_READ_FAULT);
        return FALSE;
    }
    const std::size_t room = State().bytesBefore - State().passed;
    const BOOL read =
        real(file, bytes, room < count ? static_cast<DWORD>(room) : count, got, overlapped);
    if (read)
        State().passed += *got;
    return read;
}

BOOL WINAPI FaultyWriteFile(HANDLE file, LPCVOID bytes, DWORD count, LPDWORD written,
                            LPOVERLAPPED overlapped) {
    static const auto real = RealFunction<WriteFileFunction>("WriteFile");
    if (!IsArmed(file_faults::Step::kCopyWrite) || file != State().copyTarget || State().fired)
        return real(file, bytes, count, written, overlapped);
    if (State().passed + count < State().bytesBefore) {
        State().passed += count;
        return real(file, bytes, count, written, overlapped);
    }
    const DWORD front = static_cast<DWORD>(State().bytesBefore - State().passed);
    if (front > 0 && !real(file, bytes, front, written, overlapped))
        return FALSE;
    State().passed += front;
    State().fired = true;
    *written = front;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

} // namespace

// The program's calls of the kernel32 functions go through their import pointers (the headers
// declare them dllimport). Defined here, the pointers lead into this layer, and the import
// library's are not linked. The names are those of the x86_64 build, the one the tests run.
extern "C" {
OpenFileFunction __imp_OpenFile = FaultyOpenFile;
WriteFunction __imp__lwrite = FaultyWrite;
CreateFileFunction __imp_CreateFileA = FaultyCreateFile;
ReadFileFunction __imp_ReadFile = FaultyReadFile;
WriteFileFunction __imp_WriteFile = FaultyWriteFile;
}

namespace file_faults {

ArmedFault::ArmedFault(Step step, std::string watched, std::size_t bytesBefore) {
    State() = {};
    State().active = true;
    State().step = step;
    State().watched = std::move(watched);
    State().bytesBefore = bytesBefore;
}

ArmedFault::~ArmedFault() {
    State() = {};
}

bool ArmedFault::Fired() const {
    return State().fired;
}

} // namespace file_faults
