// A stand-in for the program a CD starts: it writes its current directory into the file
// named by its command line (relative names land in that directory), so a test can see that
// it ran and where.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    char directory[MAX_PATH] = "";
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    const char* name = commandLine[0] != '\0' ? commandLine : "marker.txt";
    HANDLE file =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, directory, length, &written, nullptr);
    CloseHandle(file);
    return ok && written == length ? 0 : 1;
}
