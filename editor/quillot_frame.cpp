#include "quillot_frame.h"

#include "resource_ids.h"

#include <utility>

QuillotFrame::QuillotFrame(const std::string& caption, std::unique_ptr<InfEditingDialog> dialog)
    // The client is the dialog just handed over.
    : TFrameWindow(nullptr, caption, std::move(dialog)),
      commands_(static_cast<InfEditingDialog&>(*Client())) {}

void QuillotFrame::GetWindowClass(WNDCLASSA& windowClass) {
    TFrameWindow::GetWindowClass(windowClass);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_QUILLOT));
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_QUILLOT);
}

void QuillotFrame::RunCommand(int id) {
    if (!commands_.Run(id))
        TFrameWindow::RunCommand(id);
}
