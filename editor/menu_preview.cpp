// "Vorschau": what each Windows does with the CD as OK would save it now, and the way from a
// note about a file to the field that names it.
#include "menu_commands.h"

#include "preview_dlg.h"
#include "scratch_document.h"
#include "wait_cursor.h"

void MenuCommands::ShowPreview() {
    // The dialog takes the focus from the field the user was in: that field's check runs now.
    editing_.RunPendingLeaveCheck();
    std::vector<cd_check::TargetAnswer> answers;
    {
        const WaitCursor waiting;
        ScratchDocument scratch(editing_.InfPath());
        WriteAsSavedNow(scratch.Document());
        answers = AnswerTargetsOf(scratch.Document(), editing_.VirtualRoot());
    }
    PreviewDlg dialog(answers, editing_);
    if (dialog.Execute(editing_.Handle()) != IDOK || dialog.Chosen() == nullptr)
        return;
    const cd_check::Finding about{cd_check::FindingKind::kFileMissing, dialog.Chosen()->section,
                                  dialog.Chosen()->noteKey, 0, ""};
    editing_.GoToFinding(TargetOf(about, editing_.EditedSection()));
}
