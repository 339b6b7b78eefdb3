#include "windows_names.h"

namespace iso_image {

namespace {

// The upper case of the letters Windows' case table maps in the alphabets a CD's names are
// likely to use: Latin, Greek and Cyrillic.
char16_t Upper(char16_t unit) {
    if ((unit >= u'a' && unit <= u'z') || (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) ||
        (unit >= 0x3B1 && unit <= 0x3CB && unit != 0x3C2) || (unit >= 0x430 && unit <= 0x44F))
        return static_cast<char16_t>(unit - 0x20);
    if (unit == 0xFF)
        return 0x178;
    if (unit == 0x3C2)
        return 0x3A3;
    if (unit >= 0x450 && unit <= 0x45F)
        return static_cast<char16_t>(unit - 0x50);
    // Latin Extended-A pairs each capital with the small letter after it.
    const bool evenCapital =
        (unit >= 0x100 && unit <= 0x137 && unit != 0x131) || (unit >= 0x14A && unit <= 0x177);
    const bool oddCapital = (unit >= 0x139 && unit <= 0x148) || (unit >= 0x179 && unit <= 0x17E);
    if ((evenCapital && unit % 2 == 1) || (oddCapital && unit % 2 == 0))
        return static_cast<char16_t>(unit - 1);
    return unit;
}

bool IsAsciiDigit(char16_t unit) {
    return unit >= u'1' && unit <= u'9';
}

} // namespace

bool IsDeviceName(const std::u16string& name) {
    std::u16string stem = SameNameKey(name.substr(0, name.find(u'.')));
    if (stem == u"CON" || stem == u"PRN" || stem == u"AUX" || stem == u"NUL")
        return true;
    return stem.size() == 4 &&
           (stem.compare(0, 3, u"COM") == 0 || stem.compare(0, 3, u"LPT") == 0) &&
           IsAsciiDigit(stem[3]);
}

std::u16string SameNameKey(const std::u16string& name) {
    std::size_t length = name.size();
    while (length > 0 && (name[length - 1] == u'.' || name[length - 1] == u' '))
        --length;
    std::u16string key(name, 0, length);
    for (char16_t& unit : key)
        unit = Upper(unit);
    return key;
}

} // namespace iso_image
