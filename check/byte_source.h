// Bytes of a file to take apart, read at any offset with every read checked against the
// file's end: a damaged or hostile file can make the reader ask for anything.
#pragma once

#include "cd_files.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace cd_check {

class ByteSource {
public:
    // The bytes of an opened file; an empty source for nullptr, a file that could not be
    // opened.
    explicit ByteSource(std::unique_ptr<CdBytes> file);
    // Bytes in memory, copied.
    explicit ByteSource(std::string bytes);

    // False for a file that could not be opened.
    bool IsOpen() const { return inMemory_ || file_ != nullptr; }
    std::uint64_t Size() const { return size_; }

    // count bytes from offset into out; false when any of them lies beyond the end or cannot
    // be read.
    bool Read(std::uint64_t offset, void* out, std::size_t count);

    // Little-endian numbers at offset.
    std::optional<std::uint16_t> U16(std::uint64_t offset);
    std::optional<std::uint32_t> U32(std::uint64_t offset);

private:
    std::unique_ptr<CdBytes> file_;
    std::string memory_;
    bool inMemory_;
    std::uint64_t size_ = 0;
};

} // namespace cd_check
