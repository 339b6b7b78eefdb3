// What each Windows does with a CD: the section it reads, what happens when the CD is inserted,
// the drive's icon and name, the context menu, the content AutoPlay offers handlers for, and
// notes, for each Windows family, processor and medium whose rules are documented. Where a
// behaviour is not documented, the answer says so instead of guessing. Texts are German, in code
// page 1252: quillot-check prints them in UTF-8, the editor shows them as they are.
#pragma once

#include "cd_tree.h"
#include "ini_file.h"

#include <string>
#include <vector>

namespace cd_check {

enum class WindowsFamily { kWin9x, kWinMe, kWin2000, kWinXp, kVistaTo11, kMountedImage, kUsbStick };

struct Target {
    // "Windows XP (x64)".
    const char* name;
    WindowsFamily family;
    // As the NT family's shell looks for its section ("x86", "Amd64"); empty for Windows 95 to Me.
    const char* processor;
};

// Every target, in the order of the table.
const std::vector<Target>& AllTargets();

enum class OnInsert { kStarted, kOffered, kNothing };

// What the answer has to add: files, signatures, and behaviours that are not documented.
enum class NoteKind {
    kNoInf,
    kReadsNothing,
    kSectionNotDocumented,
    kNoShellExecute,
    kOpenOrShellExecute,
    kStickStartsNothing,
    kUseAutoPlayHides,
    kActionNotDocumented,
    kFileMissing,
    kFileOutside,
    kUnsigned,
    kSignatureBroken,
    kDownloadedImage,
    kIconMissing,
    kLabelNotDocumented,
    kLabelCut,
    kStickHasNoMenu,
};

struct TargetNote {
    NoteKind kind;
    // The file it is about, or nothing.
    std::string detail;
};

// The note as a German text, with its file.
std::string TextOf(const TargetNote& note);

struct TargetAnswer {
    const Target* target = nullptr;
    // The AutoRun section it reads, as the file spells it; empty when it reads none.
    std::string section;
    OnInsert onInsert = OnInsert::kNothing;
    // The command line started or offered.
    std::string command;
    // The text AutoPlay shows for it (action), when offered.
    std::string offerText;
    // The icon value; empty: the drive's own icon.
    std::string icon;
    // The name shown: the first 32 characters of label; empty when none is shown.
    std::string label;
    // The context menu's entries, and the one a double-click starts (empty: the AutoPlay program).
    std::vector<std::string> entries;
    std::string defaultEntry;
    // "Musik: ja, Bilder: nein"; empty when [Content] asks nothing of this Windows.
    std::string content;
    std::vector<TargetNote> notes;
    // The key of the section that a note about its file concerns (open, shellexecute, icon),
    // for the way to the field that edits it; empty when no note does.
    std::string noteKey;
};

// The answer of every target for the INF document (nullptr: the CD has none) and the CD's files.
std::vector<TargetAnswer> AnswerTargets(const INIFile* document, const CdTree& tree);

// The answers as a table of text: a line of column titles, then one line per target, the cells
// separated by tabs. The editor copies it, quillot-check prints it: both the same characters.
std::string TargetsTable(const std::vector<TargetAnswer>& answers);

} // namespace cd_check
