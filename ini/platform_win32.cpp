#include "platform.h"

#include <windows.h>

namespace ini_platform {

namespace {

HANDLE AsHandle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

FileHandle FromHandle(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(handle);
}

// The directory part of a path, "." when it has none.
std::string DirectoryOf(const char* path) {
    const std::string whole(path);
    const std::string::size_type cut = whole.find_last_of("\\/:");
    if (cut == std::string::npos)
        return ".";
    if (whole[cut] == ':')
        return whole.substr(0, cut + 1);
    return cut == 0 ? whole.substr(0, 1) : whole.substr(0, cut);
}

// Windows 95, 98 and Me have no MoveFileEx, and their MoveFile replaces nothing. The old file
// steps aside under a free name first and comes back if the new one cannot take its place:
// a failed save must not lose it.
bool ReplaceByMovingAside(const char* sourcePath, const char* targetPath, DWORD oldAttributes) {
    // Neither could a read-only file be replaced on the later systems.
    if ((oldAttributes & FILE_ATTRIBUTE_READONLY) != 0)
        return false;
    char aside[MAX_PATH];
    // The name comes with a file that holds it; MoveFile wants it free.
    if (GetTempFileNameA(DirectoryOf(targetPath).c_str(), "ini", 0, aside) == 0 ||
        !DeleteFileA(aside))
        return false;
    if (!MoveFileA(targetPath, aside))
        return false;
    if (!MoveFileA(sourcePath, targetPath)) {
        MoveFileA(aside, targetPath);
        return false;
    }
    DeleteFileA(aside);
    return true;
}

} // namespace

FileHandle OpenForReading(const char* path, bool& missing) {
    const HANDLE opened = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    missing = opened == INVALID_HANDLE_VALUE &&
              (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
    return FromHandle(opened);
}

long ReadBytes(FileHandle file, char* buffer, unsigned capacity) {
    DWORD got = 0;
    if (file == kNoFile || !ReadFile(AsHandle(file), buffer, capacity, &got, nullptr))
        return -1;
    return static_cast<long>(got);
}

FileHandle CreateBeside(const char* targetPath, std::string& tempPath) {
    char name[MAX_PATH];
    if (GetTempFileNameA(DirectoryOf(targetPath).c_str(), "ini", 0, name) == 0)
        return kNoFile;
    const HANDLE handle = CreateFileA(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        DeleteFileA(name);
        return kNoFile;
    }
    tempPath = name;
    return FromHandle(handle);
}

bool WriteBytes(FileHandle file, const char* bytes, unsigned count) {
    if (file == kNoFile)
        return false;
    while (count > 0) {
        DWORD put = 0;
        if (!WriteFile(AsHandle(file), bytes, count, &put, nullptr) || put == 0)
            return false;
        bytes += put;
        count -= put;
    }
    return true;
}

bool CloseFile(FileHandle file) {
    if (file == kNoFile)
        return false;
    const bool flushed = FlushFileBuffers(AsHandle(file)) != 0;
    const bool closed = CloseHandle(AsHandle(file)) != 0;
    return flushed && closed;
}

void CloseWithoutStoring(FileHandle file) {
    if (file != kNoFile)
        CloseHandle(AsHandle(file));
}

bool ReplaceFileWith(const char* sourcePath, const char* targetPath) {
    // An AutoRun.INF is often hidden; the replacement keeps that look.
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD old = GetFileAttributesA(targetPath);
    if (old != INVALID_FILE_ATTRIBUTES && (old & kept) != 0)
        SetFileAttributesA(sourcePath, old & kept);
    if (MoveFileExA(sourcePath, targetPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return false;
    if (old == INVALID_FILE_ATTRIBUTES)
        return MoveFileA(sourcePath, targetPath) != 0;
    return ReplaceByMovingAside(sourcePath, targetPath, old);
}

bool RemoveFile(const char* path) {
    return DeleteFileA(path) != 0;
}

bool LoadText(ModuleInstance module, unsigned id, char* buffer, unsigned capacity) {
    HINSTANCE instance =
        module != nullptr ? static_cast<HINSTANCE>(module) : GetModuleHandleA(nullptr);
    return LoadStringA(instance, id, buffer, static_cast<int>(capacity)) > 0;
}

} // namespace ini_platform
