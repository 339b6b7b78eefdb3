// The keys AutoPlay reads, in a dialog of their own: what its OK gives goes into the document
// like every other change of the menu's dialogs; the file gets it with the main dialog's OK.
#include "menu_commands.h"

#include "autoplay_dlg.h"
#include "autoplay_settings.h"
#include "inf_view.h"
#include "inf_names.h"

#include <string>

namespace {

autorun::AutoPlaySettings SettingsOf(const INIFile& document, const std::string& sectionName) {
    return autorun::ReadAutoPlaySettings(autorun::InfView(document, false), sectionName);
}

} // namespace

void MenuCommands::CopyAutoPlay(const INIFile& from, INIFile& to, const std::string& autoRun) {
    autorun::WriteAutoPlaySettings(to, autoRun, SettingsOf(to, autoRun), SettingsOf(from, autoRun));
}

void MenuCommands::EditAutoPlay() {
    // The dialog takes the focus from the field the user was in: that field's check runs now.
    editing_.RunPendingLeaveCheck();
    INIFile& document = editing_.Document();
    const std::string& sectionName = editing_.EditedSection();
    const autorun::AutoPlaySettings read = SettingsOf(document, sectionName);
    AutoPlayDlg dialog(editing_, read);
    if (dialog.Execute(editing_.Handle()) == IDOK)
        autorun::WriteAutoPlaySettings(document, sectionName, read, dialog.Edited());
}
