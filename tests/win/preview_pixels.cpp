#include "preview_pixels.h"
#include "resource_ids.h"

#include <algorithm>
#include <fstream>
#include <sstream>

COLORREF PixelAtMarker(HWND dialog, int dx, int dy) {
    UpdateWindow(dialog);
    RECT marker = {};
    GetWindowRect(GetDlgItem(dialog, IDC_ICON_MARKER), &marker);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&marker), 2);
    HDC dc = GetDC(dialog);
    const COLORREF colour = GetPixel(dc, marker.left + dx, marker.top + dy);
    ReleaseDC(dialog, dc);
    return colour;
}

std::string WinePath(const std::string& linuxPath) {
    std::string path = "Z:" + linuxPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string FileContent(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

RECT PreviewArea(HWND dialog) {
    // The frame of the template, two dialog units around the marker; its line is not inside.
    RECT frame = {218, 188, 22, 24};
    MapDialogRect(dialog, &frame);
    return {frame.left + 1, frame.top + 1, frame.left + frame.right - 1,
            frame.top + frame.bottom - 1};
}

ColourSeen ColourAroundPreview(HWND dialog, COLORREF colour) {
    UpdateWindow(dialog);
    // A few pixels beyond the frame, so that an icon drawn past it is seen too.
    const RECT area = PreviewArea(dialog);
    const int border = 8;
    const int left = area.left - border;
    const int top = area.top - border;
    const int width = area.right - area.left + 2 * border;
    const int height = area.bottom - area.top + 2 * border;

    // One copy of the area into memory instead of a round trip to the display per pixel.
    HDC dc = GetDC(dialog);
    HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, left, top, SRCCOPY);
    GdiFlush();

    ColourSeen seen = {{0, 0, 0, 0}, 0};
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = pixels[y * width + x];
            const COLORREF shown = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
            if (shown != colour)
                continue;
            const RECT here = {left + x, top + y, left + x + 1, top + y + 1};
            if (seen.pixels == 0)
                seen.bounds = here;
            else
                UnionRect(&seen.bounds, &seen.bounds, &here);
            ++seen.pixels;
        }
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(dialog, dc);
    return seen;
}
