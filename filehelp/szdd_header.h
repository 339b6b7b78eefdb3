// The header of a file compressed by the classic compress tool (the format the LZ expansion
// library reads): the magic "SZDD" 0x88 0xF0 0x27 0x33, the method, the last character of the
// name, and the size the file has when expanded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace filehelp {

// Everything in front of the data.
constexpr std::size_t kSzddHeaderSize = 14;

// The expanded size that the first bytes of a file announce, or nothing when they do not start
// with the magic. A file that starts with it but is cut before the size announces 0.
inline std::optional<std::uint32_t> SzddExpandedSize(const unsigned char* bytes,
                                                     std::size_t count) {
    constexpr unsigned char kMagic[] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    if (count < sizeof kMagic)
        return std::nullopt;
    for (std::size_t i = 0; i < sizeof kMagic; ++i) {
        if (bytes[i] != kMagic[i])
            return std::nullopt;
    }
    if (count < kSzddHeaderSize)
        return 0;
    return static_cast<std::uint32_t>(bytes[10]) | static_cast<std::uint32_t>(bytes[11]) << 8 |
           static_cast<std::uint32_t>(bytes[12]) << 16 |
           static_cast<std::uint32_t>(bytes[13]) << 24;
}

} // namespace filehelp
