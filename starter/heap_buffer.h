// Owner of one character array on the process heap; the starter's stand-in for new[] and
// delete[], which would pull in the C++ runtime.
#pragma once

#include <windows.h>

class Buffer {
public:
    explicit Buffer(unsigned capacity)
        : chars_(static_cast<char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, capacity))),
          capacity_(capacity) {}
    ~Buffer() {
        if (chars_ != nullptr)
            HeapFree(GetProcessHeap(), 0, chars_);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    bool ok() const { return chars_ != nullptr; }
    char* get() const { return chars_; }
    int capacity() const { return static_cast<int>(capacity_); }

private:
    char* chars_;
    unsigned capacity_;
};
