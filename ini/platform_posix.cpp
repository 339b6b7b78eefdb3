#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ini_platform {

namespace {

int Descriptor(FileHandle file) {
    return static_cast<int>(file);
}

// A new file gets the permissions a plain create would have given it; a replacement keeps
// those of the file it replaces.
mode_t PermissionsFor(const char* targetPath) {
    struct stat existing;
    if (stat(targetPath, &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileHandle OpenForReading(const char* path, bool& missing) {
    int fd;
    do {
        fd = open(path, O_RDONLY);
    } while (fd < 0 && errno == EINTR);
    missing = fd < 0 && (errno == ENOENT || errno == ENOTDIR);
    return fd < 0 ? kNoFile : fd;
}

long ReadBytes(FileHandle file, char* buffer, unsigned capacity) {
    if (file == kNoFile)
        return -1;
    ssize_t got;
    do {
        got = read(Descriptor(file), buffer, capacity);
    } while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
}

FileHandle CreateBeside(const char* targetPath, std::string& tempPath) {
    std::string pattern = std::string(targetPath) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return kNoFile;
    tempPath = name.data();
    if (fchmod(fd, PermissionsFor(targetPath)) != 0) {
        close(fd);
        unlink(tempPath.c_str());
        return kNoFile;
    }
    return fd;
}

bool WriteBytes(FileHandle file, const char* bytes, unsigned count) {
    if (file == kNoFile)
        return false;
    while (count > 0) {
        const ssize_t put = write(Descriptor(file), bytes, count);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        bytes += put;
        count -= static_cast<unsigned>(put);
    }
    return true;
}

bool CloseFile(FileHandle file) {
    if (file == kNoFile)
        return false;
    // The data must be on the medium before the old file is given up for it.
    const bool synced = fsync(Descriptor(file)) == 0;
    const bool closed = close(Descriptor(file)) == 0;
    return synced && closed;
}

void CloseWithoutStoring(FileHandle file) {
    if (file != kNoFile)
        close(Descriptor(file));
}

bool ReplaceFileWith(const char* sourcePath, const char* targetPath) {
    return std::rename(sourcePath, targetPath) == 0;
}

bool RemoveFile(const char* path) {
    return unlink(path) == 0;
}

bool LoadText(ModuleInstance, unsigned id, char* buffer, unsigned capacity) {
    const char* text = ini_program::Text(id);
    if (text == nullptr || capacity == 0)
        return false;
    std::size_t length = std::strlen(text);
    if (length > capacity - 1)
        length = capacity - 1;
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return true;
}

} // namespace ini_platform
