#include "message_box.h"

#include "windows_of.h"

namespace {

// The message box's text is the static control with this id.
constexpr int kTextId = 0xFFFF;

bool HasVisibleChild(HWND box, int id) {
    HWND child = GetDlgItem(box, id);
    return child != nullptr && IsWindowVisible(child);
}

BOOL CALLBACK FindIcon(HWND child, LPARAM parameter) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (ClassOf(child) == "Static" && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0) {
        *reinterpret_cast<bool*>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

bool IsMessageBox(HWND window) {
    return ClassOf(window) == "#32770" && GetDlgItem(window, kTextId) != nullptr;
}

MessageBoxView ReadMessageBox(HWND box) {
    MessageBoxView view;
    view.caption = WindowText(box);
    view.text = WindowText(GetDlgItem(box, kTextId));
    view.yes = HasVisibleChild(box, IDYES);
    view.no = HasVisibleChild(box, IDNO);
    view.ok = HasVisibleChild(box, IDOK);
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&view.icon));
    return view;
}

void AnswerMessageBox(HWND box, int buttonId) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}
