#include "worker_thread.h"

#include <process.h>

#include <utility>

TWorkerThread::TWorkerThread(std::function<void()> work) : work_(std::move(work)) {
    // The C runtime's own thread start: it prepares the runtime for the new thread.
    thread_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, Run, this, 0, nullptr));
    if (thread_ == nullptr)
        Run(this);
}

TWorkerThread::~TWorkerThread() {
    if (thread_ == nullptr)
        return;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
}

bool TWorkerThread::WaitForEnd(DWORD timeoutMs) const {
    return thread_ == nullptr || WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

unsigned __stdcall TWorkerThread::Run(void* self) {
    // Nothing may leave the thread's own frames.
    try {
        static_cast<TWorkerThread*>(self)->work_();
    } catch (...) {
        OutputDebugStringA("quillot: a worker thread's work failed\n");
    }
    return 0;
}
