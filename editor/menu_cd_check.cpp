// "CD prüfen": the check of the CD as OK would save it now, its findings in a dialog, and the
// way from a finding to what edits it.
#include "menu_commands.h"

#include "cd_check_dlg.h"
#include "scratch_document.h"
#include "wait_cursor.h"

void MenuCommands::WriteAsSavedNow(INIFile& scratch) {
    // The document the dialog edits holds the changes of the menu's dialogs; the fields' it
    // gets only with OK. A look at the CD must not give it those earlier: it reads the file
    // again and writes the fields into that, as OK would into the document.
    CopyCdLabel(editing_.Document(), scratch, editing_.EditedSection());
    CopyAutoPlay(editing_.Document(), scratch, editing_.EditedSection());
    editing_.WriteFieldsInto(scratch);
}

CdCheckOutcome MenuCommands::CheckCdAsSavedNow() {
    ScratchDocument scratch(editing_.InfPath());
    WriteAsSavedNow(scratch.Document());
    return CheckCdDocument(scratch.Document(), editing_.InfPath(), editing_.VirtualRoot());
}

CdCheckOutcome MenuCommands::CheckCdAsOnDisk() {
    ScratchDocument saved(editing_.InfPath());
    return CheckCdDocument(saved.Document(), editing_.InfPath(), editing_.VirtualRoot());
}

void MenuCommands::CheckCd() {
    // The dialog takes the focus from the field the user was in: that field's check runs
    // now, and what it changes is checked with the rest.
    editing_.RunPendingLeaveCheck();
    CdCheckOutcome outcome;
    {
        const WaitCursor waiting;
        outcome = CheckCdAsSavedNow();
    }
    CdCheckDlg dialog(outcome, editing_);
    if (dialog.Execute(editing_.Handle()) != IDOK || dialog.Chosen() == nullptr)
        return;
    // The CD's name has no field in the main dialog: its own dialog edits it.
    const FindingTarget target = TargetOf(*dialog.Chosen(), editing_.EditedSection());
    if (target.place == FindingPlace::kCdLabel)
        EditCdLabel();
    else
        editing_.GoToFinding(target);
}
