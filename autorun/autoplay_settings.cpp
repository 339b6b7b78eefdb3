#include "autoplay_settings.h"

#include "ascii_case.h"
#include "inf_names.h"

namespace autorun {

namespace {

struct KeyOfSettings {
    const char* key;
    std::string AutoPlaySettings::*value;
};

constexpr KeyOfSettings kSectionKeys[] = {
    {inf_names::kAction, &AutoPlaySettings::action},
    {inf_names::kShellExecute, &AutoPlaySettings::shellExecute},
    {inf_names::kUseAutoPlay, &AutoPlaySettings::useAutoPlay},
    {inf_names::kDefaultVerb, &AutoPlaySettings::defaultVerb},
};

std::string ValueIn(const InfView& view, std::string_view sectionName, std::string_view key) {
    const section* part = view.Find(sectionName);
    return part != nullptr ? std::string(view.ValueOf(*part, key)) : std::string();
}

// Only a value the user changed reaches the document, so that a key the file writes empty stays;
// an emptied value takes its key out rather than leaving it empty, which Windows would read.
void SetChanged(INIFile& document, const char* sectionName, const char* key,
                const std::string& read, const std::string& edited) {
    if (edited == read)
        return;
    if (edited.empty())
        document.RemoveEntry(sectionName, key);
    else
        document.SetString(sectionName, key, edited.c_str());
}

} // namespace

AutoPlaySettings ReadAutoPlaySettings(const InfView& view, std::string_view sectionName) {
    AutoPlaySettings settings;
    for (const KeyOfSettings& item : kSectionKeys)
        settings.*item.value = ValueIn(view, sectionName, item.key);
    for (std::size_t index = 0; index < settings.content.size(); ++index)
        settings.content[index] =
            ValueIn(view, inf_names::kContent, inf_names::kContentKeys[index]);
    return settings;
}

void WriteAutoPlaySettings(INIFile& document, const std::string& sectionName,
                           const AutoPlaySettings& read, const AutoPlaySettings& edited) {
    for (const KeyOfSettings& item : kSectionKeys)
        SetChanged(document, sectionName.c_str(), item.key, read.*item.value, edited.*item.value);
    for (std::size_t index = 0; index < edited.content.size(); ++index)
        SetChanged(document, inf_names::kContent, inf_names::kContentKeys[index],
                   read.content[index], edited.content[index]);
}

void FollowRenamedEntry(INIFile& document, const char* sectionName, std::string_view oldName,
                        const std::string& newName) {
    const char* named = document.GetString(sectionName, inf_names::kDefaultVerb, nullptr);
    // Windows finds the entry whatever the letter case of its name.
    if (named != nullptr && ascii_case::Same(named, oldName))
        SetChanged(document, sectionName, inf_names::kDefaultVerb, named, newName);
}

} // namespace autorun
