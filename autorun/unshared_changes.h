// Changes to one AutoRun section that a Windows reading another section would miss: the NT
// family's shell reads the section of its processor ([AutoRun.Amd64]) instead of [AutoRun]
// when the file has one, so a key changed in the one and held alike by the other changes only
// what some Windows see.
#pragma once

#include "ini_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace autorun {

struct UnsharedChange {
    // The other section, as the file spells its name.
    std::string section;
    // The keys changed in the edited section that it held with the same value, as the edited
    // section spells them.
    std::vector<std::string> keys;
};

// The other AutoRun sections (the edited one's [AutoRun] or processor sections) that held a key
// the user changed from before to after with the value it had before; a key only one of them
// held is no shared key, nor is one the user changed in the other section too. One item per such
// section, in the order of the file.
std::vector<UnsharedChange> ChangesOtherSectionsMiss(const INIFile& before, const INIFile& after,
                                                     std::string_view editedSection);

// Writes each listed key of the edited section as after holds it (or its absence) into the
// listed sections of after.
void CarryChanges(INIFile& after, std::string_view editedSection,
                  const std::vector<UnsharedChange>& changes);

} // namespace autorun
