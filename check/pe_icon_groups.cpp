#include "pe_icon_groups.h"

#include "pe_headers.h"

#include <optional>

namespace cd_check {

namespace {

constexpr std::uint16_t kNeSignature = 0x454E; // "NE"
constexpr std::uint64_t kNewHeaderPointer = 0x3C;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kDirectoryEntrySize = 8;
constexpr std::uint32_t kGroupIconType = 14; // RT_GROUP_ICON
constexpr std::uint32_t kHighBit = 0x80000000u;

// Where the resource directory starts in the file, from the optional header's data directory
// and the section that holds its address.
std::optional<std::uint64_t> ResourceDirectoryOffset(ByteSource& bytes, const PeHeaders& headers) {
    const auto resourceEntry = DataDirectoryEntry(headers, kResourceDirectoryIndex);
    const auto address = resourceEntry ? bytes.U32(*resourceEntry) : std::nullopt;
    if (!address || *address == 0)
        return std::nullopt;

    for (std::uint64_t index = 0; index < headers.sectionCount; ++index) {
        const std::uint64_t header = headers.sections + index * kSectionHeaderSize;
        const auto virtualAddress = bytes.U32(header + 12);
        const auto rawSize = bytes.U32(header + 16);
        const auto rawPointer = bytes.U32(header + 20);
        if (!virtualAddress || !rawSize || !rawPointer)
            return std::nullopt;
        if (*address >= *virtualAddress && *address - *virtualAddress < *rawSize)
            return std::uint64_t{*rawPointer} + (*address - *virtualAddress);
    }
    return std::nullopt;
}

struct DirectoryCounts {
    std::uint16_t named = 0;
    std::uint16_t numbered = 0;
};

// The counts of a resource directory whose entries all lie inside the file.
std::optional<DirectoryCounts> ReadDirectory(ByteSource& bytes, std::uint64_t directory) {
    const auto named = bytes.U16(directory + 12);
    const auto numbered = bytes.U16(directory + 14);
    if (!named || !numbered)
        return std::nullopt;
    const std::uint64_t end = directory + kDirectoryHeaderSize +
                              (std::uint64_t{*named} + *numbered) * kDirectoryEntrySize;
    if (end > bytes.Size())
        return std::nullopt;
    return DirectoryCounts{*named, *numbered};
}

std::uint64_t EntryOffset(std::uint64_t directory, std::uint64_t index) {
    return directory + kDirectoryHeaderSize + index * kDirectoryEntrySize;
}

// The icon groups listed under the type directory of RT_GROUP_ICON; no groups when the file
// has none.
ProgramIcons ReadGroups(ByteSource& bytes, std::uint64_t root) {
    ProgramIcons icons;
    const auto types = ReadDirectory(bytes, root);
    if (!types)
        return icons;
    icons.kind = ProgramIcons::Kind::kPortable;
    for (std::uint64_t index = types->named; index < types->named + types->numbered; ++index) {
        const auto id = bytes.U32(EntryOffset(root, index));
        const auto target = bytes.U32(EntryOffset(root, index) + 4);
        if (!id || !target || *id != kGroupIconType)
            continue;
        if ((*target & kHighBit) == 0)
            break;
        const std::uint64_t groups = root + (*target & ~kHighBit);
        const auto counts = ReadDirectory(bytes, groups);
        if (!counts)
            break;
        icons.groupCount = std::uint32_t{counts->named} + counts->numbered;
        for (std::uint64_t group = counts->named; group < icons.groupCount; ++group)
            if (const auto groupId = bytes.U32(EntryOffset(groups, group)))
                icons.groupIds.push_back(*groupId);
        break;
    }
    return icons;
}

} // namespace

ProgramIcons ReadProgramIcons(ByteSource& bytes) {
    ProgramIcons icons;
    const auto newHeader = bytes.U32(kNewHeaderPointer);
    const auto shortSignature = newHeader ? bytes.U16(*newHeader) : std::nullopt;
    if (shortSignature && *shortSignature == kNeSignature) {
        icons.kind = ProgramIcons::Kind::kSixteenBit;
        return icons;
    }
    // A program without resources has no icons; one whose headers are damaged is no program.
    const auto headers = ReadPeHeaders(bytes);
    const auto root = headers ? ResourceDirectoryOffset(bytes, *headers) : std::nullopt;
    return root ? ReadGroups(bytes, *root) : icons;
}

} // namespace cd_check
