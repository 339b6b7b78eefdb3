// The AutoRun sections of an INF as the platforms Windows reads them for: [AutoRun] and the
// processor sections that stand in for it, the ones a user may add, and a new one made as a
// copy of another, since a Windows that finds its processor's section reads nothing else.
#pragma once

#include "inf_view.h"
#include "ini_file.h"

#include <string>
#include <vector>

namespace autorun {

// Every AutoRun section Windows reads, once, as the file spells it, in the order of the file.
std::vector<std::string> AutoRunSectionsOf(const InfView& view);

// Of [AutoRun], [AutoRun.x86] and [AutoRun.Amd64], those the file lacks: the sections for which
// Windows documents a reader today. Others are kept, never added.
std::vector<std::string> SectionsToAdd(const InfView& view);

// Makes the section added hold every key Windows reads in the section from, with its value, in
// the order of the file.
void AddSectionAsCopy(INIFile& document, const std::string& from, const std::string& added);

} // namespace autorun
