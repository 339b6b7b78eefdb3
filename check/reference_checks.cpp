// The files the INF names, and the icon numbers in them.
#include "inf_checks.h"

#include "icon_container.h"
#include "icon_value.h"
#include "inf_names.h"

#include <string>

namespace cd_check {

namespace {

void CheckIcon(const CdTree& tree, const section& part, const entry& key, Findings& findings) {
    const icon_value::IconReference icon = icon_value::SplitIconValue(key.value);
    const FileReference reference = CheckFile(tree, icon.file, false, part, key, findings);
    if (reference.status != FileReference::Status::kOnCd)
        return;
    ByteSource bytes(tree.Files().Open(reference.file));
    switch (FindIcon(ReadIconContainer(bytes), icon.number)) {
    case IconLookup::kFound:
        break;
    case IconLookup::kNumberMissing:
        Report(findings, FindingKind::kIconNumberMissing, part, key,
               icon_value::JoinIconValue(icon.file, icon.number));
        break;
    case IconLookup::kNoIcons:
        Report(findings, FindingKind::kNoIconsInFile, part, key, icon.file);
        break;
    case IconLookup::kNotChecked:
        Report(findings, FindingKind::kIconsNotChecked, part, key, icon.file);
        break;
    }
}

bool IsStarter(const FileReference& reference) {
    return reference.relative.find('\\') == std::string::npos &&
           SameFileName(reference.relative, inf_names::StarterFile());
}

// Checks Open; true when it names the starter.
bool CheckOpen(const CdTree& tree, const section& part, const entry& key, Findings& findings) {
    const std::string program = CommandProgram(tree, key);
    if (program.empty())
        return false;
    const FileReference reference = ResolveFile(tree, program, true);
    if (!IsStarter(reference)) {
        CheckFile(tree, program, true, part, key, findings);
        return false;
    }
    if (reference.status != FileReference::Status::kOnCd)
        Report(findings, FindingKind::kStarterMissing, part, key, program);
    CheckSignature(tree, reference, part, key, program, findings);
    return true;
}

// The starter runs Exec; it has nothing to run without it, whether Open names the starter or
// its section merely stands in the INF.
void CheckStarter(const InfView& inf, const CdTree& tree, bool named, Findings& findings) {
    const section* starter = inf.Find(inf_names::Orbilan());
    if (!named && starter == nullptr)
        return;
    const entry* exec = starter != nullptr ? inf.Find(*starter, inf_names::Exec()) : nullptr;
    if (exec != nullptr && QuotesBreakCommandLine(*exec))
        return;
    const std::string program = exec != nullptr ? CommandProgram(tree, *exec) : "";
    if (program.empty()) {
        // Where Exec belongs: its own line, or the section's, or nowhere when Open alone
        // names the starter.
        const unsigned line = exec != nullptr ? exec->line : starter != nullptr ? starter->line : 0;
        findings.push_back({FindingKind::kStarterWithoutExec,
                            starter != nullptr ? std::string(*starter) : inf_names::Orbilan(),
                            inf_names::Exec(), line, ""});
        return;
    }
    CheckFile(tree, program, true, *starter, *exec, findings);
}

} // namespace

void Report(Findings& findings, FindingKind kind, const section& part, const entry& key,
            std::string_view detail) {
    findings.push_back({kind, part, key, key.line, std::string(detail)});
}

std::string CommandProgram(const CdTree& tree, const entry& key) {
    // The quote trap is reported on its own; the name left behind it is no file's name.
    if (QuotesBreakCommandLine(key))
        return std::string();
    return ProgramOf(tree, key.value);
}

FileReference CheckFile(const CdTree& tree, std::string_view text, bool isProgram,
                        const section& part, const entry& key, Findings& findings) {
    if (text.empty())
        return FileReference();
    FileReference reference = ResolveFile(tree, text, isProgram);
    if (reference.status == FileReference::Status::kMissing)
        Report(findings, FindingKind::kFileMissing, part, key, std::string(text));
    else if (reference.status == FileReference::Status::kOutside)
        Report(findings, FindingKind::kFileOutsideRoot, part, key, std::string(text));
    if (isProgram)
        CheckSignature(tree, reference, part, key, text, findings);
    return reference;
}

void CheckReferences(const InfView& inf, const CdTree& tree, Findings& findings) {
    bool starterNamed = false;
    for (const section* part : AutoRunSections(inf)) {
        if (const entry* open = inf.Find(*part, inf_names::Open()))
            starterNamed = CheckOpen(tree, *part, *open, findings) || starterNamed;
        if (const entry* shellExecute = inf.Find(*part, inf_names::kShellExecute)) {
            const std::string file = CommandProgram(tree, *shellExecute);
            const FileReference reference =
                CheckFile(tree, file, false, *part, *shellExecute, findings);
            if (NamesProgram(reference.relative))
                CheckSignature(tree, reference, *part, *shellExecute, file, findings);
        }
        if (const entry* icon = inf.Find(*part, inf_names::Icon()))
            CheckIcon(tree, *part, *icon, findings);
    }
    CheckStarter(inf, tree, starterNamed, findings);
}

} // namespace cd_check
