// The CD directory as the image will hold it: every file and directory with its real name,
// size and time, in the order of their names, and what the image could not hold.
#pragma once

#include "image_platform.h"
#include "refusals.h"

#include <cstdint>
#include <string>
#include <vector>

namespace iso_image {

struct SourceNode {
    std::u16string name;
    image_platform::NativeString path;
    bool directory = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0;
    // Directories only; in the order of the names as Windows compares them (see SameNameKey),
    // then of their UTF-16 units.
    std::vector<SourceNode> children;
};

struct SourceTree {
    SourceNode root;
    Refusals refusals;
    // Links that lead out of the tree: left out, as a copy of the tree alone would leave them.
    std::vector<std::u16string> skippedLinks;
    // Set when a directory could not be read; the tree is then incomplete.
    bool unreadable = false;
    image_platform::NativeString unreadablePath;
    // The newest modification time of the files below the root; the root's own when there is
    // none. Directories' times change when a file is made and removed again: they do not count.
    std::int64_t newest = 0;
};

// ISO 9660 allows eight levels of directories, the root being the first.
constexpr unsigned kMaxLevels = 8;
// A path in either tree holds at most 255 bytes.
constexpr std::size_t kMaxPathBytes = 255;
// A path table record names its parent by a 16-bit number.
constexpr std::size_t kMaxDirectories = 65535;
// A directory record holds a file's size in 32 bits; a larger file takes several records, which
// Windows 95 cannot read.
constexpr std::uint64_t kMaxFileSize = 0xFFFFFFFFull;

// Reads the tree below root (which must be a directory) and collects the refusals. The image
// written to target is no part of it, nor the partial files written on the way
// ("target.part", "target.part1", ...): an image written inside the tree never holds the last.
// A file larger than largestFile is refused.
SourceTree ReadSourceTree(const image_platform::NativeString& root,
                          const image_platform::NativeString& target = {},
                          std::uint64_t largestFile = kMaxFileSize);

} // namespace iso_image
