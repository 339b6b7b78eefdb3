// The dialog of the CD's name: the value of "label" in [AutoRun], which Explorer shows as the
// drive's name. Explorer shows only the first 32 characters of it; a longer name is allowed,
// and a warning under the field says so while the text is longer.
#pragma once

#include "controls.h"
#include "dialog.h"
#include "cd_label_dlg_ids.h"

#include <string>

class CdLabelDlg : public TDialog {
public:
    explicit CdLabelDlg(std::string label);

    // The name the dialog was made with, and after OK the field's text.
    const std::string& Label() const { return label_; }

    void SetupWindow() override;
    // OK: takes the field's text.
    void RequestClose(int result) override;

private:
    void ShowLengthWarning();

    TEdit field_{*this, IDC_CD_LABEL};
    TStatic warning_{*this, IDC_CD_LABEL_WARNING};
    std::string label_;
};
