#include "same_file.h"

#include "path_identity.h"
#include "path_limits.h"

#include <windows.h>

namespace {

// The full path of path, or path itself when the system cannot make one that fits a buffer.
std::string FullPath(const char* path) {
    char full[filehelp::kPathBufferSize];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? std::string(path) : std::string(full, length);
}

class FileIdentity {
public:
    explicit FileIdentity(const char* path)
        : handle_(CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {
        known_ = handle_ != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle_, &info_);
    }
    ~FileIdentity() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    FileIdentity(const FileIdentity&) = delete;
    FileIdentity& operator=(const FileIdentity&) = delete;

    bool SameAs(const FileIdentity& other) const {
        return known_ && other.known_ &&
               info_.dwVolumeSerialNumber == other.info_.dwVolumeSerialNumber &&
               info_.nFileIndexHigh == other.info_.nFileIndexHigh &&
               info_.nFileIndexLow == other.info_.nFileIndexLow;
    }

private:
    HANDLE handle_;
    BY_HANDLE_FILE_INFORMATION info_ = {};
    bool known_ = false;
};

} // namespace

bool IsSameFile(const char* source, const char* target) {
    if (filehelp::NameSameFile(FullPath(source), FullPath(target)))
        return true;
    return FileIdentity(source).SameAs(FileIdentity(target));
}
