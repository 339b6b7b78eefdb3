// The checks of an AutoRun.INF and of the CD it lies on. Each appends what it finds.
#pragma once

#include "cd_tree.h"
#include "file_reference.h"
#include "findings.h"
#include "inf_view.h"

#include <vector>

namespace cd_check {

using autorun::InfView;

// [AutoRun] and the platform sections that stand in for it ([AutoRun.Amd64]), each the one
// Windows reads for its name, in the order of the file.
std::vector<const section*> AutoRunSections(const InfView& inf);

// What lies in the INF alone: [AutoRun] missing, sections and keys written twice, platform
// sections that differ from [AutoRun], a label too long to be shown, quotes that Windows
// strips to the value's harm.
void CheckLayout(const InfView& inf, Findings& findings);

// The files the INF names: Open, ShellExecute, Icon with its number, the context menu's
// commands, the starter and its Exec.
void CheckReferences(const InfView& inf, const CdTree& tree, Findings& findings);

// The keys AutoPlay reads: [Content]'s values and UseAutoPlay's as Windows documents them, and
// the file an action names its text in.
void CheckAutoPlayKeys(const InfView& inf, const CdTree& tree, Findings& findings);

// The context menu's entries: every verb with its command, the default verb present.
void CheckVerbs(const InfView& inf, const CdTree& tree, Findings& findings);

// Whether the quotes that Windows' reader takes off a command line break it: they enclosed
// not the whole line but a quoted program at its start and a quoted argument at its end.
bool QuotesBreakCommandLine(const entry& key);

// Whether they change another value: the quotes that enclosed it stand inside it as well, as
// the writer meant two quoted parts.
bool QuotesChangeValue(const entry& key);

// The program that the command line of key names, as Windows hands the line out; empty when
// it names none, or when the quotes Windows strips break it.
std::string CommandProgram(const CdTree& tree, const entry& key);

// A finding at key of part.
void Report(Findings& findings, FindingKind kind, const section& part, const entry& key,
            std::string_view detail);

// The file that text names, reported when it is missing or outside the root and found where
// the key is; a program's signature is checked too. An empty text names nothing, as Windows takes
// an empty key for a missing one.
FileReference CheckFile(const CdTree& tree, std::string_view text, bool isProgram,
                        const section& part, const entry& key, Findings& findings);

// Whether ShellExecute runs the file as a program: by the extension of its name.
bool NamesProgram(std::string_view relative);

// The signature of the program that text names, reported when it has none or no longer fits
// the program. A file that is no Windows program is not looked at.
void CheckSignature(const CdTree& tree, const FileReference& program, const section& part,
                    const entry& key, std::string_view text, Findings& findings);

// Names on the CD that Joliet cannot hold, and with iso9660 those that are not 8.3.
void CheckNames(const CdTree& tree, bool iso9660, Findings& findings);

} // namespace cd_check
