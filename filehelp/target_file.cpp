#include "target_file.h"

TargetFile::TargetFile(const char* path)
    : path_(path), handle_(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)) {}

TargetFile::~TargetFile() {
    // A file this object could not create is not its own to remove.
    if (handle_ == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(handle_);
    DeleteFileA(path_);
}

bool TargetFile::Write(const char* bytes, DWORD count) {
    DWORD written = 0;
    return WriteFile(handle_, bytes, count, &written, nullptr) && written == count;
}

bool TargetFile::Complete() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (CloseHandle(handle))
        return true;
    DeleteFileA(path_);
    return false;
}
