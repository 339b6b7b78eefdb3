#include "cd_label_dlg.h"

#include "marlisk_dlg.h"

#include <utility>

namespace {
// Explorer shows a drive's name up to this many characters.
constexpr std::size_t kShownLength = 32;
} // namespace

CdLabelDlg::CdLabelDlg(std::string label)
    : TDialog(nullptr, IDD_CD_LABEL), label_(std::move(label)) {
    Bind(IDC_CD_LABEL, TNotification::Changed, [this] { ShowLengthWarning(); });
}

void CdLabelDlg::SetupWindow() {
    TDialog::SetupWindow();
    // What the user types is cut where the INF's other values are read; a longer name that
    // the file already holds is shown whole, and stays whole unless it is changed.
    SendMessageA(field_.Handle(), EM_LIMITTEXT, kTextCapacity - 1, 0);
    field_.SetText(label_);
    ShowLengthWarning();
}

void CdLabelDlg::RequestClose(int result) {
    if (result == IDOK)
        label_ = field_.GetText();
    TDialog::RequestClose(result);
}

void CdLabelDlg::ShowLengthWarning() {
    warning_.Show(field_.GetText().size() > kShownLength);
}
