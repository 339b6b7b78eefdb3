#include "udf_records.h"

#include "iso_records.h"

#include <algorithm>
#include <cstring>

namespace iso_image {
namespace udf {

namespace {

// The revision this writer follows, as UDF's suffixes hold it.
constexpr std::uint16_t kRevision = 0x0102;

// CRC-ITU-T: polynomial 0x1021, starting at zero, as ECMA-167 computes a descriptor's.
std::uint16_t Crc(const unsigned char* bytes, std::size_t size) {
    std::uint16_t crc = 0;
    for (std::size_t index = 0; index < size; ++index) {
        crc = static_cast<std::uint16_t>(crc ^ (bytes[index] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}

} // namespace

void Put16(unsigned char* at, std::uint16_t value) {
    at[0] = static_cast<unsigned char>(value);
    at[1] = static_cast<unsigned char>(value >> 8);
}

void Put32(unsigned char* at, std::uint32_t value) {
    for (int index = 0; index < 4; ++index)
        at[index] = static_cast<unsigned char>(value >> (8 * index));
}

void Put64(unsigned char* at, std::uint64_t value) {
    Put32(at, static_cast<std::uint32_t>(value));
    Put32(at + 4, static_cast<std::uint32_t>(value >> 32));
}

void PutTag(unsigned char* at, TagId id, std::uint32_t location, std::size_t crcLength) {
    Put16(at, id);
    // The version of the descriptors of NSR02.
    Put16(at + 2, 2);
    at[5] = 0;
    Put16(at + 6, 1);
    Put16(at + 8, Crc(at + 16, crcLength));
    Put16(at + 10, static_cast<std::uint16_t>(crcLength));
    Put32(at + 12, location);
    unsigned sum = 0;
    for (int index = 0; index < 16; ++index)
        sum += index == 4 ? 0 : at[index];
    at[4] = static_cast<unsigned char>(sum);
}

std::string CompressedUnicode(const std::u16string& text) {
    bool narrow = true;
    for (const char16_t unit : text)
        narrow = narrow && unit <= 0xFF;
    std::string bytes(1, static_cast<char>(narrow ? 8 : 16));
    for (const char16_t unit : text) {
        if (!narrow)
            bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

void PutDString(unsigned char* at, std::size_t size, const std::u16string& text) {
    std::memset(at, 0, size);
    if (text.empty())
        return;
    std::u16string cut = text;
    while (CompressedUnicode(cut).size() > size - 1) {
        cut.pop_back();
        if (!cut.empty() && cut.back() >= 0xD800 && cut.back() <= 0xDBFF)
            cut.pop_back();
    }
    const std::string bytes = CompressedUnicode(cut);
    std::memcpy(at, bytes.data(), bytes.size());
    at[size - 1] = static_cast<unsigned char>(bytes.size());
}

void PutCharSpec(unsigned char* at) {
    at[0] = 0;
    std::memcpy(at + 1, "OSTA Compressed Unicode", 23);
}

void PutTimestamp(unsigned char* at, std::int64_t seconds) {
    const CivilTime time = CivilWithin(seconds, 1, 9999);
    // Local time (type 1) with the offset zero: UTC.
    Put16(at, 0x1000);
    Put16(at + 2, static_cast<std::uint16_t>(time.year));
    at[4] = static_cast<unsigned char>(time.month);
    at[5] = static_cast<unsigned char>(time.day);
    at[6] = static_cast<unsigned char>(time.hour);
    at[7] = static_cast<unsigned char>(time.minute);
    at[8] = static_cast<unsigned char>(time.second);
    at[9] = at[10] = at[11] = 0;
}

void PutRegId(unsigned char* at, const char* identifier, const std::string& suffix) {
    std::memset(at, 0, 32);
    std::memcpy(at + 1, identifier, std::min<std::size_t>(std::strlen(identifier), 23));
    std::memcpy(at + 24, suffix.data(), std::min<std::size_t>(suffix.size(), 8));
}

std::string DomainSuffix() {
    // The revision, then the domain's flags: none.
    return std::string{static_cast<char>(kRevision & 0xFF), static_cast<char>(kRevision >> 8),
                       '\0'};
}

std::string UdfSuffix() {
    return std::string{static_cast<char>(kRevision & 0xFF), static_cast<char>(kRevision >> 8)};
}

void PutImplementation(unsigned char* at) {
    PutRegId(at, "*quillot-image", std::string());
}

} // namespace udf
} // namespace iso_image
