// The AutoRun sections of the platforms, in a dialog of their own.
#include "menu_commands.h"

#include "ascii_case.h"
#include "platforms_dlg.h"

void MenuCommands::EditPlatforms() {
    // The dialog copies the edited section and may leave it: the document holds what the fields
    // show, the one the user is in checked first.
    editing_.RunPendingLeaveCheck();
    editing_.WriteBackFields();
    PlatformsDlg dialog(editing_);
    if (dialog.Execute(editing_.Handle()) == IDOK &&
        !ascii_case::Same(dialog.Chosen(), editing_.EditedSection()))
        editing_.EditSection(dialog.Chosen());
}
