// The entries of the CD's context menu: "Shell\verb" holds the menu text, "Shell\verb\Command"
// the command line, and "Shell" the verb of a double click. Windows reads these keys without
// regard to letter case, so the check does too, unlike the editor's list.
#include "inf_checks.h"

#include "ascii_case.h"
#include "entry_names.h"
#include "file_reference.h"
#include "inf_names.h"
#include "path_identity.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace cd_check {

namespace {

struct Verb {
    std::string name;
    const entry* firstKey = nullptr;
    const entry* command = nullptr;
};

// A verb's name as Windows tells verbs apart: without regard to letter case.
std::string VerbKey(std::string_view name) {
    std::string key;
    key.reserve(name.size());
    for (const char c : name)
        key += filehelp::UpperCaseCp1252(c);
    return key;
}

// The verbs of a section in the order their first keys stand in the file; of two command
// keys of one verb the first counts.
std::vector<Verb> VerbsOf(const InfView& inf, const section& part) {
    const std::string_view prefix = inf_names::ShellPrefix();
    std::vector<Verb> verbs;
    std::unordered_map<std::string, std::size_t> indexOfName;
    for (const entry* item : inf.EntriesInFileOrder(part)) {
        const std::optional<std::string> name =
            entry_names::EntryNameOfKey(*item, prefix, entry_names::PrefixCase::kIgnored);
        if (!name)
            continue;
        const auto known = indexOfName.emplace(VerbKey(*name), verbs.size());
        if (known.second)
            verbs.push_back(Verb{*name, item, nullptr});
        Verb& verb = verbs[known.first->second];
        const std::string_view rest = std::string_view(*item).substr(prefix.size() + name->size());
        if (verb.command == nullptr && ascii_case::Same(rest, inf_names::CommandSuffix()))
            verb.command = item;
    }
    return verbs;
}

} // namespace

void CheckVerbs(const InfView& inf, const CdTree& tree, Findings& findings) {
    for (const section* part : AutoRunSections(inf)) {
        const std::vector<Verb> verbs = VerbsOf(inf, *part);
        for (const Verb& verb : verbs) {
            if (verb.command != nullptr && QuotesBreakCommandLine(*verb.command))
                continue;
            const std::string program =
                verb.command != nullptr ? CommandProgram(tree, *verb.command) : std::string();
            if (program.empty()) {
                findings.push_back({FindingKind::kVerbWithoutCommand, *part, *verb.firstKey,
                                    verb.firstKey->line, verb.name});
                continue;
            }
            CheckFile(tree, program, true, *part, *verb.command, findings);
        }

        const entry* defaultVerb = inf.Find(*part, inf_names::kDefaultVerb);
        const std::string_view name = inf.ValueOf(*part, inf_names::kDefaultVerb);
        if (defaultVerb == nullptr || name.empty())
            continue;
        bool known = false;
        for (const Verb& verb : verbs)
            known = known || SameFileName(verb.name, name);
        if (!known)
            findings.push_back({FindingKind::kDefaultVerbMissing, *part, *defaultVerb,
                                defaultVerb->line, std::string(name)});
    }
}

} // namespace cd_check
