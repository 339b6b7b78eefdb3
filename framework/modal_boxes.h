// The modal windows the program asks its questions with: message boxes and the open-file
// and save-file dialogs. Everything goes through these two functions so that in-process tests can
// answer them from a script instead of a user.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

struct MessageBoxRequest {
    HWND owner;
    std::string text;
    std::string caption;
    unsigned type;
};

// Shows a message box (or asks the script) and returns the button pressed (IDYES, IDOK, ...).
int ShowMessageBox(HWND owner, const char* text, const char* caption, unsigned type);

// Shows the open-file dialog (or asks the script); true when the user confirmed a file name,
// which is then in the description's file buffer.
bool ShowOpenFileDialog(OPENFILENAMEA& description);
// The same for the save dialog; the script answers both (it tells them by their flags).
bool ShowSaveFileDialog(OPENFILENAMEA& description);

// Test scripts: while set, they answer in place of the real windows. An empty function
// restores the real ones.
using MessageBoxScript = std::function<int(const MessageBoxRequest&)>;
using OpenFileScript = std::function<bool(OPENFILENAMEA&)>;
void SetMessageBoxScript(MessageBoxScript script);
void SetOpenFileScript(OpenFileScript script);
