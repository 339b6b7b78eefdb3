// Numbers as values, in the name and the id forms: written in the general notation with up
// to 25 significant digits (fixed where it fits, no trailing zeros), read back as atof reads
// them.
#include "ini_file.h"
#include "loaded_names.h"

#include <cstdio>
#include <cstdlib>

namespace {

class FloatText {
public:
    explicit FloatText(float value) {
        std::snprintf(text_, sizeof text_, "%.25g", static_cast<double>(value));
    }
    const char* Text() const { return text_; }

private:
    // Room for 25 digits, sign, point and an exponent.
    char text_[40];
};

} // namespace

float INIFile::GetFloat(const char* sectionName, const char* key, float defaultValue) {
    const FloatText fallback(defaultValue);
    return static_cast<float>(std::atof(GetString(sectionName, key, fallback.Text())));
}

void INIFile::SetFloat(const char* sectionName, const char* key, float value) {
    SetString(sectionName, key, FloatText(value).Text());
}

void INIFile::AddFloat(const char* sectionName, const char* key, float value) {
    AddString(sectionName, key, FloatText(value).Text());
}

float INIFile::GetFloat(unsigned sectionId, unsigned keyId, float defaultValue) {
    const ini_names::SectionAndKey names(module_, {sectionId, keyId});
    return !names ? defaultValue : GetFloat(names[0], names[1], defaultValue);
}

void INIFile::SetFloat(unsigned sectionId, unsigned keyId, float value) {
    const ini_names::SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        SetFloat(names[0], names[1], value);
}

void INIFile::AddFloat(unsigned sectionId, unsigned keyId, float value) {
    const ini_names::SectionAndKey names(module_, {sectionId, keyId});
    if (names)
        AddFloat(names[0], names[1], value);
}
