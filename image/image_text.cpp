#include "image_text.h"

#include "cp1252.h"

namespace image_text {

namespace {

// The length of the UTF-8 character at at and its code point; 0 when the bytes there are no
// well-formed character (overlong forms and surrogates included).
std::size_t DecodeUtf8(std::string_view bytes, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t index) { return static_cast<unsigned char>(bytes[index]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, point = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, point = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, point = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (std::size_t index = 1; index < length; ++index) {
        if ((byte(at + index) & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (byte(at + index) & 0x3Fu);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(std::string& out, char32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

} // namespace

std::u16string UnitsOfBytes(std::string_view bytes) {
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

std::string Utf8OfUnits(std::u16string_view units) {
    std::string out;
    for (std::size_t at = 0; at < units.size(); ++at) {
        char32_t point = units[at];
        if (point >= 0xD800 && point <= 0xDBFF && at + 1 < units.size() &&
            units[at + 1] >= 0xDC00 && units[at + 1] <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (units[at + 1] - 0xDC00);
            ++at;
        } else if (point >= 0xD800 && point <= 0xDFFF) {
            point = 0xFFFD;
        }
        AppendUtf8(out, point);
    }
    return out;
}

std::string Utf8OfCodePage(std::string_view bytes) {
    std::u16string units;
    for (const char byte : bytes)
        units += cp1252::WideOf(static_cast<unsigned char>(byte));
    return Utf8OfUnits(units);
}

} // namespace image_text
