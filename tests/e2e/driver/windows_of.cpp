#include "windows_of.h"

#include <vector>

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND WaitForWindowOf(DWORD processId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        const std::vector<HWND> windows = VisibleWindowsOf(processId);
        if (!windows.empty())
            return windows.front();
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::string DescribeWindowsOf(DWORD processId) {
    std::string description;
    for (HWND window : VisibleWindowsOf(processId))
        description += "[" + ClassOf(window) + " \"" + WindowText(window) + "\"] ";
    return description.empty() ? "no window" : description;
}

std::string WindowText(HWND window) {
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string WindowsPathOf(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}
