#include "cd_drive.h"

#include "windows_of.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

// The letter the test command maps; the same in scripts/test.sh.
constexpr char kCdRoot[] = "O:\\";

void ClearDirectory(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = directory + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ClearDirectory(path + "\\");
            RemoveDirectoryA(path.c_str());
        } else {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void MakeParentDirectories(const std::string& path) {
    for (size_t slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
}

std::string OnCd(const std::string& relativePath) {
    return kCdRoot + relativePath;
}

} // namespace

std::string CdRoot() {
    return kCdRoot;
}

bool CdDriveMapped() {
    const DWORD attributes = GetFileAttributesA(kCdRoot);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ClearCd() {
    ClearDirectory(kCdRoot);
}

bool WriteCdFile(const std::string& relativePath, const std::string& content) {
    const std::string path = OnCd(relativePath);
    MakeParentDirectories(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    return out.good();
}

bool CopyToCd(const std::string& sourcePath, const std::string& relativePath) {
    const std::string path = OnCd(relativePath);
    MakeParentDirectories(path);
    return CopyFileA(sourcePath.c_str(), path.c_str(), FALSE) != 0;
}

bool ReadCdFile(const std::string& relativePath, std::string& content) {
    std::ifstream in(OnCd(relativePath), std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    content = text.str();
    return true;
}

bool CdFileExists(const std::string& relativePath) {
    return GetFileAttributesA(OnCd(relativePath).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WaitForCdFile(const std::string& relativePath, std::string& content) {
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 50) {
        if (ReadCdFile(relativePath, content) && !content.empty())
            return true;
        Sleep(50);
    }
    return false;
}
