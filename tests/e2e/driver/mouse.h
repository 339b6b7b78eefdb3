// The mouse as a user moves and presses it, for windows of another process.
#pragma once

#include <windows.h>

// Moves the pointer to the middle of window and clicks it with the left button.
void ClickWithMouse(HWND window);

// Moves the pointer to point (client coordinates of window) and double-clicks there.
void DoubleClickWithMouse(HWND window, POINT point);
