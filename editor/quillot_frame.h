// The editor's main window: the frame around the dialog, with the program's own icon and the
// menu for what the dialog has no room for (the CD's check, name and image, the help, the
// About box), whose commands it owns.
#pragma once

#include "frame_window.h"
#include "menu_commands.h"

#include <memory>
#include <string>

class QuillotFrame : public TFrameWindow {
public:
    QuillotFrame(const std::string& caption, std::unique_ptr<InfEditingDialog> dialog);

protected:
    void GetWindowClass(WNDCLASSA& windowClass) override;
    const char* WindowClassName() const override { return "QuillotFrame"; }
    void RunCommand(int id) override;

private:
    MenuCommands commands_;
};
