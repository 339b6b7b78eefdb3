// One pass over one text file: either reading it line by line, in loads of a fixed buffer of
// 2048 bytes, or writing its new content in pieces.
//
// A writing pass never touches the file it is opened on until Commit: the pieces go to a
// new file beside it, which takes the old file's place only when every byte and the close
// have succeeded. A pass that is not committed leaves the old file as it was.
#pragma once

#include "file_blocks.h"
#include "platform.h"
#include "text_encoding.h"

#include <cstddef>
#include <string>
#include <string_view>

class FileIO {
public:
    // Open modes, as the classic OpenFile call spells them.
    static constexpr unsigned kRead = 0;
    static constexpr unsigned kCreateWrite = 0x1001;

    static constexpr int kBufferSize = 2048;

    // A writing pass writes in encoding (UTF-16 starts with its mark); a reading pass learns
    // the encoding from the file's first bytes.
    FileIO(const char* fileName, unsigned openMode, TextEncoding encoding = TextEncoding::kAnsi);
    ~FileIO();
    FileIO(const FileIO&) = delete;
    FileIO& operator=(const FileIO&) = delete;

    int IsOpen() const { return file_ != ini_platform::kNoFile ? 1 : 0; }

    // Set when the file could not be opened and when a read brings no more bytes.
    bool AtEnd() const { return endFlag_ != 0; }
    // Set when the file is there but could not be opened, and when a read failed: the lines
    // so far may not be the whole file.
    bool ReadFailed() const { return readFailed_; }

    // Known once the first line has been read.
    TextEncoding Encoding() const { return encoding_; }

    // The next line without its line end (CR LF, LF or CR), "" at the end, however long it is. The
    // text is valid until the next call. For an ANSI file it is the line's bytes; for a UTF-16 file
    // its code units, two bytes each, low byte first. LineLength counts its bytes.
    const char* ReadLine();
    std::size_t LineLength() const { return lineLength_; }

    // Appends text (code page 1252) to the new content, in the pass's encoding; returns the
    // object, so that writes chain.
    FileIO& Write(std::string_view text) {
        if (unit_ != 1)
            return WriteWide(text);
        Append(text.data(), text.size());
        return *this;
    }
    FileIO& Write(const char* text) { return Write(std::string_view(text)); }
    // Appends UTF-16 code units as they are; only for a UTF-16 pass.
    FileIO& Write(const std::u16string& units);

    // Ends a writing pass: writes what is pending, closes the new file and puts it in the
    // place of the old one. Returns true only if all of that succeeded; otherwise the new
    // file is removed and the old one stays untouched.
    bool Commit();

private:
    bool Load(int keep);
    void TakeEncodingFromMark();
    const char* CutLineAt(int start, int lineFeed);
    int FindLineEnd(int from) const;
    bool HasNextLine();
    FileIO& WriteWide(std::string_view text);
    void Append(const char* bytes, std::size_t count) {
        if (!blocks_.Write(file_, bytes, static_cast<unsigned>(count)))
            writeFailed_ = true;
    }
    void Discard();

    ini_platform::FileHandle file_;
    FileBlocks blocks_;
    std::string targetPath_;
    std::string tempPath_;
    char buffer_[kBufferSize + 1];
    int position_;
    int count_;
    int endFlag_;
    bool writing_;
    bool writeFailed_;
    bool readFailed_;
    // A line that outgrew the buffer, put together here; empty otherwise.
    std::string longLine_;
    std::size_t lineLength_;
    TextEncoding encoding_;
    // Bytes of a character: 1 or 2.
    int unit_;
    bool firstLoad_;
    // The last line ended in a CR at the end of a load: an LF that follows belongs to it.
    bool skipLineFeed_;
};
