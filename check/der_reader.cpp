#include "der_reader.h"

namespace cd_check {

std::optional<DerElement> ReadDerElement(std::string_view& rest) {
    if (rest.size() < 2)
        return std::nullopt;
    const auto tag = static_cast<std::uint8_t>(rest[0]);
    // Tags above 30 take more bytes; nothing a signature's digest needs has one.
    if ((tag & 0x1F) == 0x1F)
        return std::nullopt;
    const auto first = static_cast<std::uint8_t>(rest[1]);
    std::size_t header = 2;
    std::size_t length = first;
    if (first & 0x80) {
        // 0x80 alone is BER's indefinite length, which DER forbids; four bytes of length
        // already exceed any signature.
        const std::size_t lengthBytes = first & 0x7F;
        if (lengthBytes == 0 || lengthBytes > 4 || rest.size() < 2 + lengthBytes)
            return std::nullopt;
        length = 0;
        for (std::size_t i = 0; i < lengthBytes; ++i)
            length = length << 8 | static_cast<std::uint8_t>(rest[2 + i]);
        header += lengthBytes;
    }
    if (length > rest.size() - header)
        return std::nullopt;
    DerElement element{tag, rest.substr(header, length)};
    rest.remove_prefix(header + length);
    return element;
}

std::optional<std::string_view> ReadDerContent(std::string_view& rest, std::uint8_t tag) {
    const std::optional<DerElement> element = ReadDerElement(rest);
    if (!element || element->tag != tag)
        return std::nullopt;
    return element->content;
}

} // namespace cd_check
