// Which icons a file offers the shell, read from the file's own bytes as the shell's icon
// extractor reads them: an icon file holds one icon, a program or library its icon groups
// (resource type RT_GROUP_ICON). A number from 0 counts the groups in the order of the
// resource directory; a negative number other than -1 names the group whose resource id is
// its absolute value, and in an icon file, which has no ids, its one icon. -1 only asks for
// the number of icons.
#pragma once

#include "byte_source.h"

#include <cstdint>
#include <vector>

namespace cd_check {

struct IconContainer {
    enum class Kind {
        kNone,       // no icons: another kind of file, or one too damaged to read
        kIconFile,   // .ico
        kProgram,    // a 32- or 64-bit program or library (PE)
        kOldProgram, // a 16-bit program or library (NE): not read
        kBitmap,     // shown by Windows as it is; it has no numbered icons
    };
    Kind kind = Kind::kNone;
    // The number of icons, and for a program the numeric ids of its icon groups.
    std::uint32_t count = 0;
    std::vector<std::uint32_t> groupIds;
};

IconContainer ReadIconContainer(ByteSource& bytes);

enum class IconLookup { kFound, kNumberMissing, kNoIcons, kNotChecked };

IconLookup FindIcon(const IconContainer& container, int number);

} // namespace cd_check
