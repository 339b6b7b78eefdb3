// Owner of one file handle of the classic OpenFile interface; closes it when it goes.
#pragma once

#include <windows.h>

class ClassicFile {
public:
    ClassicFile(const char* path, UINT style) : handle_(OpenFile(path, &info_, style)) {}
    ~ClassicFile() { Close(); }
    ClassicFile(const ClassicFile&) = delete;
    ClassicFile& operator=(const ClassicFile&) = delete;

    bool IsOpen() const { return handle_ != HFILE_ERROR; }
    HFILE Handle() const { return handle_; }
    void Close() {
        if (handle_ != HFILE_ERROR)
            _lclose(handle_);
        handle_ = HFILE_ERROR;
    }

private:
    OFSTRUCT info_ = {};
    HFILE handle_;
};
