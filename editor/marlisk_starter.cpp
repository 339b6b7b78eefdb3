// The starter settings: the check box that puts the starter onto the CD, the test that plays
// the starter's question and launch with the current fields.
#include "marlisk_dlg.h"

#include "file_help.h"
#include "launch.h"
#include "launch_failure.h"
#include "modal_boxes.h"
#include "root_references.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <optional>
#include <string>

namespace {

bool IsDirectory(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Whether the starter lies at path afterwards. It is written only where nothing of that name
// exists: a file there is kept, whatever it holds (the user may have put a newer one there).
// A directory of that name cannot be the starter, and the starter cannot be written over it.
bool ProvideStarterFile(const char* path) {
    if (theFileHelp->FileExists(path))
        return !IsDirectory(path);
    return theFileHelp->WriteResourceToFile(RT_RCDATA, IDR_STARTER, path) == 1;
}

} // namespace

void MarliskDlg::ApplyStarterCheckBox() {
    bool starterInUse = false;
    if (useStarter_.IsChecked()) {
        const std::string starterName = LoadResourceString(IDS_STARTER_FILE);
        // A root so long that the starter's path does not fit a path buffer gets no starter:
        // cut to fit, the path would name another file.
        const std::optional<std::string> path =
            root_references::PathInRoot(VirtualRoot(), starterName);
        if (path && ProvideStarterFile(path->c_str())) {
            starterInUse = true;
            autoPlayFile_.SetText(starterName);
            // Without an icon of its own the CD shows the starter's.
            if (iconFile_.GetText().empty()) {
                iconFile_.SetText(starterName);
                iconNumber_.SetText("0");
                UpdateIcon(false);
            }
            // Defaults only for a starter that is not set up at all: one field holding text
            // means the user has begun, and nothing of theirs is overwritten.
            if (headline_.GetText().empty() && questionText_.GetText().empty() &&
                starterProgram_.GetText().empty()) {
                headline_.SetText(LoadResourceString(IDS_DEFAULT_HEADLINE));
                questionText_.SetText(LoadResourceString(IDS_DEFAULT_TEXT));
                starterProgram_.SetText(LoadResourceString(IDS_DEFAULT_EXEC));
            }
        } else {
            // The box keeps its check mark: the settings stay, only their editing is locked.
            ShowError(IDS_COPY_FAILED);
        }
    }

    const TControl* const starterControls[] = {
        &starterGroup_, &headlineLabel_,  &questionTextLabel_,    &starterProgramLabel_, &headline_,
        &questionText_, &starterProgram_, &browseStarterProgram_, &testStarter_};
    for (const TControl* control : starterControls)
        control->EnableWindow(starterInUse);
    // While the starter is in use, AutoPlay starts the starter and nothing else.
    const TControl* const autoPlayControls[] = {&autoPlayLabel_, &autoPlayFile_,
                                                &browseAutoPlayFile_};
    for (const TControl* control : autoPlayControls)
        control->EnableWindow(!starterInUse);
}

void MarliskDlg::TestStarter() {
    const std::string headline = headline_.GetText();
    const std::string question = questionText_.GetText();
    const std::string program = starterProgram_.GetText();
    if (ShowMessageBox(nullptr, question.c_str(), headline.c_str(), MB_YESNO) != IDYES)
        return;

    // The starter runs its command from the CD's root, so relative names are resolved there;
    // the test does the same. The whole root is made current, so a root on a network share
    // works as well as one on a drive.
    SetCurrentDirectoryA(VirtualRoot());
    const unsigned reason = LaunchFailureReason(LaunchCommand(program.c_str()));
    if (reason == 0)
        return;
    ShowMessageBox(Handle(), LoadResourceString(IDS_LAUNCH_FAILED).c_str(),
                   LoadResourceString(reason).c_str(), MB_OK | MB_ICONHAND);
}
