// Trees written for the image tests, and the independent readers run on the images.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct TreeFile {
    // Below the root, '/' between names; the bytes of the name as the file system takes them.
    std::string path;
    std::string bytes;
};

// Writes the files (and the empty directories) below root; every entry gets the same time, so
// that two trees written alike give the same image.
void MakeTree(const std::string& root, const std::vector<TreeFile>& files,
              const std::vector<std::string>& emptyDirectories = {});

// Sets a file's or directory's modification time.
void SetTime(const std::string& path, std::int64_t seconds);

// Every file below root: its path ('/' between names, as UTF-8 the image gives back) and its
// bytes. Names that are no UTF-8 are read as code page 1252, as the writer reads them.
std::map<std::string, std::string> ReadTree(const std::string& root);

// Every directory below root, as ReadTree names them.
std::vector<std::string> DirectoriesOf(const std::string& root);

struct ToolRun {
    int status = -1;
    std::string output;
};

// Runs a shell command line; standard error goes into the output too.
ToolRun RunTool(const std::string& command);

// The text in single quotes for the shell.
std::string Quoted(const std::string& text);
