#include "launch.h"

#include <windows.h>
#include <shellapi.h>

#include "command_line.h"
#include "path_limits.h"
#include "shell_fallback.h"

namespace {

// ERROR_CANCELLED, spelled out for old SDK headers.
constexpr DWORD kCancelled = 1223;
constexpr unsigned kLaunched = 33;

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);

// Opens the command line's file with the verb "open": a document in the program associated
// with its type, a program with the elevation the user grants. shell32 is loaded only here,
// so that the starter imports nothing that Windows 95 lacks and loads no more than kernel32
// and user32 on a plain launch.
unsigned OpenThroughShell(const char* commandLine, unsigned failure) {
    char copy[filehelp::kPathBufferSize];
    CopyText(copy, commandLine, sizeof copy);
    char* program = nullptr;
    char* arguments = SplitCommandLine(copy, program);

    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == nullptr)
        return failure;
    auto shellExecuteEx = reinterpret_cast<ShellExecuteExFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteExA")));
    unsigned result = failure;
    if (shellExecuteEx != nullptr) {
        SHELLEXECUTEINFOA info;
        for (unsigned i = 0; i < sizeof info; ++i)
            reinterpret_cast<volatile char*>(&info)[i] = 0;
        info.cbSize = sizeof info;
        // No UI: a document without an associated program fails at once (and is reported as
        // a file that is no program) instead of asking which program to use. No async: the
        // starter ends right after the launch, and a document opened through DDE must have
        // been handed over by then.
        info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = "open";
        info.lpFile = program;
        info.lpParameters = *arguments != '\0' ? arguments : nullptr;
        info.nShow = SW_SHOWNORMAL;
        if (shellExecuteEx(&info) || GetLastError() == kCancelled)
            result = kLaunched;
    }
    FreeLibrary(shell);
    return result;
}

} // namespace

unsigned LaunchCommand(const char* commandLine) {
    const UINT result = WinExec(commandLine, SW_SHOWNORMAL);
    if (GoesToShell(result, GetLastError()))
        return OpenThroughShell(commandLine, result);
    return result;
}
