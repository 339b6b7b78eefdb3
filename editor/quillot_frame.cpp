#include "quillot_frame.h"

#include "resource_ids.h"

void QuillotFrame::GetWindowClass(WNDCLASSA& windowClass) {
    TFrameWindow::GetWindowClass(windowClass);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_QUILLOT));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_QUILLOT);
}
