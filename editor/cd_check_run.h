// The check of a CD from inside the editor: quillot-check's rules over the document being
// edited and the files in its virtual root, read with the editor's own calls. The command
// that writes the CD's image checks the CD as it is saved (CheckCdAsOnDisk, menu_commands.h)
// and shows the errors before it writes.
#pragma once

#include "findings.h"
#include "targets.h"
#include "ini_file.h"

#include <string>
#include <string_view>
#include <vector>

struct CdCheckOutcome {
    // Errors first, then warnings, each in the order quillot-check reports them.
    cd_check::Findings findings;
    // Set when a directory below the root could not be read to its end: the findings then
    // lack what it holds. Its path behind the root, or empty for the root itself.
    bool complete = true;
    std::string unreadDirectory;

    bool HasErrors() const;
};

// Checks document, the INF at infPath as it would be saved, against the files in root (the
// virtual root, with its closing backslash).
CdCheckOutcome CheckCdDocument(const INIFile& document, const std::string& infPath,
                               const std::string& root);

// What each Windows does with the CD of document, the INF at infPath as it would be saved, and the
// files in root (the virtual root, with its closing backslash).
std::vector<cd_check::TargetAnswer> AnswerTargetsOf(const INIFile& document,
                                                    const std::string& root);

// A finding as one line for people: severity, code and the German text with what it is about,
// all in code page 1252.
std::string FindingLine(const cd_check::Finding& finding);

// The errors of an outcome, one line each as FindingLine writes them, in their order.
std::vector<std::string> ErrorLines(const CdCheckOutcome& outcome);

// Where the main dialog edits what a finding is about.
enum class FindingPlace {
    kNone,
    kAutoPlayFile,
    kIconFile,
    kHeadline,
    kQuestionText,
    kStarterProgram,
    kEntry,
    kCdLabel,
};

struct FindingTarget {
    FindingPlace place = FindingPlace::kNone;
    // The entry's name, for kEntry.
    std::string entry;
};

// editedSection: the AutoRun section the main dialog edits; findings of other sections lead to
// no field.
FindingTarget TargetOf(const cd_check::Finding& finding, std::string_view editedSection);
