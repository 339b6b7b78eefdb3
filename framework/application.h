// The application: it makes the main window and runs the message loop until that window goes.
#pragma once

#include "frame_window.h"

#include <memory>

class TApplication {
public:
    TApplication() = default;
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates the main window, runs the message loop and returns its exit code.
    int Run();

    TFrameWindow* MainWindow() const { return mainWindow_.get(); }

protected:
    // Makes the main window and hands it over with SetMainWindow.
    virtual void InitMainWindow() = 0;
    void SetMainWindow(std::unique_ptr<TFrameWindow> window);
    // Keys that give the main window a command of its menu from wherever the focus is in it.
    void SetAccelerators(HACCEL accelerators) { accelerators_ = accelerators; }

private:
    std::unique_ptr<TFrameWindow> mainWindow_;
    HACCEL accelerators_ = nullptr;
};
