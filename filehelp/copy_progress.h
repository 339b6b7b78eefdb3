// How far a copy has come, and the user's wish to stop it. The copy may run on a thread of its
// own while a window shows its progress: every member may be used from either thread.
#pragma once

#include <atomic>
#include <cstdint>

class CopyProgress {
public:
    CopyProgress() = default;
    CopyProgress(const CopyProgress&) = delete;
    CopyProgress& operator=(const CopyProgress&) = delete;

    // Asks the copy to stop at its next piece; it then removes what it wrote.
    void RequestCancel() { cancel_ = true; }
    bool CancelRequested() const { return cancel_; }

    // Bytes written so far, and the size the copy will have: 0 until it is known.
    std::uint64_t Done() const { return done_; }
    std::uint64_t Total() const { return total_; }

    // The copy's side.
    void SetTotal(std::uint64_t total) { total_ = total; }
    void Add(std::uint64_t bytes) { done_ += bytes; }

private:
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint64_t> done_{0};
    std::atomic<std::uint64_t> total_{0};
};
