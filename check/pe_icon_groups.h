// The icon groups of a program or library, read from its resource directory: the same
// numbers Windows' icon extractor counts, without loading the file.
#pragma once

#include "byte_source.h"

#include <cstdint>
#include <vector>

namespace cd_check {

struct ProgramIcons {
    enum class Kind { kNotAProgram, kSixteenBit, kPortable };
    Kind kind = Kind::kNotAProgram;
    // Named groups count first, then those with numeric ids, as the directory lists them.
    std::uint32_t groupCount = 0;
    std::vector<std::uint32_t> groupIds;
};

// bytes begin with "MZ". A file whose headers or directory are cut off or point outside it
// counts as no program.
ProgramIcons ReadProgramIcons(ByteSource& bytes);

} // namespace cd_check
