#include "lz_file.h"

#include "bounded_text.h"
#include "path_limits.h"

#include <cstring>

LzFile::LzFile(const char* path, WORD style) {
    // LZOpenFileA wants a changeable string.
    char name[filehelp::kPathBufferSize];
    if (path == nullptr || filehelp::BoundedLength(path, sizeof name) == sizeof name)
        return;
    std::strcpy(name, path);
    handle_ = LZOpenFileA(name, &info_, style);
}

void LzFile::Close() {
    if (handle_ >= 0)
        LZClose(handle_);
    handle_ = -1;
}
