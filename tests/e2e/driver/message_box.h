// A message box of another process, as the user sees it, and answering it.
#pragma once

#include <windows.h>

#include <string>

struct MessageBoxView {
    std::string caption;
    std::string text;
    bool yes = false;
    bool no = false;
    bool ok = false;
    bool icon = false;
};

// True when window is a message box (the dialog class with the box's text control).
bool IsMessageBox(HWND window);

MessageBoxView ReadMessageBox(HWND box);

// Presses the button with the given id (IDYES, IDNO, IDOK) as a click would.
void AnswerMessageBox(HWND box, int buttonId);
