#include "cp1252.h"

namespace cp1252 {

namespace {

// 0x80 to 0x9F; the undefined bytes map to themselves.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The highest code unit in the table: the trade mark sign.
constexpr char16_t kLastWide = 0x2122;

} // namespace

char16_t WideOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

bool NarrowOf(char16_t unit, char& byte) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        byte = static_cast<char>(unit);
        return true;
    }
    // Most characters lie beyond the last one the code page holds.
    if (unit > kLastWide)
        return false;
    for (unsigned index = 0; index < 32; ++index) {
        if (kHighControls[index] == unit) {
            byte = static_cast<char>(0x80 + index);
            return true;
        }
    }
    return false;
}

std::string Narrowed(const std::u16string& units) {
    std::string bytes(units.size(), '?');
    for (std::size_t index = 0; index < units.size(); ++index)
        NarrowOf(units[index], bytes[index]);
    return bytes;
}

bool IsLossless(const std::u16string& units) {
    char ignored = 0;
    for (char16_t unit : units)
        if (!NarrowOf(unit, ignored))
            return false;
    return true;
}

std::u16string Widened(const std::string& bytes) {
    std::u16string units(bytes.size(), u'\0');
    for (std::size_t index = 0; index < bytes.size(); ++index)
        units[index] = WideOf(static_cast<unsigned char>(bytes[index]));
    return units;
}

} // namespace cp1252
