// The documented ways in which saving an AutoRun.INF changes what Windows' profile reader sees
// of it, as tables of rules for CompareProfiles. Each rule says exactly what the saved file
// shows of a key it concerns, so a difference it explains is that change and no other.
#pragma once

#include "profile_comparison.h"

// The INI document's own rules, for every save of a document read from a file.
const RuleBook& DocumentRules();

// The icon file that an end-to-end test puts on the CD.
struct IconOnCd {
    // The path relative to the CD's root, as Windows reads it from the INF.
    std::string file;
};

// The file an "Icon" value names, as the editor reads the value, when it is a plain path
// relative to the CD's root: no drive, no blank (the editor takes what follows a blank for
// arguments), nothing above the root. Nothing for any other value.
std::optional<IconOnCd> IconFileToPlace(const std::string& iconValue);

// The document's rules and the editor's write-back on OK, for an INF saved without an edit on a
// CD that holds nothing else but the icon file, a program with three icons, if there is one.
RuleBook EditorRules(const std::optional<IconOnCd>& icon);
