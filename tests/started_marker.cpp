// Linked into every Windows test program: tells the runner under Wine (cmake/wine-run.in) that
// the program's own code ran. Before anything else of the program, before main and before
// GoogleTest prints a line, it creates the file the runner names in QUILLOT_STARTED_MARKER. A
// failed test without that file failed in Wine or in the loading of the program, not in the
// test.
#include <windows.h>

namespace {

class StartedMarker {
public:
    StartedMarker() {
        char path[MAX_PATH];
        const DWORD length = GetEnvironmentVariableA("QUILLOT_STARTED_MARKER", path, sizeof path);
        if (length == 0 || length >= sizeof path)
            return;
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
};

// The lowest priority a program may use: constructed before the objects of every other file.
const StartedMarker startedMarker __attribute__((init_priority(101)));

} // namespace
