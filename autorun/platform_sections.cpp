#include "platform_sections.h"

#include "autorun_inf.h"
#include "inf_names.h"

namespace autorun {

std::vector<std::string> AutoRunSectionsOf(const InfView& view) {
    std::vector<std::string> names;
    for (const section* part : view.SectionsInFileOrder())
        if (view.Find(*part) == part && IsAutoRunSection(*part))
            names.push_back(*part);
    return names;
}

std::vector<std::string> SectionsToAdd(const InfView& view) {
    std::vector<std::string> names;
    for (const char* processor : {"", inf_names::kX86, inf_names::kAmd64}) {
        std::string name = inf_names::AutoRun();
        if (*processor != '\0') {
            name += inf_names::kPlatformSeparator;
            name += processor;
        }
        if (view.Find(name) == nullptr)
            names.push_back(std::move(name));
    }
    return names;
}

void AddSectionAsCopy(INIFile& document, const std::string& from, const std::string& added) {
    // Keys and values are taken first: a new section moves the document's elements.
    std::vector<std::string> keysAndValues;
    {
        const InfView view(document, false);
        const section* part = view.Find(from);
        if (part == nullptr)
            return;
        for (const entry* item : view.EntriesInFileOrder(*part)) {
            if (view.Find(*part, *item) != item)
                continue;
            keysAndValues.push_back(*item);
            keysAndValues.push_back(item->value);
        }
    }
    for (std::size_t index = 0; index + 1 < keysAndValues.size(); index += 2)
        document.AddString(added.c_str(), keysAndValues[index].c_str(),
                           keysAndValues[index + 1].c_str());
}

} // namespace autorun
