#include "target_file.h"

#include <cstring>

namespace {

// Letters the temporary file's name begins with; the system adds a number and ".tmp".
constexpr char kTemporaryPrefix[] = "qlt";

// The directory part of path, without its last separator ("C:\" stays whole).
void DirectoryOf(const char* path, std::array<char, MAX_PATH>& directory) {
    directory.fill('\0');
    const char* cut = std::strrchr(path, '\\');
    const char* slash = std::strrchr(path, '/');
    if (slash != nullptr && (cut == nullptr || slash > cut))
        cut = slash;
    if (cut == nullptr) {
        directory[0] = '.';
        return;
    }
    std::size_t length = static_cast<std::size_t>(cut - path);
    // A drive's root keeps its separator: "C:" alone is the drive's current directory.
    if (length == 2 && path[1] == ':')
        ++length;
    if (length >= directory.size())
        return;
    std::memcpy(directory.data(), path, length);
}

// Windows 95, 98 and Me have no MoveFileEx, and their MoveFile replaces nothing: the old file
// steps aside under a free name and comes back when the new one cannot take its place.
bool ReplaceByMovingAside(const char* source, const char* target, const char* directory) {
    char aside[MAX_PATH];
    // The name comes with a file that holds it; MoveFile wants it free.
    if (GetTempFileNameA(directory, kTemporaryPrefix, 0, aside) == 0 || !DeleteFileA(aside))
        return false;
    if (!MoveFileA(target, aside))
        return false;
    if (!MoveFileA(source, target)) {
        MoveFileA(aside, target);
        return false;
    }
    DeleteFileA(aside);
    return true;
}

bool PutInPlace(const char* source, const char* target, const char* directory) {
    if (MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    const DWORD old = GetFileAttributesA(target);
    if (old == INVALID_FILE_ATTRIBUTES)
        return MoveFileA(source, target) != 0;
    // Neither could a read-only file be replaced on the later systems.
    if ((old & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    return ReplaceByMovingAside(source, target, directory);
}

} // namespace

TargetFile::TargetFile(const char* path) : path_(path) {
    std::array<char, MAX_PATH> directory;
    DirectoryOf(path, directory);
    // The temporary file lies in the target's directory, so that putting it in place is a
    // rename on the same disk, never a second copy.
    if (directory[0] == '\0' ||
        GetTempFileNameA(directory.data(), kTemporaryPrefix, 0, temporary_.data()) == 0) {
        temporary_[0] = '\0';
        return;
    }
    handle_ = CreateFileA(temporary_.data(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ == INVALID_HANDLE_VALUE) {
        DeleteFileA(temporary_.data());
        temporary_[0] = '\0';
    }
}

TargetFile::~TargetFile() {
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    if (temporary_[0] != '\0')
        DeleteFileA(temporary_.data());
}

bool TargetFile::Write(const char* bytes, DWORD count) {
    DWORD written = 0;
    return WriteFile(handle_, bytes, count, &written, nullptr) && written == count;
}

bool TargetFile::Complete() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    const bool flushed = FlushFileBuffers(handle) != 0;
    if (!CloseHandle(handle) || !flushed)
        return false;
    std::array<char, MAX_PATH> directory;
    DirectoryOf(path_, directory);
    if (!PutInPlace(temporary_.data(), path_, directory.data()))
        return false;
    temporary_[0] = '\0';
    return true;
}
