#include "check_platform.h"

#include "cp1252.h"
#include "utf8_text.h"

#include <cstdio>

namespace check_platform {

namespace {

// The length of the UTF-8 character that starts at text[at] and its code point; 0 when the
// bytes there are no well-formed character.
std::size_t DecodeUtf8(const std::string& text, std::size_t at, char32_t& point) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        point = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        point = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        point = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (next & 0x3Fu);
    }
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    return point < minimum || point > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

std::u16string NameUnits(const std::filesystem::path& name) {
    const std::string& bytes = name.native();
    std::u16string units;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t point = 0;
        const std::size_t length = DecodeUtf8(bytes, at, point);
        if (length == 0) {
            units += cp1252::WideOf(static_cast<unsigned char>(bytes[at]));
            ++at;
            continue;
        }
        if (point >= 0x10000) {
            point -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (point >> 10));
            units += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
        } else {
            units += static_cast<char16_t>(point);
        }
        at += length;
    }
    return units;
}

std::string DocumentPath(const std::filesystem::path& path) {
    return path.native();
}

std::string DisplayPath(const std::filesystem::path& path) {
    // Bytes that are no UTF-8 would make the report's JSON invalid.
    return utf8_text::FromUnits(NameUnits(path));
}

void WriteText(Stream stream, std::string_view utf8) {
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), out);
    std::fflush(out);
}

} // namespace check_platform
