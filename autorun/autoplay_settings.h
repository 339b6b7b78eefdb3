// What AutoPlay reads of an AutoRun section and of [Content], as the editor shows and changes
// it: each value as Windows' reader hands it out, and written back only where it changed, so
// that what the user left alone stays as the file wrote it.
#pragma once

#include "inf_view.h"
#include "ini_file.h"

#include <array>
#include <string>
#include <string_view>

namespace autorun {

struct AutoPlaySettings {
    std::string action;
    std::string shellExecute;
    std::string useAutoPlay;
    // MusicFiles, PictureFiles, VideoFiles, in that order.
    std::array<std::string, 3> content;
    // The entry a double-click starts (shell=); empty for the AutoPlay program.
    std::string defaultVerb;
};

// sectionName: [AutoRun] or a processor section that stands in for it.
AutoPlaySettings ReadAutoPlaySettings(const InfView& view, std::string_view sectionName);

// Sets each key to its edited value, which changes only the keys whose value differs; an empty
// value takes the key out, and a [Content] the user emptied goes with it.
void WriteAutoPlaySettings(INIFile& document, const std::string& sectionName,
                           const AutoPlaySettings& read, const AutoPlaySettings& edited);

// An entry of the context menu renamed to newName, or deleted (newName empty): the double-click
// that started it goes on starting it under its new name, or starts the AutoPlay program again
// rather than naming an entry that is no longer there.
void FollowRenamedEntry(INIFile& document, const char* sectionName, std::string_view oldName,
                        const std::string& newName);

} // namespace autorun
