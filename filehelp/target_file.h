// The file a copy writes: created (an existing one emptied), and removed again unless the copy
// completes it, so that a failed or cancelled copy leaves no partial file behind.
#pragma once

#include <windows.h>

class TargetFile {
public:
    explicit TargetFile(const char* path);
    // Removes the file unless Complete was called.
    ~TargetFile();
    TargetFile(const TargetFile&) = delete;
    TargetFile& operator=(const TargetFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Writes all of bytes; false when the file system took fewer.
    bool Write(const char* bytes, DWORD count);
    // Closes the file and keeps it; false (and the file removed) when the close reports that
    // the data did not reach the disk.
    bool Complete();

private:
    const char* path_;
    HANDLE handle_;
};
