#include "iso_records.h"

#include <algorithm>
#include <cstring>

namespace iso_image {

namespace {

void PutLittle16(unsigned char* at, std::uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}
void PutBig16(unsigned char* at, std::uint16_t value) {
    at[0] = static_cast<unsigned char>(value >> 8);
    at[1] = static_cast<unsigned char>(value);
}
void PutLittle32(unsigned char* at, std::uint32_t value) {
    for (int index = 0; index < 4; ++index)
        at[index] = static_cast<unsigned char>(value >> (8 * index));
}
void PutBig32(unsigned char* at, std::uint32_t value) {
    for (int index = 0; index < 4; ++index)
        at[index] = static_cast<unsigned char>(value >> (8 * (3 - index)));
}
void PutBoth16(unsigned char* at, std::uint16_t value) {
    PutLittle16(at, value);
    PutBig16(at + 2, value);
}
void PutBoth32(unsigned char* at, std::uint32_t value) {
    PutLittle32(at, value);
    PutBig32(at + 4, value);
}

// A field of a-characters or d-characters: the text, then spaces.
void PutPadded(unsigned char* at, std::size_t size, const std::string& text) {
    std::memset(at, ' ', size);
    std::memcpy(at, text.data(), std::min(size, text.size()));
}

// A field of UCS-2 big-endian: the text, then UCS-2 spaces; an odd last byte stays zero.
void PutPaddedUcs2(unsigned char* at, std::size_t size, const std::string& text) {
    std::memset(at, 0, size);
    for (std::size_t index = 0; index + 1 < size; index += 2)
        at[index + 1] = ' ';
    std::memcpy(at, text.data(), std::min(size & ~std::size_t{1}, text.size()));
}

// The 17-byte date of a volume descriptor: digits of the time in UTC, offset zero.
void PutLongDate(unsigned char* at, std::int64_t seconds) {
    const CivilTime time = CivilWithin(seconds, 1, 9999);
    // Written digit by digit: a formatting function would bring printf into the editor.
    const struct {
        int value;
        int width;
    } fields[] = {{time.year, 4},   {time.month, 2},  {time.day, 2}, {time.hour, 2},
                  {time.minute, 2}, {time.second, 2}, {0, 2}};
    unsigned char* digit = at;
    for (const auto& field : fields) {
        int value = field.value;
        for (int place = field.width - 1; place >= 0; --place) {
            digit[place] = static_cast<unsigned char>('0' + value % 10);
            value /= 10;
        }
        digit += field.width;
    }
    at[16] = 0;
}

void PutUnsetLongDate(unsigned char* at) {
    std::memset(at, '0', 16);
    at[16] = 0;
}

// The 7-byte date of a directory record; it holds the years 1900 to 2155.
void PutShortDate(unsigned char* at, std::int64_t seconds) {
    const CivilTime time = CivilWithin(seconds, 1900, 2155);
    at[0] = static_cast<unsigned char>(time.year - 1900);
    at[1] = static_cast<unsigned char>(time.month);
    at[2] = static_cast<unsigned char>(time.day);
    at[3] = static_cast<unsigned char>(time.hour);
    at[4] = static_cast<unsigned char>(time.minute);
    at[5] = static_cast<unsigned char>(time.second);
    at[6] = 0;
}

} // namespace

CivilTime CivilOf(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Days to a date in the proleptic Gregorian calendar (H. Hinnant's civil_from_days).
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const auto clampInt = [](std::int64_t value) {
        return static_cast<int>(value < -100000 ? -100000 : value > 100000 ? 100000 : value);
    };
    return CivilTime{clampInt(year),
                     static_cast<int>(month),
                     static_cast<int>(day),
                     static_cast<int>(rest / 3600),
                     static_cast<int>(rest / 60 % 60),
                     static_cast<int>(rest % 60)};
}

CivilTime CivilWithin(std::int64_t seconds, int firstYear, int lastYear) {
    const CivilTime time = CivilOf(seconds);
    if (time.year < firstYear)
        return CivilTime{firstYear, 1, 1, 0, 0, 0};
    if (time.year > lastYear)
        return CivilTime{lastYear, 12, 31, 23, 59, 59};
    return time;
}

std::uint32_t RecordLength(std::size_t identifierLength) {
    const std::uint32_t length = 33 + static_cast<std::uint32_t>(identifierLength);
    return length + (length % 2);
}

void PutRecord(unsigned char* at, const DirectoryRecord& record) {
    const std::uint32_t length = RecordLength(record.identifier.size());
    std::memset(at, 0, length);
    at[0] = static_cast<unsigned char>(length);
    PutBoth32(at + 2, record.extent);
    PutBoth32(at + 10, record.size);
    PutShortDate(at + 18, record.time);
    at[25] =
        static_cast<unsigned char>((record.directory ? 0x02 : 0) | (record.moreExtents ? 0x80 : 0));
    PutBoth16(at + 28, 1);
    at[32] = static_cast<unsigned char>(record.identifier.size());
    std::memcpy(at + 33, record.identifier.data(), record.identifier.size());
}

std::uint32_t PathTableRecordLength(std::size_t identifierLength) {
    const std::uint32_t length = 8 + static_cast<std::uint32_t>(identifierLength);
    return length + (length % 2);
}

void PutPathTableRecord(unsigned char* at, const std::string& identifier, std::uint32_t extent,
                        std::uint16_t parent, bool bigEndian) {
    at[0] = static_cast<unsigned char>(identifier.size());
    at[1] = 0;
    if (bigEndian) {
        PutBig32(at + 2, extent);
        PutBig16(at + 6, parent);
    } else {
        PutLittle32(at + 2, extent);
        PutLittle16(at + 6, parent);
    }
    std::memcpy(at + 8, identifier.data(), identifier.size());
}

void PutVolumeDescriptor(unsigned char* sector, const VolumeDescriptor& descriptor) {
    const auto text = [&](std::size_t offset, std::size_t size, const std::string& value) {
        if (descriptor.joliet)
            PutPaddedUcs2(sector + offset, size, value);
        else
            PutPadded(sector + offset, size, value);
    };
    sector[0] = descriptor.joliet ? 2 : 1;
    std::memcpy(sector + 1, "CD001", 5);
    sector[6] = 1;
    text(8, 32, std::string());
    text(40, 32, descriptor.volumeName);
    PutBoth32(sector + 80, descriptor.totalSectors);
    // UCS-2 level 3 even for names with pairs of surrogates: Joliet knows only the three UCS-2
    // sequences, and Windows, which reads the units as UTF-16, takes a volume with any other
    // (UTF-16's "%/L") for no Joliet volume at all and shows the 8.3 names.
    if (descriptor.joliet)
        std::memcpy(sector + 88, "%/E", 3);
    PutBoth16(sector + 120, 1);
    PutBoth16(sector + 124, 1);
    PutBoth16(sector + 128, 2048);
    PutBoth32(sector + 132, descriptor.pathTableSize);
    PutLittle32(sector + 140, descriptor.pathTableL);
    PutBig32(sector + 148, descriptor.pathTableM);
    PutRecord(sector + 156, descriptor.root);
    text(190, 128, std::string());
    text(318, 128, std::string());
    text(446, 128, std::string());
    text(574, 128, std::string());
    text(702, 37, std::string());
    text(739, 37, std::string());
    text(776, 37, std::string());
    PutLongDate(sector + 813, descriptor.time);
    PutLongDate(sector + 830, descriptor.time);
    PutUnsetLongDate(sector + 847);
    PutUnsetLongDate(sector + 864);
    sector[881] = 1;
}

void PutTerminator(unsigned char* sector) {
    sector[0] = 255;
    std::memcpy(sector + 1, "CD001", 5);
    sector[6] = 1;
}

} // namespace iso_image
