// "CD prüfen": the check of the CD as OK would save it now, its findings in a dialog, and the
// way from a finding to the field that edits what it is about.
#include "marlisk_dlg.h"

#include "ascii_case.h"
#include "cd_check_dlg.h"
#include "entry_names.h"
#include "wait_cursor.h"

namespace {

// A second reading of the INF that takes the changes for the check and never reaches the
// file: it would otherwise write them when it goes.
class ScratchDocument {
public:
    explicit ScratchDocument(const std::string& infPath) : document_(infPath.c_str()) {}
    ~ScratchDocument() { document_.DiscardChanges(); }
    ScratchDocument(const ScratchDocument&) = delete;
    ScratchDocument& operator=(const ScratchDocument&) = delete;

    INIFile& Document() { return document_; }

private:
    INIFile document_;
};

} // namespace

CdCheckOutcome MarliskDlg::CheckCdAsSavedNow() {
    // The document the dialog edits holds the changes of the menu's dialogs; the fields' it
    // gets only with OK. The check must not give it those earlier: it reads the file again
    // and writes the fields into that, as OK would into the document.
    ScratchDocument scratch(infPath_);
    CopyCdLabel(*document_, scratch.Document());
    WriteFieldsInto(scratch.Document());
    return CheckCdDocument(scratch.Document(), infPath_, VirtualRoot());
}

CdCheckOutcome MarliskDlg::CheckCdAsOnDisk() {
    ScratchDocument saved(infPath_);
    return CheckCdDocument(saved.Document(), infPath_, VirtualRoot());
}

void MarliskDlg::CheckCd() {
    if (MainWindowBusy())
        return;
    // The dialog takes the focus from the field the user was in: that field's check runs
    // now, and what it changes is checked with the rest.
    RunPendingCheck();
    CdCheckOutcome outcome;
    {
        const WaitCursor waiting;
        outcome = CheckCdAsSavedNow();
    }
    CdCheckDlg dialog(outcome, [this](int controlId) { OpenHelp(controlId); });
    if (dialog.Execute(Handle()) != IDOK || dialog.Chosen() == nullptr)
        return;
    GoToFinding(*dialog.Chosen());
}

void MarliskDlg::GoToFinding(const cd_check::Finding& finding) {
    const FindingTarget target = TargetOf(finding);
    const TControl* control = nullptr;
    // The starter's fields are disabled while it is not in use: its check box then.
    const bool starterOn = useStarter_.IsChecked();
    switch (target.place) {
    case FindingPlace::kNone:
        return;
    case FindingPlace::kCdLabel:
        EditCdLabel();
        return;
    case FindingPlace::kAutoPlayFile:
        control = &autoPlayFile_;
        break;
    case FindingPlace::kIconFile:
        control = &iconFile_;
        break;
    case FindingPlace::kHeadline:
        control = starterOn ? static_cast<const TControl*>(&headline_) : &useStarter_;
        break;
    case FindingPlace::kQuestionText:
        control = starterOn ? static_cast<const TControl*>(&questionText_) : &useStarter_;
        break;
    case FindingPlace::kStarterProgram:
        control = starterOn ? static_cast<const TControl*>(&starterProgram_) : &useStarter_;
        break;
    case FindingPlace::kEntry:
        for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
            if (ascii_case::Same(entries_[index].name, target.entry)) {
                const int shown = static_cast<int>(index);
                SendMessageA(entryList_.Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(shown),
                             MAKELPARAM(TRUE, 0));
                entryList_.SetSelIndex(shown);
                SelectEntry();
                break;
            }
        }
        control = &entryList_;
        break;
    }
    SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->Handle()), TRUE);
}
