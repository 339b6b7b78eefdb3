// A fresh directory under the system's temporary directory, removed with all its content.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }

    // Number of entries in the directory: shows left-over temporary files.
    int CountEntries() const;

private:
    std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The file's bytes; "<missing>" when it cannot be opened.
std::string ReadBytes(const std::string& path);
