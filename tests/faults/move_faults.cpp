#include "move_faults.h"

#include <windows.h>

#include <utility>

namespace {

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
using MoveFileFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR);

template <typename Function> Function RealFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

struct FaultState {
    bool withoutMoveFileEx = false;
    move_faults::Step step = move_faults::Step::kNone;
    std::string watched;
    bool fired = false;
};

FaultState state;

bool IsWatched(LPCSTR path) {
    return path != nullptr && lstrcmpiA(path, state.watched.c_str()) == 0;
}

// Whether this move is the one armed to fail; it fails once.
bool FailsNow(LPCSTR existing, LPCSTR moved) {
    if (state.fired || !((state.step == move_faults::Step::kMoveFrom && IsWatched(existing)) ||
                         (state.step == move_faults::Step::kMoveOnto && IsWatched(moved))))
        return false;
    state.fired = true;
    SetLastError(ERROR_SHARING_VIOLATION);
    return true;
}

BOOL WINAPI FaultyMoveFileEx(LPCSTR existing, LPCSTR moved, DWORD flags) {
    if (state.withoutMoveFileEx) {
        SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
        return FALSE;
    }
    if (FailsNow(existing, moved))
        return FALSE;
    static const auto real = RealFunction<MoveFileExFunction>("MoveFileExA");
    return real(existing, moved, flags);
}

BOOL WINAPI FaultyMoveFile(LPCSTR existing, LPCSTR moved) {
    if (FailsNow(existing, moved))
        return FALSE;
    static const auto real = RealFunction<MoveFileFunction>("MoveFileA");
    return real(existing, moved);
}

} // namespace

// The program's calls go through the import pointers (the headers declare the functions
// dllimport); defined here, they lead into this layer. Names of the x86_64 build.
extern "C" {
MoveFileExFunction __imp_MoveFileExA = FaultyMoveFileEx;
MoveFileFunction __imp_MoveFileA = FaultyMoveFile;
}

namespace move_faults {

ArmedFault::ArmedFault(bool withoutMoveFileEx, Step step, std::string watched) {
    state = {};
    state.withoutMoveFileEx = withoutMoveFileEx;
    state.step = step;
    state.watched = std::move(watched);
}

ArmedFault::~ArmedFault() {
    state = {};
}

bool ArmedFault::Fired() const {
    return state.fired;
}

} // namespace move_faults
