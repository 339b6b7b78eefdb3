#include "tiny_images.h"

namespace {

void Put16(std::string& bytes, std::size_t at, std::uint32_t value) {
    if (bytes.size() < at + 2)
        bytes.resize(at + 2, '\0');
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

constexpr std::size_t kNewHeader = 0x40;
constexpr std::uint32_t kSectionAddress = 0x1000;
constexpr std::size_t kResourceOffset = 0x200;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

} // namespace

std::string TinyIconFile(int images) {
    std::string bytes;
    Put16(bytes, 0, 0);
    Put16(bytes, 2, 1);
    Put16(bytes, 4, static_cast<std::uint32_t>(images));
    const std::size_t data = 6 + 16 * static_cast<std::size_t>(images);
    for (int index = 0; index < images; ++index) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(index);
        bytes.resize(entry + 16, '\0');
        bytes[entry] = 16;     // width
        bytes[entry + 1] = 16; // height
        Put32(bytes, entry + 8, 8);
        Put32(bytes, entry + 12, static_cast<std::uint32_t>(data + 8 * index));
    }
    bytes.resize(data + 8 * static_cast<std::size_t>(images), '\x7F');
    return bytes;
}

std::string TinyProgram(const TinyProgramGroups& groups, bool wide) {
    std::string bytes(kResourceOffset, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, kNewHeader);
    bytes.replace(kNewHeader, 4, std::string("PE\0\0", 4));
    const std::size_t file = kNewHeader + 4;
    Put16(bytes, file, wide ? 0x8664 : 0x14C);
    Put16(bytes, file + 2, 1); // one section
    const std::uint32_t optionalSize = wide ? 240 : 224;
    Put16(bytes, file + 16, optionalSize);
    const std::size_t optional = file + 20;
    Put16(bytes, optional, wide ? 0x20B : 0x10B);
    const std::size_t directories = optional + (wide ? 112 : 96);
    Put32(bytes, directories - 4, 16);
    Put32(bytes, directories + 2 * 8, kSectionAddress);

    // The resource directory: one type, RT_GROUP_ICON (14), with the groups below it.
    std::string resources;
    Put16(resources, 14, 1);
    Put32(resources, 16, 14);
    Put32(resources, 20, kSubdirectory | 24);
    Put16(resources, 24 + 12, static_cast<std::uint32_t>(groups.named));
    Put16(resources, 24 + 14, static_cast<std::uint32_t>(groups.ids.size()));
    std::size_t entry = 24 + 16;
    for (int index = 0; index < groups.named; ++index, entry += 8) {
        Put32(resources, entry, kSubdirectory); // a name the check does not read
        Put32(resources, entry + 4, kSubdirectory);
    }
    for (const std::uint32_t id : groups.ids) {
        Put32(resources, entry, id);
        Put32(resources, entry + 4, kSubdirectory);
        entry += 8;
    }
    resources.resize(entry, '\0');
    Put32(bytes, directories + 2 * 8 + 4, static_cast<std::uint32_t>(resources.size()));

    const std::size_t sectionHeader = optional + optionalSize;
    bytes.replace(sectionHeader, 5, ".rsrc");
    Put32(bytes, sectionHeader + 8, static_cast<std::uint32_t>(resources.size()));
    Put32(bytes, sectionHeader + 12, kSectionAddress);
    Put32(bytes, sectionHeader + 16, static_cast<std::uint32_t>(resources.size()));
    Put32(bytes, sectionHeader + 20, kResourceOffset);
    return bytes + resources;
}

std::string TinySixteenBitProgram() {
    std::string bytes(kNewHeader + 64, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, kNewHeader);
    bytes[kNewHeader] = 'N';
    bytes[kNewHeader + 1] = 'E';
    return bytes;
}
