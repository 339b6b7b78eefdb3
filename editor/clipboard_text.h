// Text for the clipboard, as the dialogs' "Kopieren" puts it there.
#pragma once

#include <windows.h>

#include <string>

// Puts text (code page 1252) on the clipboard; false when the clipboard is not to be had.
bool PutOnClipboard(HWND owner, const std::string& text);
