#include "preview_pixels.h"
#include "resource_ids.h"

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
