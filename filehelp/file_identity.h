// The identity of a file as the file system reports it (volume and file index), so that two
// names can be checked for leading to one file.
#pragma once

#include <windows.h>

class FileIdentity {
public:
    // The file of that name, if it exists.
    explicit FileIdentity(const char* path);

    // False for a name that does not exist and for devices without a file index.
    bool Known() const { return known_; }
    // False when either identity is unknown.
    bool SameAs(const FileIdentity& other) const;

private:
    BY_HANDLE_FILE_INFORMATION info_ = {};
    bool known_ = false;
};
