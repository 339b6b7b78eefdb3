// The dialog "CD prüfen": the findings of the CD's check, errors first, one per line; a line
// for none. Double-click or Enter on a finding that the main dialog edits closes the dialog
// and names that finding; "Kopieren" puts every line on the clipboard.
#pragma once

#include "cd_check_dlg_ids.h"
#include "cd_check_run.h"
#include "controls.h"
#include "dialog.h"

#include <string>
#include <vector>

class InfEditingDialog;

class CdCheckDlg : public TDialog {
public:
    // editing: the main dialog, whose help the dialog's F1 opens and whose fields a finding
    // leads to.
    CdCheckDlg(const CdCheckOutcome& outcome, InfEditingDialog& editing);

    // After the dialog closed with IDOK: the finding the user chose.
    const cd_check::Finding* Chosen() const { return chosen_; }

    void SetupWindow() override;
    // Enter: the selected finding, when the main dialog edits what it is about.
    void RequestClose(int result) override;

private:
    void ChooseSelected();
    void CopyToClipboard();

    TListBox list_{*this, IDC_CD_CHECK_LIST};
    const CdCheckOutcome& outcome_;
    InfEditingDialog& editing_;
    std::vector<std::string> lines_;
    const cd_check::Finding* chosen_ = nullptr;
};
