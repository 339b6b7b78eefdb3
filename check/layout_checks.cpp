// What lies in the INF alone, without looking at the CD.
#include "inf_checks.h"

#include "inf_names.h"

#include <string>

namespace cd_check {

namespace {

// Windows shows the label of a drive in at most this many characters.
constexpr std::size_t kMaxLabelLength = 32;

bool IsPlatformSection(std::string_view name) {
    const std::string_view base = inf_names::AutoRun();
    return name.size() > base.size() + 1 && SameName(name.substr(0, base.size()), base) &&
           name[base.size()] == inf_names::kPlatformSeparator;
}

void CheckTwice(const InfView& inf, Findings& findings) {
    const std::vector<const section*>& sections = inf.SectionsInFileOrder();
    for (std::size_t index = 0; index < sections.size(); ++index) {
        const section& part = *sections[index];
        if (inf.Find(part) != &part)
            findings.push_back({FindingKind::kSectionTwice, part, "", part.line, ""});
        const std::vector<const entry*> entries = InfView::EntriesInFileOrder(part);
        for (const entry* item : entries)
            if (InfView::Find(part, *item) != item)
                findings.push_back({FindingKind::kKeyTwice, part, *item, item->line, ""});
    }
}

void CheckPlatformSections(const InfView& inf, const std::vector<const section*>& autoRuns,
                           Findings& findings) {
    const section* base = inf.Find(inf_names::AutoRun());
    if (base == nullptr)
        return;
    for (const section* platform : autoRuns) {
        if (platform == base)
            continue;
        for (const entry* item : InfView::EntriesInFileOrder(*base))
            if (InfView::Find(*base, *item) == item && InfView::Find(*platform, *item) == nullptr)
                findings.push_back(
                    {FindingKind::kPlatformKeyMissing, *platform, *item, platform->line, ""});
    }
}

} // namespace

std::vector<const section*> AutoRunSections(const InfView& inf) {
    std::vector<const section*> found;
    for (const section* part : inf.SectionsInFileOrder())
        if ((SameName(*part, inf_names::AutoRun()) || IsPlatformSection(*part)) &&
            inf.Find(*part) == part)
            found.push_back(part);
    return found;
}

void CheckLayout(const InfView& inf, Findings& findings) {
    if (inf.Find(inf_names::AutoRun()) == nullptr)
        findings.push_back({FindingKind::kAutoRunMissing, inf_names::AutoRun(), "", 0, ""});
    CheckTwice(inf, findings);
    const std::vector<const section*> autoRuns = AutoRunSections(inf);
    CheckPlatformSections(inf, autoRuns, findings);
    for (const section* part : autoRuns) {
        const entry* label = InfView::Find(*part, inf_names::kLabel);
        const std::string_view text = InfView::ValueOf(*part, inf_names::kLabel);
        // Characters that code page 1252 lacks stand as one "?" each: the length holds.
        if (label != nullptr && text.size() > kMaxLabelLength)
            findings.push_back(
                {FindingKind::kLabelTooLong, *part, *label, label->line, std::string(text)});
    }
}

} // namespace cd_check
