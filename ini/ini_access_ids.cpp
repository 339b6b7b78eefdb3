// The string-id forms: each loads its names from the module's string table and does what
// the name form does. An id that the table lacks names nothing, so it can neither be found
// nor create a section or key.
#include "ini_file.h"

#include <array>
#include <initializer_list>

namespace {

// The names of Count ids: a section's, and a key's where one is needed.
template <std::size_t Count> class LoadedNames {
public:
    LoadedNames(ini_platform::ModuleInstance module, std::initializer_list<unsigned> ids) {
        std::size_t i = 0;
        for (unsigned id : ids) {
            found_ = ini_platform::LoadText(module, id, texts_[i].data(), kCapacity) && found_;
            ++i;
        }
    }
    LoadedNames(const LoadedNames&) = delete;
    LoadedNames& operator=(const LoadedNames&) = delete;

    // Whether the table has every one of the names.
    explicit operator bool() const { return found_; }
    const char* operator[](std::size_t index) const { return texts_[index].data(); }

private:
    // A name has at most 511 characters.
    static constexpr unsigned kCapacity = 512;
    std::array<std::array<char, kCapacity>, Count> texts_{};
    bool found_ = true;
};

using SectionName = LoadedNames<1>;
using SectionAndKey = LoadedNames<2>;

} // namespace

const char* INIFile::GetString(unsigned sectionId, unsigned keyId, const char* defaultValue) {
    const SectionAndKey names(module_, {sectionId, keyId});
    return !names ? defaultValue : GetString(names[0], names[1], defaultValue);
}

bool INIFile::HasHiddenCharacters(unsigned sectionId, unsigned keyId) {
    const SectionAndKey names(module_, {sectionId, keyId});
    return names && HasHiddenCharacters(names[0], names[1]);
}

void INIFile::SetString(unsigned sectionId, unsigned keyId, const char* value) {
    const SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        SetString(names[0], names[1], value);
}

void INIFile::AddString(unsigned sectionId, unsigned keyId, const char* value) {
    const SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        AddString(names[0], names[1], value);
}

float INIFile::GetFloat(unsigned sectionId, unsigned keyId, float defaultValue) {
    const SectionAndKey names(module_, {sectionId, keyId});
    return !names ? defaultValue : GetFloat(names[0], names[1], defaultValue);
}

void INIFile::SetFloat(unsigned sectionId, unsigned keyId, float value) {
    const SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        SetFloat(names[0], names[1], value);
}

void INIFile::AddFloat(unsigned sectionId, unsigned keyId, float value) {
    const SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        AddFloat(names[0], names[1], value);
}

void INIFile::RemoveEntry(unsigned sectionId, unsigned keyId) {
    const SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        RemoveEntry(names[0], names[1]);
}

int INIFile::EntryCount(unsigned sectionId) {
    const SectionName names(module_, {sectionId});
    return names ? EntryCount(names[0]) : 0;
}

const char* INIFile::GetKey(unsigned sectionId, unsigned index) {
    const SectionName names(module_, {sectionId});
    return names ? GetKey(names[0], index) : "";
}

int INIFile::TextCount(unsigned sectionId) {
    const SectionName names(module_, {sectionId});
    return names ? TextCount(names[0]) : 0;
}

const char* INIFile::GetText(unsigned sectionId, unsigned index) {
    const SectionName names(module_, {sectionId});
    return names ? GetText(names[0], index) : "";
}

void INIFile::AddText(unsigned sectionId, const char* text, unsigned position) {
    const SectionName names(module_, {sectionId});
    if (names)
        AddText(names[0], text, position);
}

void INIFile::RemoveText(unsigned sectionId, unsigned index) {
    const SectionName names(module_, {sectionId});
    if (names)
        RemoveText(names[0], index);
}

void INIFile::RemoveText(unsigned sectionId, const char* text) {
    const SectionName names(module_, {sectionId});
    if (names)
        RemoveText(names[0], text);
}

void INIFile::RemoveSection(unsigned sectionId) {
    const SectionName names(module_, {sectionId});
    if (names)
        RemoveSection(names[0]);
}
