#include "corpus_files.h"

#include "driver/windows_of.h"

#include <windows.h>

#include <algorithm>
#include <functional>

namespace {

void ForEachFile(const std::string& pattern, const std::function<void(const std::string&)>& use) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            use(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

} // namespace

std::vector<std::string> CorpusFileNames() {
    std::vector<std::string> names;
    ForEachFile(CorpusPath("*.inf"), [&names](const std::string& name) { names.push_back(name); });
    std::sort(names.begin(), names.end());
    return names;
}

std::string CorpusPath(const std::string& name) {
    return WindowsPathOf(QUILLOT_CORPUS_DIR) + "\\" + name;
}

ScratchDir::ScratchDir(const std::string& purpose) {
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "quillot-" + purpose + "-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(path_.c_str(), nullptr);
}

ScratchDir::~ScratchDir() {
    ForEachFile(path_ + "\\*",
                [this](const std::string& name) { DeleteFileA(PathOf(name).c_str()); });
    RemoveDirectoryA(path_.c_str());
}
