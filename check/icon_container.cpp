#include "icon_container.h"

#include "pe_icon_groups.h"

namespace cd_check {

namespace {

constexpr std::uint16_t kIconType = 1;
constexpr std::uint64_t kIconDirectorySize = 6;
constexpr std::uint64_t kIconEntrySize = 16;

// The header of an icon file and every image it lists must lie inside the file; the shell
// draws nothing from a file whose images are cut off.
bool IsIconFile(ByteSource& bytes) {
    const auto reserved = bytes.U16(0);
    const auto type = bytes.U16(2);
    const auto count = bytes.U16(4);
    if (!reserved || !type || !count || *reserved != 0 || *type != kIconType || *count == 0)
        return false;
    for (std::uint64_t index = 0; index < *count; ++index) {
        const std::uint64_t entry = kIconDirectorySize + index * kIconEntrySize;
        const auto size = bytes.U32(entry + 8);
        const auto offset = bytes.U32(entry + 12);
        if (!size || !offset || *size == 0 ||
            std::uint64_t{*offset} + std::uint64_t{*size} > bytes.Size())
            return false;
    }
    return true;
}

} // namespace

IconContainer ReadIconContainer(ByteSource& bytes) {
    IconContainer container;
    const auto magic = bytes.U16(0);
    if (!magic)
        return container;
    if (*magic == 0 && IsIconFile(bytes)) {
        container.kind = IconContainer::Kind::kIconFile;
        // However many sizes it holds, an icon file is one icon to the shell.
        container.count = 1;
    } else if (*magic == 0x4D42) { // "BM"
        container.kind = IconContainer::Kind::kBitmap;
    } else if (*magic == 0x5A4D) { // "MZ"
        const ProgramIcons program = ReadProgramIcons(bytes);
        if (program.kind == ProgramIcons::Kind::kSixteenBit) {
            container.kind = IconContainer::Kind::kOldProgram;
        } else if (program.kind == ProgramIcons::Kind::kPortable && program.groupCount > 0) {
            container.kind = IconContainer::Kind::kProgram;
            container.count = program.groupCount;
            container.groupIds = program.groupIds;
        }
    }
    return container;
}

IconLookup FindIcon(const IconContainer& container, int number) {
    switch (container.kind) {
    case IconContainer::Kind::kNone:
        return IconLookup::kNoIcons;
    case IconContainer::Kind::kOldProgram:
        return IconLookup::kNotChecked;
    case IconContainer::Kind::kBitmap:
        return IconLookup::kFound;
    case IconContainer::Kind::kIconFile:
    case IconContainer::Kind::kProgram:
        break;
    }
    // -1 asks the extractor for the number of icons, not for an icon.
    if (number == -1)
        return IconLookup::kNumberMissing;
    if (number >= 0)
        return static_cast<std::uint32_t>(number) < container.count ? IconLookup::kFound
                                                                    : IconLookup::kNumberMissing;
    // An icon file has no resource ids: the extractor gives its one icon for any of them.
    if (container.kind == IconContainer::Kind::kIconFile)
        return IconLookup::kFound;
    const std::uint64_t id = static_cast<std::uint64_t>(-static_cast<std::int64_t>(number));
    for (const std::uint32_t groupId : container.groupIds)
        if (groupId == id)
            return IconLookup::kFound;
    return IconLookup::kNumberMissing;
}

} // namespace cd_check
