// The headers of a 32- or 64-bit Windows program or library (PE) that the check reads: where
// the optional header lies, its data directories, and its sections.
#pragma once

#include "byte_source.h"

#include <cstdint>
#include <optional>

namespace cd_check {

struct PeHeaders {
    // The file offsets of the optional header and of its first data directory entry.
    std::uint64_t optional = 0;
    std::uint64_t directories = 0;
    std::uint32_t directoryCount = 0;
    // The first section header, behind the optional header (whose size the file header
    // gives: it may exceed the fields).
    std::uint64_t sections = 0;
    std::uint16_t sectionCount = 0;
};

// The headers behind the DOS header's pointer, when "PE\0\0" stands there and the optional
// header is one of PE32 or PE32+.
std::optional<PeHeaders> ReadPeHeaders(ByteSource& bytes);

// The file offset of the data directory entry at index (address and size, 8 bytes); nullopt
// when the optional header has no such entry.
std::optional<std::uint64_t> DataDirectoryEntry(const PeHeaders& headers, std::uint32_t index);

// The file offset of the optional header's CheckSum, the same in PE32 and PE32+.
inline std::uint64_t CheckSumField(const PeHeaders& headers) {
    return headers.optional + 64;
}

} // namespace cd_check
