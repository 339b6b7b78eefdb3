// What lies in the INF alone, without looking at the CD.
#include "inf_checks.h"

#include "ascii_case.h"
#include "command_program.h"
#include "inf_names.h"
#include "autorun_inf.h"

#include <algorithm>
#include <string>

namespace cd_check {

namespace {

// Windows shows the label of a drive in at most this many characters.
constexpr std::size_t kMaxLabelLength = 32;

bool HasProcessorSection(const std::vector<const section*>& processorSections,
                         std::string_view processor) {
    for (const section* part : processorSections)
        if (ascii_case::Same(autorun::ProcessorOf(*part), processor))
            return true;
    return false;
}

// The Windows that find nothing in a file of processor sections only: those before the NT
// family always, and each of the NT family whose processor has no section of its own.
std::string WindowsReadingNothing(const std::vector<const section*>& processorSections) {
    std::string list = "Windows 95, 98 und Me";
    if (!HasProcessorSection(processorSections, inf_names::kX86))
        list += ", Windows f\374r x86 (32 Bit)";
    if (!HasProcessorSection(processorSections, inf_names::kAmd64))
        list += ", Windows f\374r x64 (64 Bit)";
    return list;
}

void CheckTwice(const InfView& inf, Findings& findings) {
    for (const section* part : inf.SectionsInFileOrder()) {
        if (inf.Find(*part) != part)
            findings.push_back({FindingKind::kSectionTwice, *part, "", part->line, ""});
        for (const entry* item : inf.EntriesInFileOrder(*part))
            if (inf.Find(*part, *item) != item)
                findings.push_back({FindingKind::kKeyTwice, *part, *item, item->line, ""});
    }
}

// The keys Windows reads from a section, each the first of its name, in the order of the file.
std::vector<const entry*> KeysRead(const InfView& inf, const section& part) {
    std::vector<const entry*> keys;
    for (const entry* item : inf.EntriesInFileOrder(part))
        if (inf.Find(part, *item) == item)
            keys.push_back(item);
    return keys;
}

void Append(std::string& list, std::string_view name) {
    if (!list.empty())
        list += ", ";
    list += name;
}

// On its platform Windows reads the platform section instead of [AutoRun]: what differs
// between them works on one kind of machine and not on the other. Named are the keys that
// differ, then those of [AutoRun] that the platform's Windows never sees.
void CheckPlatformSections(const InfView& inf, const std::vector<const section*>& autoRuns,
                           Findings& findings) {
    const section* base = inf.Find(inf_names::AutoRun());
    if (base == nullptr)
        return;
    const std::vector<const entry*> baseKeys = KeysRead(inf, *base);
    for (const section* platform : autoRuns) {
        if (platform == base)
            continue;
        std::string differing;
        std::string unseen;
        for (const entry* item : baseKeys) {
            const entry* own = inf.Find(*platform, *item);
            if (own == nullptr)
                Append(unseen, *item);
            if (own == nullptr || inf.ValueOf(*platform, *item) != inf.ValueOf(*base, *item))
                Append(differing, *item);
        }
        for (const entry* item : KeysRead(inf, *platform))
            if (inf.Find(*base, *item) == nullptr)
                Append(differing, *item);
        if (differing.empty())
            continue;
        findings.push_back({FindingKind::kPlatformSectionDiffers, *platform, "", platform->line,
                            PlatformDetail(differing, unseen)});
    }
}

// The characters Windows shows of a value: a character that code page 1252 lacks stands as
// one "?" in the value, except one beyond UTF-16's first plane, which is two code units and
// so two "?".
std::size_t CharactersOf(const entry& item, std::string_view shown) {
    std::size_t pairs = 0;
    for (const char16_t unit : item.Wide().value)
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            ++pairs;
    return shown.size() - std::min(pairs, shown.size());
}

// Keys whose values are command lines that Windows or the starter runs.
bool IsCommandLine(const section& part, const entry& key) {
    if (ascii_case::Same(part, inf_names::Orbilan()))
        return ascii_case::Same(key, inf_names::Exec());
    const std::string_view prefix = inf_names::ShellPrefix();
    const std::string_view suffix = inf_names::CommandSuffix();
    const std::string_view name = key;
    const bool verbCommand = name.size() > prefix.size() + suffix.size() &&
                             ascii_case::Same(name.substr(0, prefix.size()), prefix) &&
                             ascii_case::Same(name.substr(name.size() - suffix.size()), suffix);
    return verbCommand || ascii_case::Same(name, inf_names::Open()) ||
           ascii_case::Same(name, inf_names::kShellExecute);
}

void CheckQuotes(const InfView& inf, const std::vector<const section*>& sections,
                 Findings& findings) {
    for (const section* part : sections)
        for (const entry* item : KeysRead(inf, *part)) {
            const bool commandLine = IsCommandLine(*part, *item);
            if (commandLine ? QuotesBreakCommandLine(*item) : QuotesChangeValue(*item))
                findings.push_back({commandLine ? FindingKind::kQuotesBreakCommandLine
                                                : FindingKind::kQuotesChangeValue,
                                    *part, *item, item->line, item->value});
        }
}

} // namespace

bool QuotesBreakCommandLine(const entry& key) {
    return command_program::QuotesStrippedByReader(InfView::WrittenValue(key));
}

bool QuotesChangeValue(const entry& key) {
    const std::string_view written = InfView::WrittenValue(key);
    return written.size() == key.value.size() + 2 &&
           key.value.find(written.front()) != std::string::npos;
}

std::vector<const section*> AutoRunSections(const InfView& inf) {
    std::vector<const section*> found;
    for (const section* part : inf.SectionsInFileOrder())
        if (autorun::IsAutoRunSection(*part) && inf.Find(*part) == part)
            found.push_back(part);
    return found;
}

void CheckLayout(const InfView& inf, Findings& findings) {
    const std::vector<const section*> autoRuns = AutoRunSections(inf);
    if (inf.Find(inf_names::AutoRun()) == nullptr) {
        if (autoRuns.empty())
            findings.push_back({FindingKind::kAutoRunMissing, inf_names::AutoRun(), "", 0, ""});
        else
            findings.push_back({FindingKind::kProcessorSectionsOnly, inf_names::AutoRun(), "", 0,
                                WindowsReadingNothing(autoRuns)});
    }
    CheckTwice(inf, findings);
    CheckPlatformSections(inf, autoRuns, findings);
    for (const section* part : autoRuns) {
        const entry* label = inf.Find(*part, inf_names::kLabel);
        const std::string_view text = inf.ValueOf(*part, inf_names::kLabel);
        if (label != nullptr && CharactersOf(*label, text) > kMaxLabelLength)
            findings.push_back(
                {FindingKind::kLabelTooLong, *part, *label, label->line, std::string(text)});
    }
    std::vector<const section*> quoted = autoRuns;
    // The starter reads its section with the same reader.
    if (const section* starter = inf.Find(inf_names::Orbilan()))
        quoted.push_back(starter);
    CheckQuotes(inf, quoted, findings);
}

} // namespace cd_check
