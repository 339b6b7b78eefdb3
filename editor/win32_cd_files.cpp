#include "win32_cd_files.h"

#include "owned_handle.h"

#include <windows.h>

#include <utility>

namespace {

class FileBytes : public cd_check::CdBytes {
public:
    FileBytes(HANDLE file, std::uint64_t size) : file_(file), size_(size) {}

    std::uint64_t Size() const override { return size_; }

    bool ReadAt(std::uint64_t offset, void* out, std::size_t count) override {
        LONG high = static_cast<LONG>(offset >> 32);
        const DWORD low =
            SetFilePointer(file_.Get(), static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
        if (low == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
            return false;
        auto* bytes = static_cast<char*>(out);
        while (count > 0) {
            const DWORD wanted = count > 0x100000 ? 0x100000 : static_cast<DWORD>(count);
            DWORD read = 0;
            if (!ReadFile(file_.Get(), bytes, wanted, &read, nullptr) || read == 0)
                return false;
            bytes += read;
            count -= read;
        }
        return true;
    }

private:
    OwnedHandle file_;
    std::uint64_t size_;
};

// Owns a search of FindFirstFileA.
class FileSearch {
public:
    FileSearch(const std::string& pattern, WIN32_FIND_DATAA& found)
        : search_(FindFirstFileA(pattern.c_str(), &found)) {}
    ~FileSearch() {
        if (IsOpen())
            FindClose(search_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;

    bool IsOpen() const { return search_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(search_, &found) != FALSE; }

private:
    HANDLE search_;
};

bool IsDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

std::size_t WideLength(const char* name) {
    const int units = MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    return units > 0 ? static_cast<std::size_t>(units - 1) : 0;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

Win32CdFiles::Win32CdFiles(std::string root) : root_(std::move(root)) {
    if (!root_.empty() && root_.back() == '\\')
        root_.pop_back();
}

std::string Win32CdFiles::PathOf(const cd_check::CdPath& path) const {
    std::string full = root_;
    for (const std::string& key : path)
        full += '\\' + key;
    return full;
}

std::vector<cd_check::CdEntry> Win32CdFiles::List(const cd_check::CdPath& path,
                                                  bool& failed) const {
    std::vector<cd_check::CdEntry> entries;
    const std::string directory = PathOf(path);
    WIN32_FIND_DATAA found{};
    FileSearch search(directory + "\\*", found);
    if (!search.IsOpen()) {
        // A file named as if it were a directory has no entries; that is no failure.
        failed = IsDirectory(directory);
        return entries;
    }
    do {
        if (IsDot(found.cFileName))
            continue;
        cd_check::CdEntry entry;
        entry.key = found.cFileName;
        entry.name = found.cFileName;
        entry.nameUnits = WideLength(found.cFileName);
        entry.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // A junction is a link: the CD holds what it points to, and a loop of them never ends.
        entry.link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back(std::move(entry));
    } while (search.Next(found));
    failed = GetLastError() != ERROR_NO_MORE_FILES;
    return entries;
}

std::unique_ptr<cd_check::CdBytes> Win32CdFiles::Open(const cd_check::CdPath& path) const {
    const HANDLE file =
        CreateFileA(PathOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        CloseHandle(file);
        return nullptr;
    }
    return std::make_unique<FileBytes>(file, static_cast<std::uint64_t>(high) << 32 | low);
}
