// One entry of the CD's context menu in the Explorer: its verb name (the part of the key
// between "Shell\" and the next backslash), the command line it runs and its menu text.
#pragma once

#include <string>
#include <utility>

class ShellData {
public:
    ShellData(std::string verbName, std::string commandLine, std::string text)
        : name(std::move(verbName)), command(std::move(commandLine)), menuText(std::move(text)) {}

    std::string name;
    std::string command;
    std::string menuText;
};

// Entries are ordered by their names' bytes: capitals before small letters, digits before
// both ("2nd" before "Abc", "Zeta" before "alpha").
inline bool operator<(const ShellData& a, const ShellData& b) {
    return a.name < b.name;
}
inline bool operator==(const ShellData& a, const ShellData& b) {
    return a.name == b.name;
}
