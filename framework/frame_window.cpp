#include "frame_window.h"

#include <utility>

namespace {
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

TFrameWindow::TFrameWindow(HWND parent, const std::string& caption, std::unique_ptr<TDialog> client)
    : parent_(parent), caption_(caption), client_(std::move(client)) {}

TFrameWindow::~TFrameWindow() {
    // The client dialog goes first: it is a child of the frame's window.
    client_.reset();
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TFrameWindow::GetWindowClass(WNDCLASSA& windowClass) {
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClassName();
}

bool TFrameWindow::RegisterWindowClass() {
    WNDCLASSA existing;
    if (GetClassInfoA(GetModuleHandleA(nullptr), WindowClassName(), &existing))
        return true;
    WNDCLASSA windowClass = {};
    GetWindowClass(windowClass);
    return RegisterClassA(&windowClass) != 0;
}

bool TFrameWindow::Create(int showCommand) {
    if (!RegisterWindowClass())
        return false;
    window_ = CreateWindowExA(WS_EX_CONTROLPARENT, WindowClassName(), caption_.c_str(), kFrameStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_,
                              nullptr, GetModuleHandleA(nullptr), this);
    if (window_ == nullptr)
        return false;
    if (client_ == nullptr || !client_->CreateAsChild(window_))
        return false;
    FitToClient();
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return true;
}

void TFrameWindow::FitToClient() {
    RECT dialog;
    GetWindowRect(client_->Handle(), &dialog);
    const int width = dialog.right - dialog.left;
    const int height = dialog.bottom - dialog.top;
    const bool hasMenu = GetMenu(window_) != nullptr;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, kFrameStyle, hasMenu, WS_EX_CONTROLPARENT);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar wider than the window breaks into a second row, which AdjustWindowRectEx
    // does not know of: the frame grows by what the client area still lacks.
    RECT client;
    GetClientRect(window_, &client);
    if (hasMenu && client.bottom != height)
        SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK TFrameWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        // Messages arrive before CreateWindowEx returns the handle.
        static_cast<TFrameWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* frame = reinterpret_cast<TFrameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (frame == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return frame->HandleMessage(message, wParam, lParam);
    } catch (...) {
        OutputDebugStringA("quillot: a frame handler failed\n");
        return 0;
    }
}

void TFrameWindow::RunCommand(int id) {
    if (client_ != nullptr && client_->Handle() != nullptr)
        SendMessageA(client_->Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

LRESULT TFrameWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        if (client_ != nullptr && client_->Handle() != nullptr)
            client_->Destroy(IDCANCEL);
        else
            DestroyWindow(window_);
        return 0;
    case WM_PARENTNOTIFY:
        // The client dialog went (OK, cancel or close box): the frame goes with it.
        if (LOWORD(wParam) == WM_DESTROY && client_ != nullptr &&
            reinterpret_cast<HWND>(lParam) != nullptr && client_->Handle() == nullptr)
            PostMessageA(window_, WM_CLOSE, 0, 0);
        return 0;
    case WM_COMMAND:
        // No control of the frame sends it: a command of the menu or of its keys.
        if (lParam == 0)
            RunCommand(LOWORD(wParam));
        return 0;
    case WM_HELP:
        // F1 in the open menu: the dialog's help, which names no control of it then.
        if (client_ != nullptr && client_->Handle() != nullptr)
            return SendMessageA(client_->Handle(), WM_HELP, wParam, lParam);
        return 0;
    case WM_SETFOCUS:
        if (client_ != nullptr && client_->Handle() != nullptr)
            SetFocus(client_->Handle());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}
