// One piece of work run on a thread of its own, so that the windows' thread stays free to paint
// and answer while it runs. The object waits for the work's end when it goes, so nothing the
// work uses can go before it.
#pragma once

#include <windows.h>

#include <functional>

class TWorkerThread {
public:
    // Starts work at once. Where no thread can be made, the work runs here and now.
    explicit TWorkerThread(std::function<void()> work);
    ~TWorkerThread();
    TWorkerThread(const TWorkerThread&) = delete;
    TWorkerThread& operator=(const TWorkerThread&) = delete;

    // Waits up to timeoutMs for the work to end; true when it has.
    bool WaitForEnd(DWORD timeoutMs) const;
    // Signalled when the work has ended; nullptr when it ran on the caller's thread.
    HANDLE EndEvent() const { return thread_; }

private:
    static unsigned __stdcall Run(void* self);

    std::function<void()> work_;
    HANDLE thread_ = nullptr;
};
