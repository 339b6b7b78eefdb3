// Sizes of the path buffers shared by the editor's path and file services and their callers.
#pragma once

#include <cstddef>

namespace filehelp {

// A path buffer of the editor: 259 characters and the terminator. Every path handed out fits
// one, so callers may copy a result into theirs without checking its length.
constexpr std::size_t kPathBufferSize = 260;
constexpr std::size_t kMaxPathLength = kPathBufferSize - 1;

// How much of a path the splitter looks at, after its leading blanks.
constexpr std::size_t kMaxConsideredPathLength = 260;

// Longest directory, name or extension kept by the splitter, and the drive ("C:").
constexpr std::size_t kMaxPartLength = 255;
constexpr std::size_t kMaxDriveLength = 2;

} // namespace filehelp
