// The editor's one dialog: the file AutoPlay starts, the starter's settings, the CD's icon
// and the entries of the CD's context menu, for the AutoRun.INF it was made for. The
// directory of that file is the virtual CD root: every file the INF names lies in it or
// below it and is written as a path relative to it.
//
// Its handlers live in one source file per concern: set-up (marlisk_setup.cpp), write-back
// on OK (marlisk_write_back.cpp), icon preview (marlisk_icon.cpp), starter settings
// (marlisk_starter.cpp), file references (marlisk_file_refs.cpp), popup-menu entries
// (marlisk_popup_entries.cpp) and the way to the field of a finding (marlisk_findings.cpp).
// The commands of the main window's menu (menu_commands.h) see it as an InfEditingDialog and
// share its help (editor_help.h).
#pragma once

#include "autorun_inf.h"
#include "controls.h"
#include "editor_help.h"
#include "icon_fields.h"
#include "icon_value.h"
#include "inf_editing_dialog.h"
#include "ini_file.h"
#include "owned_icon.h"
#include "path_limits.h"
#include "resource_ids.h"
#include "sorted_indirect_array.h"
#include "string_ids.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

using ShellData = autorun::MenuEntry;

// Capacity of a text read from a field for the INF, terminator included.
constexpr int kTextCapacity = 512;

class MarliskDlg : public InfEditingDialog {
public:
    MarliskDlg(HWND parent, const char* infPath);
    ~MarliskDlg() override;

    // OK: writes the controls into the document and saves it before the dialog closes.
    void RequestClose(int result) override;
    // Fills the controls from the document once the window exists.
    void SetupWindow() override;

    // What the menu's commands need.
    const std::string& InfPath() const override { return infPath_; }
    const std::string& EditedSection() const override { return section_; }
    const char* VirtualRoot() const override { return virtualRoot_.data(); }
    INIFile& Document() override { return *document_; }
    void WriteFieldsInto(INIFile& document) override;
    void WriteBackFields() override;
    void GoToFinding(const FindingTarget& target) override;
    EditorHelp& Help() override { return help_; }
    std::vector<std::string> EntryNames() const override;
    void CheckCommandField(TEdit& field, HWND owner) override;
    void BrowseCommandField(TEdit& field, HWND owner, unsigned filterId) override;
    bool CarryChangesOnRequest(HWND owner) override;
    void EditSection(const std::string& sectionName) override;

    // File references.
    // The full path of a field text: a text with ':' is one already, any other lies below
    // the virtual root. Points into the path scratch, valid until the next call.
    const char* MakeAbsolute(const char* text);
    // The rest of path (a file's full path, blanks and all) behind the virtual root, with "."
    // and ".." resolved, or nullptr when path lies outside it. Points into a scratch of its
    // own, valid until the next call.
    const char* RelativePart(const char* path) const;
    // Whether path (a path buffer holding a file's full path, changed when the file is copied
    // into the root) may be used; interactive: the user is asked and told in boxes of owner
    // (nullptr: the dialog itself).
    bool CheckFileReference(char* path, bool interactive, HWND owner = nullptr);

    // Icon preview.
    void UpdateIcon(bool messages);

    void TellOfUtf8(const INIFile& document);
    // A file of processor sections only: the user learns which Windows read nothing of it.
    void TellOfProcessorSectionOnly();

    // Starter settings.
    void ApplyStarterCheckBox();

    // Popup-menu entries.
    void LoadPopupEntries();
    // Writes the entries into document, which holds the INF as it was read or saved last.
    void WritePopupEntries(INIFile& document);
    void RefillEntryList();
    void SelectEntry();
    void MakeUniqueName(char* name) const;
    void NewEntry();
    void DeleteEntry();
    void RenameEntry();

private:
    // Fills the fields of the edited section from the document: the AutoPlay program, the icon
    // and the entries.
    void LoadSectionFields();
    // After loading: the INF names an icon that could not be shown. The fields keep naming it.
    void KeepUnshownIcon(const icon_value::IconReference& icon);

    // Handlers of the notification table.
    void PaintIconPreview(HDC dc);
    void BrowseIconFile();
    void BrowseAutoPlayFile();
    void BrowseEntryCommand();
    void BrowseStarterProgram();
    void TestStarter();
    // The help at the page of the control's group (a control of no group: at its contents).
    void ShowHelp(int controlId);

    // Checks the program of the command line in field after a change, when it is left;
    // reverts nothing.
    void CheckFieldReference(TEdit& field) { CheckCommandField(field, Handle()); }
    // The browse dialog of a program's field.
    void BrowseFileField(TEdit& field) { BrowseCommandField(field, Handle(), IDS_PROGRAM_FILTER); }
    // Takes the texts of the command and menu text fields over into the current entry.
    void TakeOverEntryFields();
    // An error box with the error caption and the text of textId, owned by owner (nullptr:
    // the dialog itself); the button that ended it.
    int ShowError(unsigned textId, unsigned type = MB_OK, HWND owner = nullptr);
    // Enables or disables the controls that follow the current entry.
    void EnableEntryControls(bool enable);

    // Controls, in the order they are made.
    TStatic autoPlayLabel_{*this, IDC_AUTOPLAY_LABEL};
    TStatic headlineLabel_{*this, IDC_HEADLINE_LABEL};
    TStatic questionTextLabel_{*this, IDC_QUESTION_TEXT_LABEL};
    TStatic starterProgramLabel_{*this, IDC_STARTER_PROGRAM_LABEL};
    TStatic iconMarker_{*this, IDC_ICON_MARKER};
    TStatic entryCommandLabel_{*this, IDC_ENTRY_COMMAND_LABEL};
    TStatic entryNameLabel_{*this, IDC_ENTRY_NAME_LABEL};
    TStatic menuTextLabel_{*this, IDC_MENU_TEXT_LABEL};
    TEdit autoPlayFile_{*this, IDC_AUTOPLAY_FILE};
    TEdit headline_{*this, IDC_HEADLINE};
    TEdit questionText_{*this, IDC_QUESTION_TEXT};
    TEdit starterProgram_{*this, IDC_STARTER_PROGRAM};
    TEdit iconFile_{*this, IDC_ICON_FILE};
    TEdit iconNumber_{*this, IDC_ICON_NUMBER};
    TEdit entryCommand_{*this, IDC_ENTRY_COMMAND};
    TEdit menuText_{*this, IDC_MENU_TEXT};
    TEdit entryName_{*this, IDC_ENTRY_NAME};
    TListBox entryList_{*this, IDC_ENTRY_LIST};
    TCheckBox useStarter_{*this, IDC_USE_STARTER};
    TGroupBox starterGroup_{*this, IDC_STARTER_GROUP};
    TButton browseStarterProgram_{*this, IDC_BROWSE_STARTER_PROGRAM};
    TButton browseAutoPlayFile_{*this, IDC_BROWSE_AUTOPLAY_FILE};
    TButton browseEntryCommand_{*this, IDC_BROWSE_ENTRY_COMMAND};
    TButton deleteEntry_{*this, IDC_DELETE_ENTRY};
    TButton testStarter_{*this, IDC_TEST_STARTER};

    std::string infPath_;
    std::string section_;
    std::array<char, filehelp::kPathBufferSize> virtualRoot_{};
    std::array<char, filehelp::kPathBufferSize> pathScratch_{};
    // Holds the result of RelativePart, which is no longer a piece of its argument.
    mutable std::string relativeScratch_;
    OwnedIcon icon_;
    std::string shownIconFile_;
    int shownIconNumber_ = 0;
    // What the icon fields give the INF's "Icon" value on OK.
    icon_value::IconFields iconFields_;
    std::unique_ptr<INIFile> document_;
    // Help windows close with the dialog.
    EditorHelp help_;
    TISArrayAsVector<ShellData> entries_{11, 10};
    // How the file spells the keys of its entries: new keys follow it.
    autorun::KeySpelling spelling_;
    ShellData* currentEntry_ = nullptr;
    int currentIndex_ = 0;
};
