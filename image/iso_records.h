// The byte layouts of ISO 9660 (ECMA-119) that the image is made of: directory records, path
// table records, volume descriptors and their dates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace iso_image {

struct DirectoryRecord {
    // Bytes as written: d-characters, UCS-2 big-endian, or 0x00 / 0x01 for "." and "..".
    std::string identifier;
    std::uint32_t extent = 0;
    std::uint32_t size = 0;
    std::int64_t time = 0;
    bool directory = false;
    // Not the last record of a file recorded in several.
    bool moreExtents = false;
};

std::uint32_t RecordLength(std::size_t identifierLength);
void PutRecord(unsigned char* at, const DirectoryRecord& record);

std::uint32_t PathTableRecordLength(std::size_t identifierLength);
void PutPathTableRecord(unsigned char* at, const std::string& identifier, std::uint32_t extent,
                        std::uint16_t parent, bool bigEndian);

struct VolumeDescriptor {
    // The supplementary descriptor of Joliet (UCS-2 level 3) instead of the primary one.
    bool joliet = false;
    // d-characters, or UCS-2 big-endian for Joliet; at most 32 bytes.
    std::string volumeName;
    std::uint32_t totalSectors = 0;
    std::uint32_t pathTableSize = 0;
    std::uint32_t pathTableL = 0;
    std::uint32_t pathTableM = 0;
    DirectoryRecord root;
    std::int64_t time = 0;
};

void PutVolumeDescriptor(unsigned char* sector, const VolumeDescriptor& descriptor);
void PutTerminator(unsigned char* sector);

struct CivilTime {
    int year, month, day, hour, minute, second;
};

// UTC of seconds since 1970.
CivilTime CivilOf(std::int64_t seconds);

// The same, held to the first and last second of the years a date field can hold.
CivilTime CivilWithin(std::int64_t seconds, int firstYear, int lastYear);

} // namespace iso_image
