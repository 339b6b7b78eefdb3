// The bytes of one file moved to and from the system in blocks of 64 KB. The line file reads
// and writes in pieces of at most 2048 bytes; a system call for each of them cost more than
// all the rest of reading or writing a large file.
#pragma once

#include "platform.h"

#include <memory>

class FileBlocks {
public:
    static constexpr unsigned kBlockSize = 64 * 1024;

    // Up to capacity bytes of file, as the system's read gives them: fewer only at the end of
    // the file or where a read failed; 0 at the end, -1 when a read failed before any byte.
    long Read(ini_platform::FileHandle file, char* bytes, unsigned capacity);

    // Appends count bytes to what goes to file; false if a block could not be written.
    bool Write(ini_platform::FileHandle file, const char* bytes, unsigned count);
    // Writes what is pending; false if it could not be written.
    bool Flush(ini_platform::FileHandle file);

private:
    char* Block();

    std::unique_ptr<char[]> block_;
    // Reading: the bytes of the block not handed out yet run from start_ to end_.
    // Writing: end_ bytes are pending.
    unsigned start_ = 0;
    unsigned end_ = 0;
};
