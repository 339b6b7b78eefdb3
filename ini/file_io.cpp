#include "file_io.h"

#include <cstring>

namespace {

constexpr int kEmpty = -1;
// Pending bytes kept for writing, so that a NUL always fits behind them.
constexpr int kMaxPending = FileIO::kBufferSize - 1;

} // namespace

FileIO::FileIO(const char* fileName, unsigned openMode)
    : file_(ini_platform::kNoFile), buffer_{}, position_(kEmpty), count_(0), endFlag_(0),
      writing_(openMode == kCreateWrite), writeFailed_(false), readFailed_(false) {
    if (writing_)
        targetPath_ = fileName;
    if (writing_)
        file_ = ini_platform::CreateBeside(fileName, tempPath_);
    else {
        bool missing = true;
        file_ = ini_platform::OpenForReading(fileName, missing);
        // A file that is there but cannot be opened is not read at all.
        readFailed_ = file_ == ini_platform::kNoFile && !missing;
    }
    endFlag_ = file_ == ini_platform::kNoFile ? 1 : 0;
}

FileIO::~FileIO() {
    if (writing_)
        Discard();
    else
        ini_platform::CloseWithoutStoring(file_);
}

int FileIO::FindLineFeed(int from) const {
    const void* found = std::memchr(buffer_ + from, '\n', static_cast<std::size_t>(count_ - from));
    return found == nullptr ? -1 : static_cast<int>(static_cast<const char*>(found) - buffer_);
}

// The line runs from start to the LF; a CR right in front of the LF belongs to the line end.
const char* FileIO::CutLineAt(int start, int lineFeed) {
    if (lineFeed > start && buffer_[lineFeed - 1] == '\r')
        buffer_[lineFeed - 1] = '\0';
    buffer_[lineFeed] = '\0';
    position_ = lineFeed + 1 >= count_ ? kEmpty : lineFeed + 1;
    return buffer_ + start;
}

const char* FileIO::ReadLine() {
    if (endFlag_ != 0)
        return "";
    if (position_ == kEmpty) {
        const long got = ini_platform::ReadBytes(file_, buffer_, kBufferSize);
        if (got <= 0) {
            if (got < 0)
                readFailed_ = true;
            endFlag_ = 1;
            return "";
        }
        count_ = static_cast<int>(got);
        position_ = 0;
    }
    const int lineFeed = FindLineFeed(position_);
    if (lineFeed >= 0)
        return CutLineAt(position_, lineFeed);

    // The rest of the buffer begins a line that goes on in the file: carry it to the front
    // and read behind it. A full buffer has no room left and goes out as a piece of its own.
    const int carried = count_ - position_;
    if (carried < kBufferSize) {
        std::memmove(buffer_, buffer_ + position_, static_cast<std::size_t>(carried));
        const long got = ini_platform::ReadBytes(file_, buffer_ + carried,
                                                 static_cast<unsigned>(kBufferSize - carried));
        if (got < 0)
            readFailed_ = true;
        count_ = carried + (got > 0 ? static_cast<int>(got) : 0);
        position_ = 0;
        const int laterLineFeed = FindLineFeed(0);
        if (laterLineFeed >= 0)
            return CutLineAt(0, laterLineFeed);
    }
    buffer_[count_] = '\0';
    position_ = kEmpty;
    return buffer_;
}

void FileIO::Flush() {
    if (position_ > 0 &&
        !ini_platform::WriteBytes(file_, buffer_, static_cast<unsigned>(position_)))
        writeFailed_ = true;
    position_ = 0;
    buffer_[0] = '\0';
}

FileIO& FileIO::Write(const char* text) {
    if (position_ == kEmpty) {
        position_ = 0;
        buffer_[0] = '\0';
    }
    const std::size_t length = std::strlen(text);
    if (static_cast<std::size_t>(position_) + length > static_cast<std::size_t>(kMaxPending)) {
        Flush();
        if (length > static_cast<std::size_t>(kMaxPending)) {
            if (!ini_platform::WriteBytes(file_, text, static_cast<unsigned>(length)))
                writeFailed_ = true;
            return *this;
        }
    }
    std::memcpy(buffer_ + position_, text, length + 1);
    position_ += static_cast<int>(length);
    return *this;
}

bool FileIO::Commit() {
    if (!writing_ || file_ == ini_platform::kNoFile)
        return false;
    Flush();
    const bool closed = ini_platform::CloseFile(file_);
    file_ = ini_platform::kNoFile;
    if (writeFailed_ || !closed ||
        !ini_platform::ReplaceFileWith(tempPath_.c_str(), targetPath_.c_str())) {
        Discard();
        return false;
    }
    tempPath_.clear();
    return true;
}

void FileIO::Discard() {
    ini_platform::CloseWithoutStoring(file_);
    file_ = ini_platform::kNoFile;
    if (!tempPath_.empty())
        ini_platform::RemoveFile(tempPath_.c_str());
    tempPath_.clear();
}
