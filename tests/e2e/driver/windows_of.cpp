#include "windows_of.h"

#include <vector>

namespace {

struct Search {
    DWORD processId;
    bool hiddenToo;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (search->hiddenToo || IsWindowVisible(window)))
        search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> WindowsOf(DWORD processId, bool hiddenToo) {
    Search search{processId, hiddenToo, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    return WindowsOf(processId, false);
}

} // namespace

HWND WaitForWindowOf(DWORD processId, DWORD timeoutMs) {
    return WaitForWindowWhere(
        processId, [](HWND) { return true; }, timeoutMs);
}

HWND WaitForWindowWhere(DWORD processId, const std::function<bool(HWND)>& wanted, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND window : VisibleWindowsOf(processId)) {
            if (wanted(window))
                return window;
        }
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

HWND WaitForWindowAfter(DWORD processId, HWND previous, DWORD timeoutMs) {
    return WaitForWindowWhere(
        processId, [previous](HWND window) { return window != previous; }, timeoutMs);
}

HWND WaitForWindowCaptioned(const std::string& part, DWORD timeoutMs) {
    struct Search {
        const std::string& part;
        HWND found;
    };
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{part, nullptr};
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(parameter);
                char caption[256] = "";
                GetWindowTextA(window, caption, sizeof caption);
                if (!IsWindowVisible(window) ||
                    std::string(caption).find(wanted->part) == std::string::npos)
                    return TRUE;
                wanted->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr || GetTickCount() - start >= timeoutMs)
            return search.found;
        Sleep(20);
    }
}

bool CloseWindowAndWait(HWND window, DWORD timeoutMs) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

std::string DescribeKeyboard(HWND window) {
    auto name = [](HWND described) {
        return described == nullptr
                   ? std::string("none")
                   : "[" + ClassOf(described) + " \"" + WindowText(described) + "\"]";
    };
    HWND foreground = GetForegroundWindow();
    DWORD foregroundProcess = 0;
    GetWindowThreadProcessId(foreground, &foregroundProcess);
    std::string description =
        "foreground " + name(foreground) + " of process " + std::to_string(foregroundProcess);
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        description += ", active " + name(info.hwndActive) + ", focus " + name(info.hwndFocus) +
                       ((info.flags & GUI_INMENUMODE) != 0 ? ", in menu mode" : "");
    return description;
}

std::string DescribeWindowsOf(DWORD processId) {
    std::string description;
    for (HWND window : VisibleWindowsOf(processId))
        description += "[" + ClassOf(window) + " \"" + WindowText(window) + "\"] ";
    if (description.empty()) {
        // A window that never shows tells where a program that seems to do nothing stands.
        description = "no window";
        // Captions only: a program stuck on its way must not hold up the report.
        for (HWND window : WindowsOf(processId, true)) {
            char caption[256] = "";
            GetWindowTextA(window, caption, sizeof caption);
            description += " [hidden " + ClassOf(window) + " \"" + caption + "\"]";
        }
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId);
        DWORD code = 0;
        if (process != nullptr && GetExitCodeProcess(process, &code) && code != STILL_ACTIVE)
            description += " (the process ended with " + std::to_string(code) + ")";
        if (process != nullptr)
            CloseHandle(process);
    }
    return description;
}

std::string WindowText(HWND window) {
    // GetWindowText reads only captions of other processes' windows; an edit field's text
    // must be asked for. A hanging program must not hang the test.
    char text[2048] = "";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &ignored);
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

std::vector<std::string> ListBoxLines(HWND list) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT capacity = SendMessageW(list, LB_GETTEXTLEN, index, 0);
        std::wstring text(static_cast<std::size_t>(capacity > 0 ? capacity : 0) + 1, L'\0');
        const LRESULT length =
            SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        std::string narrow(text.size() * 2 + 1, '\0');
        const int bytes =
            WideCharToMultiByte(1252, 0, text.c_str(), static_cast<int>(text.size()), &narrow[0],
                                static_cast<int>(narrow.size()), nullptr, nullptr);
        narrow.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
        lines.push_back(narrow);
    }
    return lines;
}

std::string ClipboardTextOnceItIs(const std::string& want) {
    std::string text;
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
        if (OpenClipboard(nullptr)) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
                    text = bytes;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        if (text == want)
            break;
        Sleep(20);
    }
    return text;
}
