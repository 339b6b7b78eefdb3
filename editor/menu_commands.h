// The commands of the main window's menu and its keys: the CD's check, AutoPlay's keys, the
// platforms' sections, the CD's name and its image, the help and the About box. Each works on the
// AutoRun.INF that the main dialog edits, through what the dialog gives it (InfEditingDialog).
// One source file per command: menu_cd_check.cpp, menu_autoplay.cpp, menu_platforms.cpp,
// menu_cd_label.cpp, menu_cd_image.cpp; the help and the About box in menu_commands.cpp.
#pragma once

#include "cd_check_run.h"
#include "inf_editing_dialog.h"
#include "ini_file.h"

class MenuCommands {
public:
    explicit MenuCommands(InfEditingDialog& editing) : editing_(editing) {}

    // Runs the command of a menu item's id; false for an id that is no command of the menu. A
    // command that arrives while something modal holds the main window is dropped.
    bool Run(int id);

private:
    // Writes into scratch, a second reading of the INF, every change made since it was read
    // (the fields' texts, the entries, the CD's name, AutoPlay's keys), as OK would save them.
    void WriteAsSavedNow(INIFile& scratch);
    // The check of the CD as OK would save it now: the INF as it was read, with every change
    // made since against the files in the virtual root. Changes neither the document nor the
    // file.
    CdCheckOutcome CheckCdAsSavedNow();
    // The check of the CD with the INF as it is saved: what an image of the CD holds.
    CdCheckOutcome CheckCdAsOnDisk();
    // "CD prüfen": the check's findings in a dialog; a finding about a field brings the user
    // there.
    void CheckCd();
    // The CD's name, in a dialog of its own.
    void EditCdLabel();
    // The keys AutoPlay reads, in a dialog of their own.
    void EditAutoPlay();
    // The AutoRun sections of the platforms: which one the main dialog edits, and new ones.
    void EditPlatforms();
    // What each Windows does with the CD as OK would save it now.
    void ShowPreview();
    // The CD directory as an ISO image, into a file the user chooses.
    void MakeCdImage();
    // The help at its contents.
    void ShowHelp();
    void ShowAbout();

    // Copies the CD's name from one document of this INF into another.
    static void CopyCdLabel(INIFile& from, INIFile& to, const std::string& autoRun);
    // Copies the keys AutoPlay reads from one document of this INF into another.
    static void CopyAutoPlay(const INIFile& from, INIFile& to, const std::string& autoRun);

    InfEditingDialog& editing_;
};
