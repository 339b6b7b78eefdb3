#include "same_file.h"

#include "file_identity.h"

#include "path_identity.h"
#include "path_limits.h"

#include <windows.h>

#include <string>

namespace {

// The full path of path, or path itself when the system cannot make one that fits a buffer.
std::string FullPath(const char* path) {
    char full[filehelp::kPathBufferSize];
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? std::string(path) : std::string(full, length);
}

} // namespace

bool IsSameFile(const char* source, const char* target) {
    if (filehelp::NameSameFile(FullPath(source), FullPath(target)))
        return true;
    return FileIdentity(source).SameAs(FileIdentity(target));
}
