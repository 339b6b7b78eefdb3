#include "autoplay_settings.h"

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
    // Setting the value a key holds changes nothing: the line stays as the file wrote it.
    for (const KeyOfSettings& item : kSectionKeys)
        document.SetString(sectionName.c_str(), item.key, (edited.*item.value).c_str());
    if (edited.content == read.content)
        return;
    for (std::size_t index = 0; index < edited.content.size(); ++index)
        document.SetString(inf_names::kContent, inf_names::kContentKeys[index],
                           edited.content[index].c_str());
    const section* content = document.FindSection(inf_names::kContent);
    if (content == nullptr || !content->textLines.IsEmpty())
        return;
    for (unsigned index = 0; index < content->entries.GetItemsInContainer(); ++index)
        if (!content->entries[index].value.empty())
            return;
    document.RemoveSection(inf_names::kContent);
}

} // namespace autorun
