// Reading the icon preview back from the screen, and the test inputs the build makes.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// The colour the dialog shows at (dx, dy) from the top-left corner of its icon marker (112),
// after all pending painting is done.
COLORREF PixelAtMarker(HWND dialog, int dx, int dy);

// The full Windows path under Wine of a path on the Linux side.
std::string WinePath(const std::string& linuxPath);

// The whole content of a file, or "" when it cannot be read.
std::string FileContent(const std::string& path);

// Names the instances of a parameterised test after their case's name.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& c) const {
        return c.param.name;
    }
};

// Where the preview may draw: inside the visible frame around the icon marker, whose place
// and size in pixels follow the dialog's font and the display's scale.
RECT PreviewArea(HWND dialog);

// What the preview shows of one colour: the smallest rectangle around its pixels in and around
// the preview area (empty when none) and how many pixels have it.
struct ColourSeen {
    RECT bounds;
    int pixels;
};
ColourSeen ColourAroundPreview(HWND dialog, COLORREF colour);
