// The editor's main window: the frame around the dialog, with the program's own icon and the
// menu for what the dialog has no room for (the CD's name, the help, the About box).
#pragma once

#include "frame_window.h"

class QuillotFrame : public TFrameWindow {
public:
    using TFrameWindow::TFrameWindow;

protected:
    void GetWindowClass(WNDCLASSA& windowClass) override;
    const char* WindowClassName() const override { return "QuillotFrame"; }
};
