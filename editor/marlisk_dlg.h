// The editor's one dialog: the file AutoPlay starts, the starter's settings, the CD's icon
// and the entries of the CD's context menu, for the AutoRun.INF it was made for. The
// directory of that file is the virtual CD root: every file the INF names lies in it or
// below it and is written as a path relative to it.
//
// Its handlers live in one source file per concern: set-up (marlisk_setup.cpp), write-back
// on OK (marlisk_write_back.cpp), icon preview (marlisk_icon.cpp), starter settings
// (marlisk_starter.cpp), file references (marlisk_file_refs.cpp) and popup-menu entries
// (marlisk_popup_entries.cpp).
#pragma once

#include "controls.h"
#include "dialog.h"
#include "ini_file.h"
#include "owned_icon.h"
#include "shell_data.h"
#include "sorted_indirect_array.h"

#include <windows.h>

#include <array>
#include <memory>
#include <string>

// Capacity of a path buffer, terminator included.
constexpr int kPathCapacity = 260;
// Capacity of a text read from a field for the INF, terminator included.
constexpr int kTextCapacity = 512;

class MarliskDlg : public TDialog {
public:
    MarliskDlg(HWND parent, const char* infPath);
    ~MarliskDlg() override;

    // OK: writes the controls into the document and saves it before the dialog closes.
    void CloseWindow(int result) override;
    // Fills the controls from the document once the window exists.
    void SetupWindow() override;

    const char* VirtualRoot() const { return virtualRoot_.data(); }
    INIFile& Document() { return *document_; }

    // File references.
    // The full path of a field text: a text with ':' is one already, any other lies below
    // the virtual root. Points into the path scratch, valid until the next call.
    const char* MakeAbsolute(const char* text);
    // The rest of path behind the virtual root, with "." and ".." resolved, or nullptr when
    // path lies outside it. Points into a scratch of its own, valid until the next call.
    const char* RelativePart(const char* path) const;
    // Whether path (a buffer of kPathCapacity, changed when the file is copied into the root)
    // may be used; interactive: the user is asked and told.
    bool CheckFileReference(char* path, bool interactive);

    // Icon preview.
    void UpdateIcon(bool messages);

    // Starter settings.
    void ApplyStarterCheckBox();

    // Popup-menu entries.
    void LoadPopupEntries();
    void WritePopupEntries();
    void RefillEntryList();
    void SelectEntry();
    void MakeUniqueName(char* name) const;
    void NewEntry();
    void DeleteEntry();
    void RenameEntry();

private:
    // The texts of the icon file and number fields together.
    std::string IconFieldsText() const;

    // Handlers of the notification table.
    void PaintIconPreview(HDC dc);
    void BrowseIconFile();
    void IconFieldLeft();
    void BrowseAutoPlayFile();
    void BrowseEntryCommand();
    void BrowseStarterProgram();
    void AutoPlayFileLeft();
    void EntryCommandLeft();
    void StarterProgramLeft();
    void TestStarter();
    void ShowHelp();

    // Checks the reference in field after a change, when it is left; reverts nothing.
    void CheckFieldReference(TEdit& field, bool& changed);
    // The browse dialog of a file field.
    void BrowseFileField(TEdit& field);
    // Takes the texts of the command and menu text fields over into the current entry.
    void TakeOverEntryFields();
    // Enables or disables the controls that follow the current entry.
    void EnableEntryControls(bool enable);

    // Controls, in the order they are made.
    TStatic autoPlayLabel_{*this, 113};
    TStatic headlineLabel_{*this, 104};
    TStatic questionTextLabel_{*this, 106};
    TStatic starterProgramLabel_{*this, 108};
    TStatic iconMarker_{*this, 112};
    TStatic entryCommandLabel_{*this, 125};
    TStatic entryNameLabel_{*this, 124};
    TStatic menuTextLabel_{*this, 126};
    TEdit autoPlayFile_{*this, 101};
    TEdit headline_{*this, 105};
    TEdit questionText_{*this, 107};
    TEdit starterProgram_{*this, 109};
    TEdit iconFile_{*this, 110};
    TEdit iconNumber_{*this, 111};
    TEdit entryCommand_{*this, 118};
    TEdit menuText_{*this, 119};
    TEdit entryName_{*this, 10};
    TListBox entryList_{*this, 114};
    TCheckBox useStarter_{*this, 102};
    TGroupBox starterGroup_{*this, 103};
    TButton browseStarterProgram_{*this, 123};
    TButton browseAutoPlayFile_{*this, 120};
    TButton browseEntryCommand_{*this, 122};
    TButton deleteEntry_{*this, 116};
    TButton testStarter_{*this, 127};

    std::array<char, kPathCapacity> virtualRoot_{};
    std::array<char, kPathCapacity> pathScratch_{};
    // Holds the result of RelativePart, which is no longer a piece of its argument.
    mutable std::string relativeScratch_;
    OwnedIcon icon_;
    // Change flags: the field's text changed since its lost-focus handler last looked.
    bool iconChanged_ = false;
    bool autoPlayFileChanged_ = false;
    bool entryCommandChanged_ = false;
    bool starterProgramChanged_ = false;
    bool entryNameChanged_ = false;
    std::string shownIconFile_;
    int shownIconNumber_ = 0;
    // The icon fields as set-up left them, when the "Icon" value holds characters that
    // Windows-1252 lacks: unchanged, they do not replace the value. Empty otherwise.
    std::string loadedHiddenIcon_;
    std::unique_ptr<INIFile> document_;
    TISArrayAsVector<ShellData> entries_{11, 10};
    ShellData* currentEntry_ = nullptr;
    int currentIndex_ = 0;
};
