// File references inside the virtual root: a field's text turned into a full path and back,
// the check that the file lies on the CD (with the offer to copy it there), and the three
// command-line fields that run it: AutoPlay file (101), entry command (118), starter program
// (109). Their program is the file the check looks for; its arguments stay as they are.
#include "marlisk_dlg.h"

#include "file_choice.h"

#include "bounded_text.h"
#include "command_program.h"
#include "copy_into_root.h"
#include "file_help.h"
#include "modal_boxes.h"
#include "root_references.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <commdlg.h>

#include <string>

namespace {

// Whether the platform's search for programs (own directory, current directory, system
// directories, PATH) finds a file of that bare name.
bool FoundOnSearchPath(const std::string& name) {
    OFSTRUCT found = {};
    found.cBytes = sizeof found;
    return OpenFile(name.c_str(), &found, OF_EXIST) != HFILE_ERROR;
}

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

const char* MarliskDlg::MakeAbsolute(const char* text) {
    // Cut to the buffer; callers that must not act on a cut path check the length first.
    filehelp::BoundedText(pathScratch_.data(), pathScratch_.size())
        .Append(root_references::AbsoluteReference(virtualRoot_.data(), text));
    return pathScratch_.data();
}

const char* MarliskDlg::RelativePart(const char* path) const {
    std::optional<std::string> rest = root_references::RelativeFile(virtualRoot_.data(), path);
    if (!rest)
        return nullptr;
    relativeScratch_ = std::move(*rest);
    return relativeScratch_.c_str();
}

bool MarliskDlg::CheckFileReference(char* path, bool interactive, HWND owner) {
    if (owner == nullptr)
        owner = Handle();
    std::string relative;
    if (const char* inside = RelativePart(path)) {
        relative = inside;
    } else {
        if (!interactive)
            return false;
        if (ShowError(IDS_OUTSIDE_ROOT_QUESTION, MB_YESNO, owner) != IDYES)
            return false;
        const std::string source(path);
        // Always straight into the root, whatever directory the source lay in.
        const std::string name = theFileHelp->FileNameOf(source.c_str());
        const std::optional<std::string> target =
            root_references::PathInRoot(virtualRoot_.data(), name);
        const CopyOutcome outcome =
            target ? CopyIntoRoot(owner, source.c_str(), target->c_str()) : CopyOutcome::kFailed;
        // A copy the user stopped is one not made, and needs no message.
        if (outcome == CopyOutcome::kCancelled)
            return false;
        if (outcome == CopyOutcome::kFailed) {
            ShowError(IDS_COPY_FAILED, MB_OK, owner);
            return false;
        }
        filehelp::BoundedText(path, filehelp::kPathBufferSize).Append(*target);
        // A source name such as ".." gives a target that is no file in the root.
        const char* copied = RelativePart(path);
        relative = copied != nullptr ? copied : "";
    }

    bool exists = false;
    if (!relative.empty()) {
        const std::string inRoot = std::string(virtualRoot_.data()) + relative;
        if (theFileHelp->FileExists(inRoot.c_str()) != 0)
            exists = true;
        else if (relative.find('\\') == std::string::npos)
            // A program the system provides need not lie on the CD.
            exists = FoundOnSearchPath(relative);
    }
    if (!exists && interactive)
        ShowError(IDS_FILE_MISSING, MB_OK, owner);
    return exists;
}

void MarliskDlg::CheckCommandField(TEdit& field, HWND owner) {
    const std::string text = field.GetText();
    // The program is looked for among the files as the system looks for it when it starts the
    // line: on the CD, or outside it for a full path that is to be copied in.
    const command_program::CommandProgram command =
        command_program::ProgramOf(text, [this](const std::string& candidate) {
            return IsFile(root_references::AbsoluteReference(virtualRoot_.data(), candidate));
        });
    const std::string full = root_references::AbsoluteReference(virtualRoot_.data(), command.file);
    if (full.size() > filehelp::kMaxPathLength) {
        // No path buffer holds it, so no file can be looked up under it; the text stays for the
        // user to shorten rather than being checked in a cut form.
        ShowError(IDS_FILE_MISSING, MB_OK, owner);
        return;
    }
    std::array<char, filehelp::kPathBufferSize> path{};
    filehelp::BoundedText(path.data(), path.size()).Append(full);
    if (!CheckFileReference(path.data(), true, owner))
        return;
    const char* relative = RelativePart(path.data());
    const std::string line =
        command_program::CommandLineOf(relative != nullptr ? relative : "", command.arguments);
    field.SetTextQuietly(line);
    if (command_program::QuotesStrippedByReader(line))
        ShowError(IDS_QUOTES_STRIPPED, MB_OK, owner);
}

void MarliskDlg::BrowseCommandField(TEdit& field, HWND owner, unsigned filterId) {
    std::array<char, filehelp::kPathBufferSize> chosen{};
    const std::string start = MakeAbsolute(field.GetText().c_str());
    if (!ChooseExistingFile(owner, start.c_str(), filterId, chosen.data()))
        return;

    // Whatever the check decides, the field shows what of the choice lies in the root: the
    // relative path (in quotes when it holds a blank, so that the line names it whole), or
    // nothing when the file stayed outside.
    CheckFileReference(chosen.data(), true, owner);
    const char* relative = RelativePart(chosen.data());
    field.SetText(relative != nullptr ? command_program::CommandLineOf(relative, "") : "");
}

void MarliskDlg::BrowseAutoPlayFile() {
    BrowseFileField(autoPlayFile_);
}

void MarliskDlg::BrowseEntryCommand() {
    BrowseFileField(entryCommand_);
}

void MarliskDlg::BrowseStarterProgram() {
    BrowseFileField(starterProgram_);
}
