// The names on the CD: 8.3 names of d-characters for the primary tree, the real names for the
// Joliet tree, and the volume's name in both.
#pragma once

#include "refusals.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace iso_image {

// Joliet holds a name of at most 64 UTF-16 units (128 bytes); a character beyond the BMP is
// written as its pair of surrogates and takes two.
constexpr std::size_t kMaxJolietUnits = 64;

struct ShortName {
    // Upper-case letters, digits and "_": at most 8 and 3 of them; a directory has no extension.
    std::string base;
    std::string extension;

    // As the primary directory record holds it: "NAME.EXT;1", "NAME.;1", a directory "NAME".
    std::string Identifier(bool directory) const;
};

struct NameRequest {
    std::u16string name;
    bool directory = false;
};

// The 8.3 names of one directory's entries, in the order of the requests. A name that is
// already a valid 8.3 name keeps it; the others are cut to 8.3, and where that name is taken
// its base ends in "_1", "_2", ... (d-characters only: "~" is none) in the order of the real
// names, so that the same directory always gets the same names.
std::vector<ShortName> AssignShortNames(const std::vector<NameRequest>& requests);

// Why Joliet, or Windows reading it, cannot hold the name, if it cannot.
std::optional<RefusalKind> JolietNameProblem(const std::u16string& name);

// The volume's name in the primary descriptor: upper-case d-characters, at most 32.
std::string PrimaryVolumeName(const std::u16string& label);

// The volume's name in the Joliet descriptor: at most 16 units, no pair of surrogates split.
std::u16string JolietVolumeName(const std::u16string& label);

} // namespace iso_image
