#include "window_timing.h"

#include "driver/windows_of.h"

namespace {

bool HasUpdateRegion(HWND window) {
    return GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM parameter) {
    if (IsWindowVisible(child) && HasUpdateRegion(child)) {
        *reinterpret_cast<bool*>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK DescribeUnpaintedChild(HWND child, LPARAM parameter) {
    if (IsWindowVisible(child) && HasUpdateRegion(child)) {
        *reinterpret_cast<std::string*>(parameter) +=
            " [" + ClassOf(child) + " " + std::to_string(GetDlgCtrlID(child)) + "]";
    }
    return TRUE;
}

} // namespace

std::string DescribeUnpainted(HWND window) {
    std::string description = IsWindowVisible(window) ? "" : " (not visible)";
    if (HasUpdateRegion(window))
        description += " [" + ClassOf(window) + " itself]";
    EnumChildWindows(window, DescribeUnpaintedChild, reinterpret_cast<LPARAM>(&description));
    return description.empty() ? " nothing" : description;
}

double Stopwatch::Seconds() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool IsPainted(HWND window) {
    if (!IsWindowVisible(window) || HasUpdateRegion(window))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

HWND WaitForPaintedWindow(DWORD processId, const std::function<bool(HWND)>& wanted,
                          DWORD timeoutMs) {
    const auto paintedAndWanted = [&wanted](HWND window) {
        return wanted(window) && IsPainted(window);
    };
    const DWORD start = GetTickCount();
    for (;;) {
        // A time-out of 0 makes the driver's wait a single look at the windows.
        if (HWND found = WaitForWindowWhere(processId, paintedAndWanted, 0))
            return found;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(1);
    }
}
