// The About box: the program's name, its version as its version resource states it, and its
// licence.
#pragma once

#include "controls.h"
#include "dialog.h"
#include "about_dlg_ids.h"

class AboutDlg : public TDialog {
public:
    AboutDlg() : TDialog(nullptr, IDD_ABOUT) {}

    void SetupWindow() override;

private:
    TStatic version_{*this, IDC_ABOUT_VERSION};
};
