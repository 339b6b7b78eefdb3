// The string-id forms: each loads its names from the module's string table and does what
// the name form does. An id that the table lacks names nothing, so it can neither be found
// nor create a section or key. The number forms live with their name forms
// (ini_access_float.cpp): a program that reads no numbers links no number formatting.
#include "ini_file.h"
#include "loaded_names.h"

using ini_names::SectionAndKey;
using ini_names::SectionName;

const char* INIFile::GetString(unsigned sectionId, unsigned keyId, const char* defaultValue) {
    const SectionAndKey names(module_, {sectionId, keyId});
    return !names ? defaultValue : GetString(names[0], names[1], defaultValue);
}

bool INIFile::HasHiddenCharacters(unsigned sectionId, unsigned keyId) {
    return HiddenValue(sectionId, keyId) != nullptr;
}

const std::u16string* INIFile::HiddenValue(unsigned sectionId, unsigned keyId) {
    const SectionAndKey names(module_, {sectionId, keyId});
    return names ? HiddenValue(names[0], names[1]) : nullptr;
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
