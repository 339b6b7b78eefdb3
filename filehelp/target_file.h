// The file a copy writes. The bytes go into a temporary file beside the target, which takes
// the target's name only once the copy is complete: a failed or cancelled copy, or a full
// disk, leaves a file of that name exactly as it was, and nothing of the temporary file.
#pragma once

#include <windows.h>

#include <array>

class TargetFile {
public:
    // path: a full path that fits a path buffer.
    explicit TargetFile(const char* path);
    // Removes the temporary file unless Complete put it in place.
    ~TargetFile();
    TargetFile(const TargetFile&) = delete;
    TargetFile& operator=(const TargetFile&) = delete;

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    // Writes all of bytes; false when the file system took fewer.
    bool Write(const char* bytes, DWORD count);
    // Closes the temporary file and puts it in the target's place; false (and the target as it
    // was) when the data did not reach the disk or the target could not be replaced.
    bool Complete();

private:
    const char* path_;
    std::array<char, MAX_PATH> temporary_{};
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};
