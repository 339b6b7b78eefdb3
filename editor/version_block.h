// The program's version as its version resource states it: the four numbers of the file
// version in the resource's fixed part, read from the resource's bytes. Portable: the bytes
// are the same on every system.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace version_block {

struct FileVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned patch = 0;
    unsigned build = 0;
};

// The file version of a version resource (a VS_VERSIONINFO block), or nothing when the bytes
// are not such a block or lack its fixed part.
std::optional<FileVersion> FileVersionOf(const unsigned char* block, std::size_t size);

// "1.2.3.4", as Windows' file properties show it.
std::string FormatVersion(const FileVersion& version);

} // namespace version_block
