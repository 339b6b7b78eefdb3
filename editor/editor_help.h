// The help: the HTML Help file beside the editor, at the page of the group the user asks
// about; an old WinHelp file where only that lies there; otherwise a message that says where
// the help file belongs. The main dialog's F1 and the menu's "Hilfe" share it, and the help
// windows it opened close when it goes.
#pragma once

#include "html_help.h"

#include <windows.h>

#include <string>

class EditorHelp {
public:
    EditorHelp() = default;
    ~EditorHelp();
    EditorHelp(const EditorHelp&) = delete;
    EditorHelp& operator=(const EditorHelp&) = delete;

    // Opens the help at the page of the control's group (a control of no group: at its
    // contents), owned by owner.
    void Open(HWND owner, int controlId);

private:
    HtmlHelpViewer htmlHelp_;
    std::string winHelpFile_;
    HWND winHelpOwner_ = nullptr;
};
