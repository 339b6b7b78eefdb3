#include "targets.h"

#include "autoplay_values.h"
#include "autorun_inf.h"
#include "file_reference.h"
#include "icon_value.h"
#include "inf_checks.h"
#include "inf_names.h"
#include "pe_signature.h"

#include <string_view>

namespace cd_check {

namespace {

using Family = WindowsFamily;

// Explorer shows the first 32 characters of label.
constexpr std::size_t kLabelShown = 32;

constexpr const char* kContentNames[] = {"Musik", "Bilder", "Videos"};

// The NT family's shell reads its processor's section; Windows 95 to Me read [AutoRun] only.
bool ReadsProcessorSections(Family family) {
    return family != Family::kWin9x && family != Family::kWinMe;
}
// Shell 5.0: Windows 2000 and Me on.
bool ReadsShellExecute(Family family) {
    return family != Family::kWin9x;
}
// XP on, sticks too; whether earlier Windows read it is not documented.
bool ReadsLabel(Family family) {
    return family != Family::kWin9x && family != Family::kWinMe && family != Family::kWin2000;
}
// XP on, CD and DVD only.
bool ReadsUseAutoPlay(Family family) {
    return family == Family::kWinXp || family == Family::kVistaTo11 ||
           family == Family::kMountedImage;
}
// Vista on.
bool ReadsContent(Family family) {
    return family == Family::kVistaTo11 || family == Family::kMountedImage ||
           family == Family::kUsbStick;
}
// Windows 11 is among them: Smart App Control judges what they start.
bool Windows11Among(Family family) {
    return family == Family::kVistaTo11 || family == Family::kMountedImage;
}

bool HasProcessorSections(const autorun::InfView& view) {
    for (const section* part : view.SectionsInFileOrder())
        if (autorun::IsProcessorSection(*part))
            return true;
    return false;
}

std::string ContentChoiceText(std::string_view value) {
    switch (autoplay_values::ReadContentChoice(value)) {
    case autoplay_values::ContentChoice::kForce:
        return "ja";
    case autoplay_values::ContentChoice::kHide:
        return "nein";
    case autoplay_values::ContentChoice::kUnknown:
        return std::string(value) + " (nicht dokumentiert)";
    case autoplay_values::ContentChoice::kUnset:
        break;
    }
    return std::string();
}

// What happens on inserting: the program started at once, offered in AutoPlay, or nothing.
void AnswerInsert(const Target& target, const autorun::InfView& view, const section& part,
                  const CdTree& tree, TargetAnswer& answer) {
    const Family family = target.family;
    const std::string open(view.ValueOf(part, inf_names::Open()));
    std::string document(view.ValueOf(part, inf_names::kShellExecute));
    if (!document.empty() && !ReadsShellExecute(family)) {
        answer.notes.push_back("liest shellexecute nicht");
        document.clear();
    }
    if (!open.empty() && !document.empty())
        answer.notes.push_back("open und shellexecute: welches gilt, ist nicht dokumentiert");
    const std::string command = !open.empty() ? open : document;
    if (command.empty())
        return;
    if (family == Family::kUsbStick) {
        answer.notes.push_back("auf USB-Sticks weder gestartet noch angeboten");
        return;
    }
    const bool autoPlayInstead =
        ReadsUseAutoPlay(family) && view.ValueOf(part, inf_names::kUseAutoPlay) == "1";
    if (family == Family::kWin9x || family == Family::kWinMe || family == Family::kWin2000)
        answer.onInsert = OnInsert::kStarted;
    else if (family == Family::kWinXp)
        answer.onInsert = autoPlayInstead ? OnInsert::kOffered : OnInsert::kStarted;
    else
        answer.onInsert = autoPlayInstead ? OnInsert::kNothing : OnInsert::kOffered;
    if (answer.onInsert == OnInsert::kNothing) {
        answer.notes.push_back("UseAutoPlay=1: Programm nicht in AutoPlay");
        return;
    }
    answer.command = command;
    if (answer.onInsert == OnInsert::kOffered) {
        answer.offerText = std::string(view.ValueOf(part, inf_names::kAction));
        if (!answer.offerText.empty())
            answer.notes.push_back("action auf CDs: nicht dokumentiert");
    }

    const FileReference program = ResolveFile(tree, ProgramOf(tree, command), true);
    if (program.status == FileReference::Status::kMissing)
        answer.notes.push_back("fehlt auf der CD: " + program.relative);
    else if (program.status == FileReference::Status::kOutside)
        answer.notes.push_back("liegt nicht auf der CD: " + command);
    if (program.status != FileReference::Status::kOnCd || !Windows11Among(family))
        return;
    ByteSource bytes(tree.Files().Open(program.file));
    const SignatureState signature = ReadSignatureState(bytes);
    if (signature == SignatureState::kUnsigned)
        answer.notes.push_back("nicht signiert: Windows 11 mit intelligenter App-Steuerung kann "
                               "es blockieren");
    else if (signature == SignatureState::kBroken)
        answer.notes.push_back("Signatur passt nicht: Windows verweigert das Programm");
    if (family == Family::kMountedImage)
        answer.notes.push_back("aus einem heruntergeladenen Abbild: SmartScreen pr\xFC"
                               "ft das Programm");
}

void AnswerLook(const Target& target, const autorun::InfView& view, const section& part,
                const CdTree& tree, TargetAnswer& answer) {
    answer.icon = std::string(view.ValueOf(part, inf_names::Icon()));
    if (!answer.icon.empty()) {
        const std::string file = icon_value::SplitIconValue(answer.icon).file;
        const FileReference icon = ResolveFile(tree, file, false);
        if (icon.status == FileReference::Status::kMissing)
            answer.notes.push_back("Symbol fehlt auf der CD: " + icon.relative);
    }
    const std::string label(view.ValueOf(part, inf_names::kLabel));
    if (label.empty())
        return;
    if (!ReadsLabel(target.family)) {
        answer.notes.push_back("ob label gelesen wird, ist nicht dokumentiert");
        return;
    }
    answer.label = label.substr(0, kLabelShown);
    if (label.size() > kLabelShown)
        answer.notes.push_back("label auf 32 Zeichen gek\xFCrzt");
}

void AnswerMenu(const Target& target, const INIFile& document, const autorun::InfView& view,
                const section& part, TargetAnswer& answer) {
    const autorun::AutoRunInf inf(document, false, answer.section);
    std::vector<std::string> names;
    for (const autorun::MenuEntry& item : inf.MenuEntries())
        names.push_back(item.name);
    if (target.family == Family::kUsbStick) {
        if (!names.empty())
            answer.notes.push_back("kein Kontextmen\xFC auf USB-Sticks");
        return;
    }
    answer.entries = names;
    const std::string_view named = view.ValueOf(part, inf_names::kDefaultVerb);
    for (const std::string& name : names)
        if (SameFileName(name, named))
            answer.defaultEntry = name;
}

void AnswerContent(const Target& target, const autorun::InfView& view, TargetAnswer& answer) {
    const section* content = view.Find(inf_names::kContent);
    if (content == nullptr || !ReadsContent(target.family))
        return;
    for (std::size_t index = 0; index < std::size(kContentNames); ++index) {
        const std::string choice =
            ContentChoiceText(view.ValueOf(*content, inf_names::kContentKeys[index]));
        if (choice.empty())
            continue;
        if (!answer.content.empty())
            answer.content += ", ";
        answer.content += std::string(kContentNames[index]) + ": " + choice;
    }
}

TargetAnswer Answer(const Target& target, const INIFile& document, const autorun::AutoRunInf& inf,
                    const CdTree& tree) {
    TargetAnswer answer;
    answer.target = &target;
    const section* part =
        inf.SectionReadBy(ReadsProcessorSections(target.family) ? target.processor : "");
    if (part == nullptr) {
        answer.notes.push_back("liest nichts aus der Datei");
        return answer;
    }
    answer.section = *part;
    // Microsoft's media carry sections for x86 and x64 alone; what Windows on another processor
    // looks for is not documented.
    const std::string_view processor = target.processor;
    if (!processor.empty() && !SameFileName(processor, inf_names::kX86) &&
        !SameFileName(processor, inf_names::kAmd64) && HasProcessorSections(inf.View()))
        answer.notes.push_back("welchen Abschnitt es liest, ist nicht dokumentiert");
    const autorun::InfView& view = inf.View();
    AnswerInsert(target, view, *part, tree, answer);
    AnswerLook(target, view, *part, tree, answer);
    AnswerMenu(target, document, view, *part, answer);
    AnswerContent(target, view, answer);
    return answer;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

std::string InsertCell(const TargetAnswer& answer) {
    switch (answer.onInsert) {
    case OnInsert::kStarted:
        return "startet sofort: " + answer.command;
    case OnInsert::kOffered:
        return "bietet in AutoPlay an: " + answer.command +
               (answer.offerText.empty() ? "" : " (\"" + answer.offerText + "\")");
    case OnInsert::kNothing:
        break;
    }
    return "nichts";
}

std::string MenuCell(const TargetAnswer& answer) {
    if (answer.entries.empty())
        return std::string();
    return Joined(answer.entries, ", ") +
           "; Doppelklick: " + (answer.defaultEntry.empty() ? "AutoPlay" : answer.defaultEntry);
}

} // namespace

const std::vector<Target>& AllTargets() {
    static const std::vector<Target> kTargets = {
        {"Windows 95/98 (CD)", Family::kWin9x, ""},
        {"Windows Me (CD)", Family::kWinMe, ""},
        {"Windows 2000 x86 (CD)", Family::kWin2000, inf_names::kX86},
        {"Windows XP x86 (CD)", Family::kWinXp, inf_names::kX86},
        {"Windows XP x64 (CD)", Family::kWinXp, inf_names::kAmd64},
        {"Windows Vista bis 11 x86 (CD/DVD)", Family::kVistaTo11, inf_names::kX86},
        {"Windows Vista bis 11 x64 (CD/DVD)", Family::kVistaTo11, inf_names::kAmd64},
        {"Windows 10/11 ARM64 (CD/DVD)", Family::kVistaTo11, "Arm64"},
        {"Windows 8 bis 11 x64 (ISO-Abbild)", Family::kMountedImage, inf_names::kAmd64},
        {"Windows XP bis 11 x64 (USB-Stick)", Family::kUsbStick, inf_names::kAmd64},
    };
    return kTargets;
}

std::vector<TargetAnswer> AnswerTargets(const INIFile* document, const CdTree& tree) {
    std::vector<TargetAnswer> answers;
    if (document == nullptr) {
        for (const Target& target : AllTargets()) {
            answers.emplace_back();
            answers.back().target = &target;
            answers.back().notes.push_back("keine AutoRun.INF");
        }
        return answers;
    }
    const autorun::AutoRunInf inf(*document);
    for (const Target& target : AllTargets())
        answers.push_back(Answer(target, *document, inf, tree));
    return answers;
}

std::string TargetsTable(const std::vector<TargetAnswer>& answers) {
    std::string table = "Windows\tAbschnitt\tBeim Einlegen\tSymbol\tName\tKontextmen\xFC\tInhalte\t"
                        "Hinweise\n";
    for (const TargetAnswer& answer : answers) {
        const std::vector<std::string> cells = {
            answer.target->name, answer.section.empty() ? "keiner" : "[" + answer.section + "]",
            InsertCell(answer),  answer.icon.empty() ? "Laufwerkssymbol" : answer.icon,
            answer.label,        MenuCell(answer),
            answer.content,      Joined(answer.notes, "; ")};
        for (std::size_t index = 0; index < cells.size(); ++index)
            table += cells[index] + (index + 1 < cells.size() ? '\t' : '\n');
    }
    return table;
}

} // namespace cd_check
