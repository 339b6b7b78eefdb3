#include "editor_session.h"
#include "resource_ids.h"

#include "message_box.h"
#include "windows_of.h"

#include <vector>

namespace {

HWND FileNameEdit(HWND fileDialog);

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<DescendantSearch*>(parameter);
    if (GetDlgCtrlID(window) == search->id) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The file name field: an edit, or on newer Windows the edit inside the combo box that
// carries its id.
HWND FileNameEdit(HWND fileDialog) {
    HWND named = FindDescendant(fileDialog, kFileNameEdit);
    if (named == nullptr || ClassOf(named) == "Edit")
        return named;
    HWND edit = FindWindowExA(named, nullptr, "Edit", nullptr);
    if (edit != nullptr)
        return edit;
    HWND combo = FindWindowExA(named, nullptr, "ComboBox", nullptr);
    return combo != nullptr ? FindWindowExA(combo, nullptr, "Edit", nullptr) : named;
}

} // namespace

// Key events as the keyboard gives them, to whatever window has the keyboard.
void SendKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> input;
    for (WORD key : keys) {
        INPUT event = {};
        event.type = INPUT_KEYBOARD;
        event.ki.wVk = key;
        event.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
        input.push_back(event);
    }
    const size_t pressed = input.size();
    for (size_t index = pressed; index > 0; --index) {
        INPUT release = input[index - 1];
        release.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(release);
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

HWND FindDescendant(HWND parent, int id) {
    DescendantSearch search{id, nullptr};
    EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

EditorSession::EditorSession(const std::string& exePath)
    : process_(std::make_unique<TestProcess>("\"" + exePath + "\"")) {}

HWND EditorSession::WaitForFileDialog() {
    HWND window = WaitForWindowOf(process_->id());
    if (window == nullptr || ClassOf(window) != "#32770" || IsMessageBox(window))
        return nullptr;
    return window;
}

void EditorSession::ChooseFile(HWND fileDialog, const std::string& name) {
    HWND edit = FileNameEdit(fileDialog);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(fileDialog, IDOK)));
}

void EditorSession::CancelFileDialog(HWND fileDialog) {
    PostMessageA(fileDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(fileDialog, IDCANCEL)));
}

std::string EditorSession::FileDialogName(HWND fileDialog) {
    return WindowText(FileNameEdit(fileDialog));
}

std::string EditorSession::FileDialogFolder(HWND fileDialog) {
    HWND combo = FindDescendant(fileDialog, kLookInCombo);
    const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return "";
    char text[MAX_PATH] = "";
    // The combo box draws its items itself; their text is asked for in Unicode.
    wchar_t wide[MAX_PATH] = L"";
    if (SendMessageW(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(wide)) == CB_ERR)
        return "";
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

HWND EditorSession::WaitForMainWindow() {
    mainWindow_ = WaitForWindowWhere(process_->id(),
                                     [](HWND window) { return ClassOf(window) == "QuillotFrame"; });
    mainDialog_ =
        mainWindow_ != nullptr ? FindWindowExA(mainWindow_, nullptr, "#32770", nullptr) : nullptr;
    return mainDialog_ != nullptr ? mainWindow_ : nullptr;
}

void EditorSession::Click(int id) const {
    PostMessageA(Item(id), BM_CLICK, 0, 0);
}

void EditorSession::SetField(int id, const std::string& text) const {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string EditorSession::FieldText(int id) const {
    return WindowText(Item(id));
}

bool EditorSession::Ended(DWORD& exitCode) {
    const auto code = process_->WaitForExit(kWindowTimeoutMs);
    if (code.has_value())
        exitCode = *code;
    return code.has_value();
}

void EditorSession::MoveFocus(int id) const {
    // Posted: the lost-focus handler of the field being left may open a message box.
    // Keyboard focus goes only to the active window, as for a user who clicks into it.
    SetForegroundWindow(mainWindow_);
    PostMessageA(mainDialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
}

bool EditorSession::Focus(int id) const {
    HWND target = Item(id);
    MoveFocus(id);
    const DWORD thread = GetWindowThreadProcessId(mainDialog_, nullptr);
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == target)
            return true;
        Sleep(20);
    }
    return false;
}

void EditorSession::PressKey(WORD key) const {
    // As the keyboard gives it: the system turns F1 into the help request only for real key
    // input, not for key messages posted to a window.
    PressKeysIn(mainWindow_, {key});
}

HWND EditorSession::OpenMenu(char menuLetter) const {
    // Alt pressed and let go on its own puts the menu bar into menu mode; the menu's letter
    // then opens that menu. Alt is not held down over the letter: Wine takes its key state from
    // the X server's when the X focus moves, which knows nothing of keys sent here, and an Alt
    // held only in Windows' state would be let go under the letter, which then goes into the
    // field that has the focus.
    // For the same reason an Alt sent just after a dialog closed can be lost: Windows' state
    // already has the main window active, but the X focus follows later and resets the keys
    // between Alt's press and its release. A user whose Alt did nothing presses it again; so
    // does this, and only while the window is not in menu mode, so that the letter never
    // reaches a field.
    const DWORD thread = GetWindowThreadProcessId(mainWindow_, nullptr);
    const auto inMenuMode = [thread] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMENUMODE) != 0;
    };
    constexpr DWORD kAttemptMs = 2000;
    for (DWORD waited = 0; waited < kWindowTimeoutMs;) {
        if (!inMenuMode())
            PressKeysIn(mainWindow_, {VK_MENU});
        bool menuMode = false;
        for (DWORD attempt = 0; !menuMode && attempt < kAttemptMs; attempt += 20, waited += 20) {
            menuMode = inMenuMode();
            if (!menuMode)
                Sleep(20);
        }
        if (!menuMode)
            continue;
        // Once: a second letter would choose an item of the menu that came late.
        SendKeys({static_cast<WORD>(menuLetter)});
        return WaitForWindowWhere(process_->id(),
                                  [](HWND window) { return ClassOf(window) == "#32768"; });
    }
    return nullptr;
}

bool EditorSession::ChooseMenuItem(char menuLetter, char itemLetter) const {
    // The item's letter counts only once the menu is open: before, it would go to the dialog.
    if (OpenMenu(menuLetter) == nullptr)
        return false;
    // The open menu reads the keyboard of the main window's thread.
    SendKeys({static_cast<WORD>(itemLetter)});
    return true;
}

void EditorSession::SelectListItem(int index) const {
    HWND list = Item(IDC_ENTRY_LIST);
    SendMessageA(list, LB_SETCURSEL, index, 0);
    SendMessageA(mainDialog_, WM_COMMAND, MAKEWPARAM(IDC_ENTRY_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

bool EditorSession::WaitForFieldText(int id, const std::string& text) const {
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
        if (FieldText(id) == text)
            return true;
        Sleep(20);
    }
    return false;
}

void PressKeysIn(HWND window, std::initializer_list<WORD> keys) {
    // Key input goes to the focus of the active window. The window's thread takes the
    // activation when it gets to it: keys sent before, say while a dialog that just closed
    // still held it, would find no window and be lost.
    SetForegroundWindow(window);
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndActive == window &&
            info.hwndFocus != nullptr)
            break;
        Sleep(20);
    }
    SendKeys(keys);
}

HWND EditorSession::FocusOnceItIs(HWND want) const {
    const DWORD thread = GetWindowThreadProcessId(mainDialog_, nullptr);
    GUITHREADINFO info = {};
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == want)
            break;
        Sleep(20);
    }
    return info.hwndFocus;
}
