#include "targets.h"

#include "autoplay_values.h"
#include "autorun_inf.h"
#include "file_reference.h"
#include "icon_value.h"
#include "inf_checks.h"
#include "inf_names.h"
#include "pe_signature.h"

#include <string_view>
#include <utility>

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

// The notes' texts, in the order of their kinds; a file follows a text that ends in ':'.
constexpr const char* kNoteTexts[] = {
    "keine AutoRun.INF",
    "liest nichts aus der Datei",
    "welchen Abschnitt es liest, ist nicht dokumentiert",
    "liest shellexecute nicht",
    "open und shellexecute: welches gilt, ist nicht dokumentiert",
    "auf USB-Sticks weder gestartet noch angeboten",
    "UseAutoPlay=1: Programm nicht in AutoPlay",
    "action auf CDs: nicht dokumentiert",
    "fehlt auf der CD:",
    "liegt nicht auf der CD:",
    "nicht signiert: Windows 11 mit intelligenter App-Steuerung kann es blockieren",
    "Signatur passt nicht: Windows verweigert das Programm",
    "aus einem heruntergeladenen Abbild: SmartScreen pr\374ft das Programm",
    "Symbol fehlt auf der CD:",
    "ob label gelesen wird, ist nicht dokumentiert",
    "label auf 32 Zeichen gek\xFCrzt",
    "kein Kontextmen\xFC auf USB-Sticks",
};
static_assert(std::size(kNoteTexts) == static_cast<std::size_t>(NoteKind::kStickHasNoMenu) + 1);

void Note(TargetAnswer& answer, NoteKind kind, std::string_view detail = {}) {
    answer.notes.push_back({kind, std::string(detail)});
}

// A note about the file a key names; the first such key is the one the editor leads to.
void NoteAboutFile(TargetAnswer& answer, const char* key, NoteKind kind,
                   std::string_view detail = {}) {
    Note(answer, kind, detail);
    if (answer.noteKey.empty())
        answer.noteKey = key;
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
    const std::string_view open = view.ValueOf(part, inf_names::Open());
    std::string_view document = view.ValueOf(part, inf_names::kShellExecute);
    if (!document.empty() && !ReadsShellExecute(family)) {
        Note(answer, NoteKind::kNoShellExecute);
        document = {};
    }
    if (!open.empty() && !document.empty())
        Note(answer, NoteKind::kOpenOrShellExecute);
    const std::string_view command = !open.empty() ? open : document;
    if (command.empty())
        return;
    if (family == Family::kUsbStick) {
        Note(answer, NoteKind::kStickStartsNothing);
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
        Note(answer, NoteKind::kUseAutoPlayHides);
        return;
    }
    answer.command = std::string(command);
    if (answer.onInsert == OnInsert::kOffered) {
        answer.offerText = std::string(view.ValueOf(part, inf_names::kAction));
        if (!answer.offerText.empty())
            Note(answer, NoteKind::kActionNotDocumented);
    }

    const char* key = !open.empty() ? inf_names::Open() : inf_names::kShellExecute;
    const FileReference program = ResolveFile(tree, ProgramOf(tree, command), true);
    if (program.status == FileReference::Status::kMissing)
        NoteAboutFile(answer, key, NoteKind::kFileMissing, program.relative);
    else if (program.status == FileReference::Status::kOutside)
        NoteAboutFile(answer, key, NoteKind::kFileOutside, command);
    if (program.status != FileReference::Status::kOnCd || !Windows11Among(family))
        return;
    ByteSource bytes(tree.Files().Open(program.file));
    const SignatureState signature = ReadSignatureState(bytes);
    if (signature == SignatureState::kUnsigned)
        NoteAboutFile(answer, key, NoteKind::kUnsigned);
    else if (signature == SignatureState::kBroken)
        NoteAboutFile(answer, key, NoteKind::kSignatureBroken);
    if (family == Family::kMountedImage)
        Note(answer, NoteKind::kDownloadedImage);
}

void AnswerLook(const Target& target, const autorun::InfView& view, const section& part,
                const CdTree& tree, TargetAnswer& answer) {
    // A value that names no file (",0") leaves the drive its own icon.
    const std::string_view value = view.ValueOf(part, inf_names::Icon());
    const std::string file = icon_value::SplitIconValue(value).file;
    if (!file.empty()) {
        answer.icon = std::string(value);
        const FileReference icon = ResolveFile(tree, file, false);
        if (icon.status == FileReference::Status::kMissing)
            NoteAboutFile(answer, inf_names::Icon(), NoteKind::kIconMissing, icon.relative);
    }
    const std::string_view label = view.ValueOf(part, inf_names::kLabel);
    if (label.empty())
        return;
    if (!ReadsLabel(target.family)) {
        Note(answer, NoteKind::kLabelNotDocumented);
        return;
    }
    answer.label = std::string(label.substr(0, kLabelShown));
    if (label.size() > kLabelShown)
        Note(answer, NoteKind::kLabelCut);
}

void AnswerMenu(const Target& target, const INIFile& document, const autorun::InfView& view,
                const section& part, TargetAnswer& answer) {
    const autorun::AutoRunInf inf(document, false, answer.section);
    std::vector<std::string> names;
    for (const autorun::MenuEntry& item : inf.MenuEntries())
        names.push_back(item.name);
    if (target.family == Family::kUsbStick) {
        if (!names.empty())
            Note(answer, NoteKind::kStickHasNoMenu);
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

// Fills answer, which names its target.
void Answer(const INIFile& document, const autorun::AutoRunInf& inf, const CdTree& tree,
            TargetAnswer& answer) {
    const Target& target = *answer.target;
    const section* part =
        inf.SectionReadBy(ReadsProcessorSections(target.family) ? target.processor : "");
    if (part == nullptr) {
        Note(answer, NoteKind::kReadsNothing);
        return;
    }
    answer.section = *part;
    // Microsoft's media carry sections for x86 and x64 alone; what Windows on another processor
    // looks for is not documented.
    const std::string_view processor = target.processor;
    if (!processor.empty() && !SameFileName(processor, inf_names::kX86) &&
        !SameFileName(processor, inf_names::kAmd64) && HasProcessorSections(inf.View()))
        Note(answer, NoteKind::kSectionNotDocumented);
    const autorun::InfView& view = inf.View();
    AnswerInsert(target, view, *part, tree, answer);
    AnswerLook(target, view, *part, tree, answer);
    AnswerMenu(target, document, view, *part, answer);
    AnswerContent(target, view, answer);
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
    // Made in place, one per target: an answer is never moved.
    std::vector<TargetAnswer> answers(AllTargets().size());
    for (std::size_t index = 0; index < answers.size(); ++index)
        answers[index].target = &AllTargets()[index];
    if (document == nullptr) {
        for (TargetAnswer& answer : answers)
            Note(answer, NoteKind::kNoInf);
        return answers;
    }
    const autorun::AutoRunInf inf(*document);
    for (TargetAnswer& answer : answers)
        Answer(*document, inf, tree, answer);
    return answers;
}

std::string TextOf(const TargetNote& note) {
    std::string text = kNoteTexts[static_cast<std::size_t>(note.kind)];
    if (!note.detail.empty())
        text += ' ' + note.detail;
    return text;
}

std::string TargetsTable(const std::vector<TargetAnswer>& answers) {
    std::string table = "Windows\tAbschnitt\tBeim Einlegen\tSymbol\tName\tKontextmen\xFC\tInhalte\t"
                        "Hinweise\n";
    for (const TargetAnswer& answer : answers) {
        table += answer.target->name;
        table += '\t';
        table += answer.section.empty() ? "keiner" : "[" + answer.section + "]";
        table += '\t';
        table += InsertCell(answer);
        table += '\t';
        table += answer.icon.empty() ? "Laufwerkssymbol" : answer.icon;
        table += '\t';
        table += answer.label;
        table += '\t';
        table += MenuCell(answer);
        table += '\t';
        table += answer.content;
        table += '\t';
        for (std::size_t index = 0; index < answer.notes.size(); ++index)
            table += (index == 0 ? "" : "; ") + TextOf(answer.notes[index]);
        table += '\n';
    }
    return table;
}

} // namespace cd_check
