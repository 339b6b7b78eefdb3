// Owner of one handle of the LZ expansion library; closes it when it goes.
#pragma once

#include <windows.h>
#include <lzexpand.h>

class LzFile {
public:
    // Opens path with LZOpenFileA in the given OF_ style; a path that does not fit a path
    // buffer is not opened at all.
    LzFile(const char* path, WORD style);
    ~LzFile() { Close(); }
    LzFile(const LzFile&) = delete;
    LzFile& operator=(const LzFile&) = delete;

    bool IsOpen() const { return handle_ >= 0; }
    INT Handle() const { return handle_; }
    void Close();

private:
    INT handle_ = -1;
    OFSTRUCT info_ = {};
};
