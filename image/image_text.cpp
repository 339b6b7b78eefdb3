#include "image_text.h"

#include "cp1252.h"
#include "utf8_units.h"

namespace image_text {

namespace {

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
    return utf8_units::Decoded(bytes.data(), bytes.size());
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
