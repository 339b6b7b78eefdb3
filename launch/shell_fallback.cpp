#include "shell_fallback.h"

namespace {

// WinExec's result for a file that is not a program: a document, or a damaged executable.
constexpr unsigned kNoProgram = 11;
// WinExec's results below this are failures.
constexpr unsigned kFirstSuccess = 32;
// ERROR_ELEVATION_REQUIRED, spelled out for old SDK headers and the native build.
constexpr unsigned long kElevationRequired = 740;

} // namespace

bool GoesToShell(unsigned launchResult, unsigned long lastError) {
    if (launchResult >= kFirstSuccess)
        return false;
    return launchResult == kNoProgram || lastError == kElevationRequired;
}
