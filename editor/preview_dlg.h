// The dialog "Vorschau": what each Windows does with the CD, one line per Windows with the
// drive's icon it shows, the notes of the selected line below the list. Double-click or Enter on
// a line whose note is about a file the main dialog edits closes the dialog and names that
// line; "Kopieren" puts the table on the clipboard as quillot-check --targets prints it.
#pragma once

#include "controls.h"
#include "dialog.h"
#include "owned_icon.h"
#include "preview_dlg_ids.h"
#include "targets.h"

#include <array>
#include <string>
#include <vector>

class InfEditingDialog;

class PreviewDlg : public TDialog {
public:
    // editing: the main dialog, whose help the dialog's F1 opens and whose virtual root the
    // icons lie in.
    PreviewDlg(const std::vector<cd_check::TargetAnswer>& answers, InfEditingDialog& editing);

    // After the dialog closed with IDOK: the line the user chose.
    const cd_check::TargetAnswer* Chosen() const { return chosen_; }

    void SetupWindow() override;
    void RequestClose(int result) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    // The drive's icon that a line's Windows shows: the INF's, or the drive's own.
    HICON IconOf(const cd_check::TargetAnswer& answer) const;
    void ShowNotes();
    void ShowHelp();
    void Copy();

    TListBox list_{*this, IDC_PREVIEW_LIST};
    TEdit notes_{*this, IDC_PREVIEW_NOTES};

    const std::vector<cd_check::TargetAnswer>& answers_;
    InfEditingDialog& editing_;
    std::vector<OwnedIcon> icons_;
    // Where the drawn columns start in the list, from the titles above them.
    std::array<int, 6> columnLeft_{};
    const cd_check::TargetAnswer* chosen_ = nullptr;
};
