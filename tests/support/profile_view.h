// What Windows' own profile reader (GetPrivateProfileString and friends) sees of an INI file:
// the sections it lists, the keys it lists in each, and the value it gives for each key. This
// is the view of every program that reads the INF the Windows way, so a file that looks the
// same through it has kept what its writer meant.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One key as the reader lists it. No value: the line held no "=", and the reader gives the
// caller's default for it.
struct ProfileEntry {
    std::string key;
    std::optional<std::string> value;
};

struct ProfileSection {
    std::string name;
    std::vector<ProfileEntry> entries;

    // The entry whose key is the same name in the reader's sense, or nullptr.
    const ProfileEntry* Find(const std::string& key) const;
};

struct Profile {
    // Each name once: the reader looks a name up in the first section that bears it, so a
    // later section of the same name is out of its sight and out of this view.
    std::vector<ProfileSection> sections;

    const ProfileSection* Find(const std::string& name) const;
    // Removes the key from the section; false if it is not there.
    bool Remove(const std::string& sectionName, const std::string& key);
    int KeyCount() const;
};

// The reader compares names without regard to letter case.
bool SameProfileName(const std::string& left, const std::string& right);

// Reads the file with the profile reader. The path must be absolute: the reader takes a bare
// name to be in the Windows directory.
Profile ReadProfile(const std::string& absolutePath);
