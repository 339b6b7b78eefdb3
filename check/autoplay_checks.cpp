// The keys AutoPlay reads (Windows XP on): values no Windows documents, and a text for
// AutoPlay's dialog taken from a file that is not on the CD.
#include "inf_checks.h"

#include "autoplay_values.h"
#include "inf_names.h"

#include <string>

namespace cd_check {

namespace {

void CheckContent(const InfView& inf, Findings& findings) {
    const section* content = inf.Find(inf_names::kContent);
    if (content == nullptr)
        return;
    for (const char* name : inf_names::kContentKeys) {
        const entry* key = inf.Find(*content, name);
        const std::string_view value = inf.ValueOf(*content, name);
        if (key != nullptr &&
            autoplay_values::ReadContentChoice(value) == autoplay_values::ContentChoice::kUnknown)
            Report(findings, FindingKind::kContentValueUnknown, *content, *key, value);
    }
}

// A file named through an environment variable is one of the system's, not the CD's.
void CheckActionFile(const CdTree& tree, const section& part, const entry& key,
                     std::string_view value, Findings& findings) {
    const std::string_view file = autoplay_values::ReadActionText(value).file;
    if (file.empty() || file.front() == '%')
        return;
    if (ResolveFile(tree, file, false).status != FileReference::Status::kOnCd)
        Report(findings, FindingKind::kActionFileMissing, part, key, file);
}

} // namespace

void CheckAutoPlayKeys(const InfView& inf, const CdTree& tree, Findings& findings) {
    for (const section* part : AutoRunSections(inf)) {
        const entry* useAutoPlay = inf.Find(*part, inf_names::kUseAutoPlay);
        const std::string_view useValue = inf.ValueOf(*part, inf_names::kUseAutoPlay);
        if (useAutoPlay != nullptr && !autoplay_values::IsDocumentedUseAutoPlay(useValue))
            Report(findings, FindingKind::kUseAutoPlayValue, *part, *useAutoPlay, useValue);
        if (const entry* action = inf.Find(*part, inf_names::kAction))
            CheckActionFile(tree, *part, *action, inf.ValueOf(*part, inf_names::kAction), findings);
    }
    CheckContent(inf, findings);
}

} // namespace cd_check
