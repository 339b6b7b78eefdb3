#include "file_io.h"

#include "cp1252.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kEmpty = -1;
// Characters converted at a time when writing UTF-16.
constexpr std::size_t kUnitsPerPiece = 256;

bool IsUnit(const char* at, int unit, char wanted) {
    return at[0] == wanted && (unit == 1 || at[1] == '\0');
}

} // namespace

FileIO::FileIO(const char* fileName, unsigned openMode, TextEncoding encoding)
    : file_(ini_platform::kNoFile), buffer_{}, position_(kEmpty), count_(0), endFlag_(0),
      writing_(openMode == kCreateWrite), writeFailed_(false), readFailed_(false), lineLength_(0),
      encoding_(TextEncoding::kAnsi), unit_(1), firstLoad_(true), skipLineFeed_(false) {
    if (writing_) {
        targetPath_ = fileName;
        file_ = ini_platform::CreateBeside(fileName, tempPath_);
        if (encoding == TextEncoding::kUtf16) {
            encoding_ = encoding;
            unit_ = 2;
            Append("\xFF\xFE", 2);
        }
    } else {
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

// UTF-16 little-endian and UTF-8 are read behind their marks. A big-endian mark, or a first
// character whose other byte is zero (UTF-16 without a mark), makes text that this reader cannot
// take apart into lines.
void FileIO::TakeEncodingFromMark() {
    const auto byteAt = [this](int index) {
        return index < count_ ? static_cast<unsigned char>(buffer_[index]) : 0x100u;
    };
    if (byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        encoding_ = TextEncoding::kUtf8;
        position_ = 3;
    } else if (byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        encoding_ = TextEncoding::kUtf16;
        unit_ = 2;
        position_ = 2;
    } else if ((byteAt(0) == 0xFE && byteAt(1) == 0xFF) ||
               (count_ >= 2 && (byteAt(0) == 0) != (byteAt(1) == 0))) {
        encoding_ = TextEncoding::kUnreadable;
    }
}

// Reads behind the first kept bytes of the buffer; false when the file gave nothing more.
// A UTF-16 load is completed to whole characters, so that only the file's end splits one.
bool FileIO::Load(int kept) {
    long got = blocks_.Read(file_, buffer_ + kept, static_cast<unsigned>(kBufferSize - kept));
    if (got < 0)
        readFailed_ = true;
    count_ = kept + std::max(got, 0L);
    position_ = 0;
    if (firstLoad_) {
        firstLoad_ = false;
        TakeEncodingFromMark();
    }
    const bool more = got > 0;
    while (got > 0 && unit_ == 2 && count_ % 2 != 0 && count_ < kBufferSize) {
        got = blocks_.Read(file_, buffer_ + count_, 1);
        if (got < 0)
            readFailed_ = true;
        count_ += static_cast<int>(std::max(got, 0L));
    }
    return more;
}

int FileIO::FindLineEnd(int from) const {
    if (unit_ == 1) {
        // The first LF, and a CR in front of it: two fast scans instead of a test of every
        // byte for both. A file of CR line ends is scanned to the end of the buffer for every
        // line, at most 2048 bytes.
        const char* begin = buffer_ + from;
        const char* end = buffer_ + count_;
        const auto* lineFeed = static_cast<const char*>(
            std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)));
        const char* limit = lineFeed != nullptr ? lineFeed : end;
        const auto* carriageReturn = static_cast<const char*>(
            std::memchr(begin, '\r', static_cast<std::size_t>(limit - begin)));
        const char* found = carriageReturn != nullptr ? carriageReturn : lineFeed;
        return found != nullptr ? static_cast<int>(found - buffer_) : -1;
    }
    for (int at = from; at + unit_ <= count_; at += unit_)
        if (IsUnit(buffer_ + at, unit_, '\n') || IsUnit(buffer_ + at, unit_, '\r'))
            return at;
    return -1;
}

// The line runs from start to end, behind what longLine_ holds of it. A line end is CR LF, LF
// alone or CR alone, as Windows' profile reader takes them: the LF of a CR LF pair is skipped
// here, or, when the CR is the last character of the buffer, at the start of the next line.
const char* FileIO::CutLineAt(int start, int end) {
    const bool atLineEnd = end < count_;
    int next = end + unit_;
    if (atLineEnd && IsUnit(buffer_ + end, unit_, '\r')) {
        if (next + unit_ <= count_ && IsUnit(buffer_ + next, unit_, '\n'))
            next += unit_;
        else if (next >= count_)
            skipLineFeed_ = true;
    }
    position_ = atLineEnd && next < count_ ? next : kEmpty;
    if (longLine_.empty()) {
        buffer_[end] = '\0';
        lineLength_ = static_cast<std::size_t>(end - start);
        return buffer_ + start;
    }
    longLine_.append(buffer_ + start, static_cast<std::size_t>(end - start));
    lineLength_ = longLine_.size();
    return longLine_.c_str();
}

// True when the buffer holds a next line; skips the LF left over from a CR LF pair that the
// end of the previous load split.
bool FileIO::HasNextLine() {
    for (;;) {
        if (position_ == kEmpty) {
            Load(0);
            if (position_ >= count_)
                return false;
        }
        if (!skipLineFeed_)
            return true;
        skipLineFeed_ = false;
        if (!IsUnit(buffer_ + position_, unit_, '\n'))
            return true;
        position_ += unit_;
        if (position_ >= count_)
            position_ = kEmpty;
    }
}

const char* FileIO::ReadLine() {
    longLine_.clear();
    lineLength_ = 0;
    if (endFlag_ != 0)
        return "";
    if (!HasNextLine()) {
        endFlag_ = 1;
        return "";
    }
    for (;;) {
        const int lineFeed = FindLineEnd(position_);
        if (lineFeed >= 0)
            return CutLineAt(position_, lineFeed);

        // The rest of the buffer begins a line that goes on in the file: carry it to the
        // front and read behind it. At the end of the file it is the last line.
        const int carried = count_ - position_;
        if (carried < kBufferSize) {
            std::memmove(buffer_, buffer_ + position_, static_cast<std::size_t>(carried));
            if (!Load(carried))
                return CutLineAt(0, count_);
            continue;
        }
        // A full buffer without a line end: the line is longer than the buffer and is put
        // together outside it, the only case that allocates.
        longLine_.append(buffer_, static_cast<std::size_t>(count_));
        if (!Load(0))
            return CutLineAt(0, count_);
    }
}

FileIO& FileIO::WriteWide(std::string_view text) {
    std::u16string piece;
    piece.reserve(kUnitsPerPiece);
    for (std::size_t at = 0; at < text.size();) {
        piece.clear();
        while (at < text.size() && piece.size() < kUnitsPerPiece)
            piece += cp1252::WideOf(static_cast<unsigned char>(text[at++]));
        Write(piece);
    }
    return *this;
}

FileIO& FileIO::Write(const std::u16string& units) {
    char bytes[2 * kUnitsPerPiece];
    for (std::size_t done = 0; done < units.size();) {
        const std::size_t count = std::min(kUnitsPerPiece, units.size() - done);
        for (std::size_t index = 0; index < count; ++index) {
            bytes[2 * index] = static_cast<char>(units[done + index] & 0xFF);
            bytes[2 * index + 1] = static_cast<char>(units[done + index] >> 8);
        }
        Append(bytes, 2 * count);
        done += count;
    }
    return *this;
}

bool FileIO::Commit() {
    if (!writing_ || file_ == ini_platform::kNoFile)
        return false;
    if (!blocks_.Flush(file_))
        writeFailed_ = true;
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
