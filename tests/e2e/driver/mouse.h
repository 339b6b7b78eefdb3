// The mouse as a user moves and presses it, for windows of another process.
#pragma once

#include <windows.h>

// Moves the pointer to the middle of window and clicks it with the left button.
void ClickWithMouse(HWND window);
