#include "profile_view.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace {

// Far more than the largest INF of the corpus; a list that fills it would be cut off.
constexpr DWORD kListCapacity = 1 << 16;
// The reader hands back the default for a key whose line has no "=".
const char kNoValue[] = "\x01no value\x01";

std::string Upper(std::string text) {
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// The reader's lists are texts one after the other, each ended by a NUL, the last by two.
std::vector<std::string> SplitList(const std::vector<char>& buffer, DWORD length) {
    if (length + 2 >= kListCapacity)
        throw std::runtime_error("profile list longer than the buffer");
    std::vector<std::string> items;
    for (DWORD start = 0; start < length;) {
        std::string item(&buffer[start]);
        start += static_cast<DWORD>(item.size()) + 1;
        items.push_back(std::move(item));
    }
    return items;
}

std::optional<std::string> ValueOf(const std::string& path, const std::string& section,
                                   const std::string& key) {
    std::vector<char> buffer(kListCapacity);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kNoValue,
                                                  buffer.data(), kListCapacity, path.c_str());
    if (length + 1 >= kListCapacity)
        throw std::runtime_error("profile value longer than the buffer");
    const std::string value(buffer.data(), length);
    if (value == kNoValue)
        return std::nullopt;
    return value;
}

} // namespace

bool SameProfileName(const std::string& left, const std::string& right) {
    return Upper(left) == Upper(right);
}

const ProfileEntry* ProfileSection::Find(const std::string& key) const {
    const auto found = std::find_if(entries.begin(), entries.end(), [&key](const ProfileEntry& e) {
        return SameProfileName(e.key, key);
    });
    return found == entries.end() ? nullptr : &*found;
}

const ProfileSection* Profile::Find(const std::string& name) const {
    const auto found =
        std::find_if(sections.begin(), sections.end(),
                     [&name](const ProfileSection& s) { return SameProfileName(s.name, name); });
    return found == sections.end() ? nullptr : &*found;
}

bool Profile::Remove(const std::string& sectionName, const std::string& key) {
    for (ProfileSection& held : sections) {
        if (!SameProfileName(held.name, sectionName))
            continue;
        const auto found =
            std::find_if(held.entries.begin(), held.entries.end(),
                         [&key](const ProfileEntry& e) { return SameProfileName(e.key, key); });
        if (found == held.entries.end())
            return false;
        held.entries.erase(found);
        return true;
    }
    return false;
}

int Profile::KeyCount() const {
    int count = 0;
    for (const ProfileSection& held : sections)
        count += static_cast<int>(held.entries.size());
    return count;
}

Profile ReadProfile(const std::string& absolutePath) {
    const char* path = absolutePath.c_str();
    std::vector<char> buffer(kListCapacity);
    Profile profile;
    const DWORD namesLength = GetPrivateProfileSectionNamesA(buffer.data(), kListCapacity, path);
    for (const std::string& name : SplitList(buffer, namesLength)) {
        if (profile.Find(name) != nullptr)
            continue;
        ProfileSection held{name, {}};
        const DWORD keysLength =
            GetPrivateProfileStringA(name.c_str(), nullptr, "", buffer.data(), kListCapacity, path);
        for (const std::string& key : SplitList(buffer, keysLength)) {
            if (held.Find(key) == nullptr)
                held.entries.push_back({key, ValueOf(absolutePath, name, key)});
        }
        profile.sections.push_back(std::move(held));
    }
    return profile;
}
