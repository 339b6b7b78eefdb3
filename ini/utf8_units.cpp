#include "utf8_units.h"

#include "cp1252.h"

namespace utf8_units {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character of the well-formed sequence at bytes[at], and its length; 0 when there is none.
std::size_t SequenceAt(const unsigned char* bytes, std::size_t length, std::size_t at,
                       char32_t& character) {
    const unsigned char lead = bytes[at];
    std::size_t size = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        size = 2;
        character = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        size = 3;
        character = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        size = 4;
        character = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + size > length)
        return 0;
    for (std::size_t index = 1; index < size; ++index) {
        if (!IsContinuation(bytes[at + index]))
            return 0;
        character = (character << 6) | (bytes[at + index] & 0x3F);
    }
    const bool surrogate = character >= 0xD800 && character <= 0xDFFF;
    if (character < minimum || character > 0x10FFFF || surrogate)
        return 0;
    return size;
}

} // namespace

std::u16string Decoded(const char* text, std::size_t length) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    std::u16string units;
    units.reserve(length);
    for (std::size_t at = 0; at < length;) {
        if (bytes[at] < 0x80) {
            units += static_cast<char16_t>(bytes[at++]);
            continue;
        }
        char32_t character = 0;
        const std::size_t size = SequenceAt(bytes, length, at, character);
        if (size == 0) {
            units += cp1252::WideOf(bytes[at++]);
            continue;
        }
        at += size;
        if (character < 0x10000) {
            units += static_cast<char16_t>(character);
        } else {
            character -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (character >> 10));
            units += static_cast<char16_t>(0xDC00 + (character & 0x3FF));
        }
    }
    return units;
}

} // namespace utf8_units
