// The dialog of the platforms: one line for each AutoRun section of the file with the Windows
// that read it, the section the main dialog edits marked. The user chooses the section to edit
// ("Bearbeiten"), adds [AutoRun] or a section for x86 or x64 as a copy of the edited one, or
// removes another after a question. Additions and removals go into the document like every
// change of the menu's dialogs; the file gets them with the main dialog's OK.
#pragma once

#include "controls.h"
#include "dialog.h"
#include "platforms_dlg_ids.h"

#include <string>
#include <vector>

class InfEditingDialog;

class PlatformsDlg : public TDialog {
public:
    // editing holds in its document what its fields show.
    explicit PlatformsDlg(InfEditingDialog& editing);

    // After OK: the section the main dialog is to edit.
    const std::string& Chosen() const { return chosen_; }

    void SetupWindow() override;
    void RequestClose(int result) override;

private:
    // Fills the list from the document and selects the line of selected.
    void Refill(const std::string& selected);
    // "[AutoRun.Amd64] – Windows für x64 (64 Bit)", with the mark of the edited section.
    std::string LineOf(const std::string& sectionName) const;
    bool IsEdited(const std::string& sectionName) const;
    // The selected line's section, nullptr when no line is selected.
    const std::string* Selected() const;
    void FollowSelection();
    void EditSelected() { RequestClose(IDOK); }
    void Add();
    void Remove();
    void ShowHelp();

    TListBox list_{*this, IDC_PLATFORM_LIST};
    TButton add_{*this, IDC_PLATFORM_ADD};
    TButton remove_{*this, IDC_PLATFORM_REMOVE};

    InfEditingDialog& editing_;
    // The sections of the list's lines, and those "Hinzufügen" offers.
    std::vector<std::string> sections_;
    std::vector<std::string> addable_;
    std::string chosen_;
};
