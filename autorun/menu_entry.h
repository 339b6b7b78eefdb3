// One entry of the CD's context menu in the Explorer: its verb name (the part of the key
// between "Shell\" and the next backslash), the command line it runs and its menu text, and
// the keys of [AutoRun] it was read from.
#pragma once

#include <string>
#include <utility>

namespace autorun {

class MenuEntry {
public:
    MenuEntry(std::string verbName, std::string commandLine, std::string text)
        : name(std::move(verbName)), command(std::move(commandLine)), menuText(std::move(text)) {}

    std::string name;
    std::string command;
    std::string menuText;
    // The keys of the menu text and the command in the letter case the file writes them in,
    // which Windows does not mind and the file's owner may; empty for an entry that was not
    // read from the file under its name, whose keys take the spelling of the file's entries.
    std::string menuKey;
    std::string commandKey;
};

// Entries are ordered by their names' bytes: capitals before small letters, digits before
// both ("2nd" before "Abc", "Zeta" before "alpha").
inline bool operator<(const MenuEntry& a, const MenuEntry& b) {
    return a.name < b.name;
}
inline bool operator==(const MenuEntry& a, const MenuEntry& b) {
    return a.name == b.name;
}

} // namespace autorun
