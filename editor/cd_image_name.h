// The file name the editor proposes for the CD's image, and where: portable, so that the native
// build tests it.
#pragma once

#include <string>
#include <string_view>

namespace cd_image {

// Where the image goes: the directory that holds the CD directory, and the CD directory's own
// name (code page 1252 paths, "\" between names, a trailing "\" or not). Both empty for a
// drive's root, which has no directory above it.
struct RootPlace {
    std::string parent;
    std::string name;
};
RootPlace PlaceOf(std::string_view root);

// "<name>.iso" for the CD's name (label), else the CD directory's name, else "CD": characters
// a file name cannot hold become "_", blanks and dots at its ends go, and it is cut to the 64
// characters a Joliet name has.
std::string ProposedFileName(std::string_view label, std::string_view directoryName);

} // namespace cd_image
