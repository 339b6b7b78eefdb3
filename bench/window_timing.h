// Timing another process's windows: a stopwatch on the performance counter and a bounded
// wait for a window that is on the screen and fully painted.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Elapsed wall time since construction, from QueryPerformanceCounter (under Wine the host's
// monotonic clock).
class Stopwatch {
public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Seconds() const;

private:
    LARGE_INTEGER start_;
};

// True when window is visible and neither it nor any visible window inside it has anything
// left to paint (no update region): what the user sees is complete.
bool IsPainted(HWND window);

// The windows inside window (and window itself) that still have something to paint, for a
// failure message.
std::string DescribeUnpainted(HWND window);

// The first top-level window of the process for which wanted is true, once it is painted;
// polls every millisecond and gives up (nullptr) after timeoutMs.
HWND WaitForPaintedWindow(DWORD processId, const std::function<bool(HWND)>& wanted,
                          DWORD timeoutMs);
