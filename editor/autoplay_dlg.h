// The dialog of the keys AutoPlay reads (Windows XP on) in the section the main dialog edits:
// the text AutoPlay shows for the program, a document to open instead of it, whether AutoPlay
// stands in for AutoRun, the kinds of content AutoPlay offers handlers for, and the entry a
// double-click starts. What the user leaves alone comes back as the file spelled it.
#pragma once

#include "autoplay_dlg_ids.h"
#include "autoplay_settings.h"
#include "controls.h"
#include "dialog.h"

#include <array>
#include <string>
#include <vector>

class InfEditingDialog;

class AutoPlayDlg : public TDialog {
public:
    // read: the settings of [AutoRun]. The double-click may start any of the context menu's
    // entries as editing holds them now.
    AutoPlayDlg(InfEditingDialog& editing, const autorun::AutoPlaySettings& read);

    // After OK: the settings as the user left them.
    const autorun::AutoPlaySettings& Edited() const { return edited_; }

    void SetupWindow() override;
    void RequestClose(int result) override;

private:
    // The handlers of the controls.
    void BindControls();
    void ShowHelp();
    void FillDefaultVerbs();
    std::string ChosenDefaultVerb() const;

    TEdit action_{*this, IDC_AUTOPLAY_ACTION};
    TEdit document_{*this, IDC_AUTOPLAY_DOCUMENT};
    TCheckBox useAutoPlay_{*this, IDC_AUTOPLAY_USE};
    std::array<TComboBox, 3> content_{{{*this, IDC_AUTOPLAY_MUSIC},
                                       {*this, IDC_AUTOPLAY_PICTURES},
                                       {*this, IDC_AUTOPLAY_VIDEOS}}};
    TComboBox defaultVerb_{*this, IDC_AUTOPLAY_DEFAULT_VERB};

    InfEditingDialog& editing_;
    const autorun::AutoPlaySettings read_;
    autorun::AutoPlaySettings edited_;
    // The lines of the double-click's list after its first, the AutoPlay program's.
    std::vector<std::string> verbLines_;
    int readVerbLine_ = 0;
};
