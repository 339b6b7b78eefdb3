// The top-level window a control or a child dialog lies in: the window that the system
// disables, activates and makes the owner of popups in its place.
#pragma once

#include <windows.h>

inline HWND TopLevelWindowOf(HWND window) {
    // GetAncestor is younger than Windows 95.
    while (window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) {
        const HWND parent = GetParent(window);
        if (parent == nullptr)
            break;
        window = parent;
    }
    return window;
}
