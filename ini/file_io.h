// One pass over one text file through a fixed buffer: either reading it line by line or
// writing its new content in pieces.
//
// A writing pass never touches the file it is opened on until Commit: the pieces go to a
// new file beside it, which takes the old file's place only when every byte and the close
// have succeeded. A pass that is not committed leaves the old file as it was.
#pragma once

#include "platform.h"

#include <string>

class FileIO {
public:
    // Open modes, as the classic OpenFile call spells them.
    static constexpr unsigned kRead = 0;
    static constexpr unsigned kCreateWrite = 0x1001;

    static constexpr int kBufferSize = 2048;

    FileIO(const char* fileName, unsigned openMode);
    ~FileIO();
    FileIO(const FileIO&) = delete;
    FileIO& operator=(const FileIO&) = delete;

    int IsOpen() const { return file_ != ini_platform::kNoFile ? 1 : 0; }

    // Set when the file could not be opened and when a read brings no more bytes.
    bool AtEnd() const { return endFlag_ != 0; }
    // Set when the file is there but could not be opened, and when a read failed: the lines
    // so far may not be the whole file.
    bool ReadFailed() const { return readFailed_; }

    // The next line without its line end, "" at the end. The text lies in the object's
    // buffer and is valid until the next call. A line longer than the buffer comes back in
    // pieces, one per call.
    const char* ReadLine();

    // Appends text to the new content; returns the object, so that writes chain.
    FileIO& Write(const char* text);

    // Ends a writing pass: writes what is pending, closes the new file and puts it in the
    // place of the old one. Returns true only if all of that succeeded; otherwise the new
    // file is removed and the old one stays untouched.
    bool Commit();

private:
    const char* CutLineAt(int start, int lineFeed);
    int FindLineFeed(int from) const;
    void Flush();
    void Discard();

    ini_platform::FileHandle file_;
    std::string targetPath_;
    std::string tempPath_;
    char buffer_[kBufferSize + 1];
    int position_;
    int count_;
    int endFlag_;
    bool writing_;
    bool writeFailed_;
    bool readFailed_;
};
