// The real AutoRun.INF files of tests/corpus as Windows sees them, and a scratch folder to
// put copies of them in.
#pragma once

#include <string>
#include <vector>

// The names of the corpus files (*.inf), sorted.
std::vector<std::string> CorpusFileNames();

// The absolute Windows path of a corpus file.
std::string CorpusPath(const std::string& name);

// A fresh folder in the temporary directory, removed with its files.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& purpose);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // An absolute path, as the profile reader needs it.
    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};
