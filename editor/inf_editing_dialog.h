// The dialog that edits an AutoRun.INF, as the commands of the main window's menu see it: its
// document and where it lies, the fields as OK writes them, the check of a field the user is
// still in, the way to the field of a finding, the help, and whether something modal holds
// the main window.
#pragma once

#include "cd_check_run.h"
#include "controls.h"
#include "dialog.h"
#include "editor_help.h"
#include "ini_file.h"
#include "top_level_window.h"

#include <windows.h>

#include <string>
#include <vector>

class InfEditingDialog : public TDialog {
public:
    using TDialog::TDialog;

    virtual const std::string& InfPath() const = 0;
    // The AutoRun section the dialog edits, as the file spells it: [AutoRun], or the processor
    // section of a file that has no [AutoRun].
    virtual const std::string& EditedSection() const = 0;
    // The directory of the INF, with its closing backslash.
    virtual const char* VirtualRoot() const = 0;
    // The INF as it was read, with the changes the menu's commands made since.
    virtual INIFile& Document() = 0;
    // Writes the fields into document as OK does, without saving it.
    virtual void WriteFieldsInto(INIFile& document) = 0;
    // Writes the fields into the document as OK does, without saving it. Writing them again
    // changes nothing.
    virtual void WriteBackFields() = 0;
    // Brings the user to the field that edits what a finding is about, if the dialog has one.
    virtual void GoToFinding(const FindingTarget& target) = 0;
    virtual EditorHelp& Help() = 0;
    // The names of the context menu's entries as the dialog holds them now.
    virtual std::vector<std::string> EntryNames() const = 0;
    // A command-line field of a command's dialog (owner), checked and browsed exactly as the
    // AutoPlay program's field: inside the CD, the copy offer, blanks and quotes. The boxes
    // belong to owner. filterId: the file types the browse dialog offers.
    virtual void CheckCommandField(TEdit& field, HWND owner) = 0;
    virtual void BrowseCommandField(TEdit& field, HWND owner, unsigned filterId) = 0;
    // Asks, in a box of owner, whether the changes to the edited section go also into the other
    // AutoRun sections that held the same, and carries them there on Yes; false when the user
    // cancels.
    virtual bool CarryChangesOnRequest(HWND owner) = 0;
    // Makes the dialog edit another AutoRun section of the document, its fields filled from it.
    // What the fields showed must be in the document already.
    virtual void EditSection(const std::string& sectionName) = 0;

    // Runs the leave check of the field the user is in, as leaving it would: a command's
    // dialog takes the focus, and the check must not run inside it.
    void RunPendingLeaveCheck() { RunPendingCheck(); }
    // Whether something modal holds the main window (a copy, a box, a command's dialog): a
    // command or a help request that arrives meanwhile is dropped, so that no second modal
    // thing opens over the first.
    bool MainWindowBusy() const { return IsWindowEnabled(TopLevelWindowOf(Handle())) == FALSE; }
};
