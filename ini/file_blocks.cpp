#include "file_blocks.h"

#include <algorithm>
#include <cstring>

long FileBlocks::Read(ini_platform::FileHandle file, char* bytes, unsigned capacity) {
    unsigned given = 0;
    while (given < capacity) {
        if (start_ == end_) {
            const long got = ini_platform::ReadBytes(file, block_, kBlockSize);
            if (got <= 0)
                return given > 0 ? static_cast<long>(given) : got;
            start_ = 0;
            end_ = static_cast<unsigned>(got);
        }
        const unsigned piece = std::min(capacity - given, end_ - start_);
        std::memcpy(bytes + given, block_ + start_, piece);
        start_ += piece;
        given += piece;
    }
    return static_cast<long>(given);
}

bool FileBlocks::WriteAcross(ini_platform::FileHandle file, const char* bytes, unsigned count) {
    bool written = true;
    while (count > 0) {
        const unsigned piece = std::min(count, kBlockSize - end_);
        std::memcpy(block_ + end_, bytes, piece);
        end_ += piece;
        bytes += piece;
        count -= piece;
        if (end_ == kBlockSize && !Flush(file))
            written = false;
    }
    return written;
}

bool FileBlocks::Flush(ini_platform::FileHandle file) {
    const unsigned pending = end_;
    end_ = 0;
    return pending == 0 || ini_platform::WriteBytes(file, block_, pending);
}
