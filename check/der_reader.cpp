#include "der_reader.h"

namespace cd_check {

bool ReadDerContent(std::string_view& rest, std::uint8_t tag, std::string_view& content) {
    // Tags above 30 take more bytes; nothing on the way to a signature's digest has one.
    if (rest.size() < 2 || static_cast<std::uint8_t>(rest[0]) != tag || (tag & 0x1F) == 0x1F)
        return false;
    const auto first = static_cast<std::uint8_t>(rest[1]);
    std::size_t header = 2;
    std::size_t length = first;
    if (first & 0x80) {
        // 0x80 alone is BER's indefinite length, which DER forbids; four bytes of length
        // already exceed any signature.
        const std::size_t lengthBytes = first & 0x7F;
        if (lengthBytes == 0 || lengthBytes > 4 || rest.size() < 2 + lengthBytes)
            return false;
        length = 0;
        for (std::size_t i = 0; i < lengthBytes; ++i)
            length = length << 8 | static_cast<std::uint8_t>(rest[2 + i]);
        header += lengthBytes;
    }
    if (length > rest.size() - header)
        return false;
    content = rest.substr(header, length);
    rest.remove_prefix(header + length);
    return true;
}

} // namespace cd_check
