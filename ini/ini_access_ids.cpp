// The string-id forms: each loads its names from the module's string table and does what
// the name form does. An id that the table lacks names nothing, so it can neither be found
// nor create a section or key.
#include "ini_file.h"

namespace {

class LoadedName {
public:
    LoadedName(ini_platform::ModuleInstance module, unsigned id)
        : found_(ini_platform::LoadText(module, id, text_, sizeof text_)) {
        if (!found_)
            text_[0] = '\0';
    }
    LoadedName(const LoadedName&) = delete;
    LoadedName& operator=(const LoadedName&) = delete;

    bool Found() const { return found_; }
    const char* Text() const { return text_; }

private:
    // A name has at most 511 characters.
    char text_[512];
    bool found_;
};

} // namespace

const char* INIFile::GetString(unsigned sectionId, unsigned keyId, const char* defaultValue) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (!sectionName.Found() || !key.Found())
        return defaultValue;
    return GetString(sectionName.Text(), key.Text(), defaultValue);
}

bool INIFile::HasHiddenCharacters(unsigned sectionId, unsigned keyId) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    return sectionName.Found() && key.Found() &&
           HasHiddenCharacters(sectionName.Text(), key.Text());
}

void INIFile::SetString(unsigned sectionId, unsigned keyId, const char* value) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (sectionName.Found() && key.Found())
        SetString(sectionName.Text(), key.Text(), value);
}

void INIFile::AddString(unsigned sectionId, unsigned keyId, const char* value) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (sectionName.Found() && key.Found())
        AddString(sectionName.Text(), key.Text(), value);
}

float INIFile::GetFloat(unsigned sectionId, unsigned keyId, float defaultValue) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (!sectionName.Found() || !key.Found())
        return defaultValue;
    return GetFloat(sectionName.Text(), key.Text(), defaultValue);
}

void INIFile::SetFloat(unsigned sectionId, unsigned keyId, float value) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (sectionName.Found() && key.Found())
        SetFloat(sectionName.Text(), key.Text(), value);
}

void INIFile::AddFloat(unsigned sectionId, unsigned keyId, float value) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (sectionName.Found() && key.Found())
        AddFloat(sectionName.Text(), key.Text(), value);
}

void INIFile::RemoveEntry(unsigned sectionId, unsigned keyId) {
    const LoadedName sectionName(module_, sectionId);
    const LoadedName key(module_, keyId);
    if (sectionName.Found() && key.Found())
        RemoveEntry(sectionName.Text(), key.Text());
}

int INIFile::EntryCount(unsigned sectionId) {
    const LoadedName sectionName(module_, sectionId);
    return sectionName.Found() ? EntryCount(sectionName.Text()) : 0;
}

const char* INIFile::GetKey(unsigned sectionId, unsigned index) {
    const LoadedName sectionName(module_, sectionId);
    return sectionName.Found() ? GetKey(sectionName.Text(), index) : "";
}

int INIFile::TextCount(unsigned sectionId) {
    const LoadedName sectionName(module_, sectionId);
    return sectionName.Found() ? TextCount(sectionName.Text()) : 0;
}

const char* INIFile::GetText(unsigned sectionId, unsigned index) {
    const LoadedName sectionName(module_, sectionId);
    return sectionName.Found() ? GetText(sectionName.Text(), index) : "";
}

void INIFile::AddText(unsigned sectionId, const char* text, unsigned position) {
    const LoadedName sectionName(module_, sectionId);
    if (sectionName.Found())
        AddText(sectionName.Text(), text, position);
}

void INIFile::RemoveText(unsigned sectionId, unsigned index) {
    const LoadedName sectionName(module_, sectionId);
    if (sectionName.Found())
        RemoveText(sectionName.Text(), index);
}

void INIFile::RemoveText(unsigned sectionId, const char* text) {
    const LoadedName sectionName(module_, sectionId);
    if (sectionName.Found())
        RemoveText(sectionName.Text(), text);
}

void INIFile::RemoveSection(unsigned sectionId) {
    const LoadedName sectionName(module_, sectionId);
    if (sectionName.Found())
        RemoveSection(sectionName.Text());
}
