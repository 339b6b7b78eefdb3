#include "dialog.h"

#include <cstring>
#include <utility>

namespace {

struct NotificationCode {
    TNotification notification;
    int code;
};

constexpr NotificationCode kCodes[] = {
    {TNotification::Click, BN_CLICKED},       {TNotification::Changed, EN_CHANGE},
    {TNotification::LostFocus, EN_KILLFOCUS}, {TNotification::SelectionChanged, LBN_SELCHANGE},
    {TNotification::DoubleClick, LBN_DBLCLK},
};

// Copies a dialog template and makes it describe a child window: a dialog that is the client
// of a frame has no caption or frame of its own.
std::vector<BYTE> ChildTemplate(const BYTE* source, DWORD size) {
    std::vector<BYTE> copy(source, source + size);
    // An extended template starts with version 1 and signature 0xFFFF; its style follows the
    // help id and the extended style.
    const bool extended =
        size >= 4 && copy[0] == 1 && copy[1] == 0 && copy[2] == 0xFF && copy[3] == 0xFF;
    const size_t styleOffset = extended ? 12 : 0;
    if (size < styleOffset + 4)
        return copy;
    DWORD style;
    std::memcpy(&style, copy.data() + styleOffset, sizeof style);
    style &=
        ~static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME);
    style |= WS_CHILD;
    std::memcpy(copy.data() + styleOffset, &style, sizeof style);
    return copy;
}

} // namespace

TDialog::TDialog(HWND parent, int templateId) : parent_(parent), templateId_(templateId) {}

TDialog::~TDialog() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, DWLP_USER, 0);
        DestroyWindow(window_);
    }
}

bool TDialog::Create() {
    window_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                                 DialogProcedure, reinterpret_cast<LPARAM>(this));
    return window_ != nullptr;
}

bool TDialog::CreateAsChild(HWND frame) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(templateId_), RT_DIALOG);
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    if (found == nullptr || data == nullptr)
        return false;
    const std::vector<BYTE> child = ChildTemplate(data, SizeofResource(instance, found));
    window_ =
        CreateDialogIndirectParamA(instance, reinterpret_cast<const DLGTEMPLATE*>(child.data()),
                                   frame, DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (window_ != nullptr)
        SetWindowPos(window_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return window_ != nullptr;
}

int TDialog::Execute(HWND owner) {
    modal_ = true;
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_),
                                           owner, DialogProcedure, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    window_ = nullptr;
    return static_cast<int>(result);
}

void TDialog::RequestClose(int result) {
    Destroy(result);
}

void TDialog::Destroy(int result) {
    result_ = result;
    if (window_ == nullptr)
        return;
    HWND window = std::exchange(window_, nullptr);
    SetWindowLongPtrA(window, DWLP_USER, 0);
    // A modal box is ended by its own message loop, which then destroys it.
    if (modal_)
        EndDialog(window, result);
    else
        DestroyWindow(window);
}

void TDialog::Bind(int controlId, TNotification notification, Handler handler) {
    responses_.push_back({controlId, notification, std::move(handler)});
}

void TDialog::BindPaint(PaintHandler handler) {
    paint_ = std::move(handler);
}

void TDialog::BindHelp(HelpHandler handler) {
    help_ = std::move(handler);
}

void TDialog::BindLeaveCheck(std::initializer_list<int> fields, Handler check) {
    leaveChecks_.Add(fields, std::move(check));
}

void TDialog::SetTextQuietly(int controlId, const std::string& text) {
    const LeaveChecks::QuietSet quiet(leaveChecks_, controlId);
    SetDlgItemTextA(window_, controlId, text.c_str());
}

void TDialog::RunPendingCheck(int field) {
    const HWND focus = GetFocus();
    if (window_ == nullptr || focus == nullptr || !IsChild(window_, focus))
        return;
    const int focused = GetDlgCtrlID(focus);
    if (field == 0 || field == focused)
        leaveChecks_.Left(focused);
}

INT_PTR CALLBACK TDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        reinterpret_cast<TDialog*>(lParam)->window_ = window;
    }
    auto* dialog = reinterpret_cast<TDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    // Nothing may unwind through Windows' own frames: a handler's failure ends here.
    try {
        return dialog->HandleMessage(message, wParam, lParam);
    } catch (...) {
        OutputDebugStringA("quillot: a dialog handler failed\n");
        return FALSE;
    }
}

INT_PTR TDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetupWindow();
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (code == EN_CHANGE)
            leaveChecks_.Changed(id);
        else if (code == EN_KILLFOCUS)
            leaveChecks_.Left(id);
        if (Dispatch(id, code))
            return TRUE;
        if (code == BN_CLICKED && id == IDOK) {
            RequestClose(IDOK);
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            Destroy(IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    case WM_CLOSE:
        // The close box and Alt+F4 are the cancel button of a dialog that handles its own.
        if (Dispatch(IDCANCEL, BN_CLICKED))
            return TRUE;
        Destroy(IDCANCEL);
        return TRUE;
    case WM_PAINT:
        return Paint();
    case WM_DRAWITEM:
        return DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_HELP:
        // F1 reaches the focused control first, which passes it on to its dialog.
        return Help(*reinterpret_cast<const HELPINFO*>(lParam));
    default:
        return FALSE;
    }
}

bool TDialog::Dispatch(int controlId, int code) {
    bool handled = false;
    for (const Response& response : responses_) {
        if (response.controlId != controlId)
            continue;
        for (const NotificationCode& known : kCodes) {
            if (known.notification == response.notification && known.code == code) {
                response.handler();
                handled = true;
            }
        }
    }
    return handled;
}

bool TDialog::Paint() {
    if (!paint_)
        return false;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    paint_(dc);
    EndPaint(window_, &paint);
    return true;
}

bool TDialog::Help(const HELPINFO& request) {
    if (!help_)
        return false;
    // Help on a menu item names no control of the dialog.
    help_(request.iContextType == HELPINFO_WINDOW ? request.iCtrlId : 0);
    return true;
}
