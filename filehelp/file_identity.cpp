#include "file_identity.h"

FileIdentity::FileIdentity(const char* path) {
    const HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    known_ = GetFileInformationByHandle(file, &info_) != FALSE;
    CloseHandle(file);
}

bool FileIdentity::SameAs(const FileIdentity& other) const {
    return known_ && other.known_ &&
           info_.dwVolumeSerialNumber == other.info_.dwVolumeSerialNumber &&
           info_.nFileIndexHigh == other.info_.nFileIndexHigh &&
           info_.nFileIndexLow == other.info_.nFileIndexLow;
}
