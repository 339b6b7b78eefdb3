// The bytes of one file moved to and from the system in blocks of 64 KB. The line file reads in
// loads of 2048 bytes and writes in pieces as small as a character; a system call for each of
// them cost more than all the rest of reading or writing a large file. The block is part of the
// object, which lives on the stack for one pass: a heap block for every pass would cost more.
#pragma once

#include "platform.h"

#include <cstring>

class FileBlocks {
public:
    static constexpr unsigned kBlockSize = 64 * 1024;

    // Up to capacity bytes of file, as the system's read gives them: fewer only at the end of
    // the file or where a read failed; 0 at the end, -1 when a read failed before any byte.
    long Read(ini_platform::FileHandle file, char* bytes, unsigned capacity);

    // Appends count bytes to what goes to file; false if a block could not be written.
    bool Write(ini_platform::FileHandle file, const char* bytes, unsigned count) {
        if (count > kBlockSize - end_)
            return WriteAcross(file, bytes, count);
        std::memcpy(block_ + end_, bytes, count);
        end_ += count;
        return true;
    }
    // Writes what is pending; false if it could not be written.
    bool Flush(ini_platform::FileHandle file);

private:
    // Fills the block, writes it and goes on with the rest.
    bool WriteAcross(ini_platform::FileHandle file, const char* bytes, unsigned count);

    // Reading: the bytes of the block not handed out yet run from start_ to end_.
    // Writing: end_ bytes are pending.
    unsigned start_ = 0;
    unsigned end_ = 0;
    char block_[kBlockSize];
};
