// The main window: a frame that takes a dialog as its client and sizes itself so that its
// client area holds the dialog exactly, below the menu bar when its window class names a menu.
// The menu's commands go to RunCommand, which by default hands them to the dialog; help asked
// for in the open menu goes to the dialog. When the dialog window goes, the frame closes; the
// frame's close box ends the dialog as "cancel" does.
#pragma once

#include "dialog.h"

#include <windows.h>

#include <memory>
#include <string>

class TFrameWindow {
public:
    TFrameWindow(HWND parent, const std::string& caption, std::unique_ptr<TDialog> client);
    virtual ~TFrameWindow();
    TFrameWindow(const TFrameWindow&) = delete;
    TFrameWindow& operator=(const TFrameWindow&) = delete;

    // Creates the frame and its client dialog and shows them; false on failure.
    bool Create(int showCommand);

    HWND Handle() const { return window_; }
    TDialog* Client() const { return client_.get(); }

protected:
    // Fills the description of the frame's window class; a derived frame may change it.
    virtual void GetWindowClass(WNDCLASSA& windowClass);
    virtual const char* WindowClassName() const { return "QuillotFrameWindow"; }
    // A command of the menu or of its keys; by default the dialog serves it as a click.
    virtual void RunCommand(int id);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool RegisterWindowClass();
    void FitToClient();

    HWND parent_;
    std::string caption_;
    std::unique_ptr<TDialog> client_;
    HWND window_ = nullptr;
};
