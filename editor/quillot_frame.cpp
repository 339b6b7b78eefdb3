#include "quillot_frame.h"

namespace {
constexpr int kProgramIcon = 2;
}

void QuillotFrame::GetWindowClass(WNDCLASSA& windowClass) {
    TFrameWindow::GetWindowClass(windowClass);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(kProgramIcon));
}
