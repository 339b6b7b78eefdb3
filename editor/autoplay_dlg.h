// The dialog of the keys AutoPlay reads (Windows XP on) for the section the main dialog edits:
// the text AutoPlay shows for the program, a document to open instead of it, whether AutoPlay
// stands in for AutoRun, the kinds of content AutoPlay offers handlers for, and the entry a
// double-click starts. What the user leaves alone comes back as the file spelled it.
#pragma once

#include "autoplay_dlg_ids.h"
#include "autoplay_settings.h"
#include "controls.h"
#include "dialog.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class InfEditingDialog;

class AutoPlayDlg : public TDialog {
public:
    // sectionName: the section the settings were read from, named in the caption when it is not
    // [AutoRun]. entryNames: the context menu's entries the double-click may start. help: opens
    // the help at the page of a control.
    AutoPlayDlg(InfEditingDialog& editing, std::string sectionName,
                const autorun::AutoPlaySettings& read, std::vector<std::string> entryNames,
                std::function<void(int)> help);

    // After OK: the settings as the user left them.
    const autorun::AutoPlaySettings& Edited() const { return edited_; }

    void SetupWindow() override;
    void RequestClose(int result) override;

private:
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
    std::string sectionName_;
    const autorun::AutoPlaySettings read_;
    autorun::AutoPlaySettings edited_;
    // The lines of the double-click's list after its first, the AutoPlay program's.
    std::vector<std::string> verbLines_;
    int readVerbLine_ = 0;
};
