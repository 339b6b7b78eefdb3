#include "mouse.h"

namespace {

// Moves to the screen point and clicks there clicks times, as fast as a double-click.
void ClickAt(LONG x, LONG y, int clicks) {
    // Absolute positions are given in steps of 1/65536 of the screen.
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input[5] = {};
    for (INPUT& event : input) {
        event.type = INPUT_MOUSE;
        event.mi.dx = (x * 65535 + width / 2) / (width - 1);
        event.mi.dy = (y * 65535 + height / 2) / (height - 1);
    }
    input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    for (int click = 0; click < clicks; ++click) {
        input[1 + 2 * click].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
        input[2 + 2 * click].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    }
    SendInput(static_cast<UINT>(1 + 2 * clicks), input, sizeof input[0]);
}

} // namespace

void ClickWithMouse(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    ClickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, 1);
}

void DoubleClickWithMouse(HWND window, POINT point) {
    ClientToScreen(window, &point);
    ClickAt(point.x, point.y, 2);
}
