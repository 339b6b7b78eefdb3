#include "menu_commands.h"

#include "about_dlg.h"
#include "resource_ids.h"

bool MenuCommands::Run(int id) {
    static constexpr struct {
        int id;
        void (MenuCommands::*run)();
    } kCommands[] = {
        {IDM_CD_CHECK, &MenuCommands::CheckCd},        {IDM_AUTOPLAY, &MenuCommands::EditAutoPlay},
        {IDM_PLATFORMS, &MenuCommands::EditPlatforms}, {IDM_PREVIEW, &MenuCommands::ShowPreview},
        {IDM_CD_LABEL, &MenuCommands::EditCdLabel},    {IDM_CD_IMAGE, &MenuCommands::MakeCdImage},
        {IDM_HELP_CONTENTS, &MenuCommands::ShowHelp},  {IDM_ABOUT, &MenuCommands::ShowAbout},
    };
    for (const auto& command : kCommands) {
        if (command.id != id)
            continue;
        if (!editing_.MainWindowBusy())
            (this->*command.run)();
        return true;
    }
    return false;
}

void MenuCommands::ShowHelp() {
    editing_.Help().Open(editing_.Handle(), 0);
}

void MenuCommands::ShowAbout() {
    editing_.RunPendingLeaveCheck();
    AboutDlg about;
    about.Execute(editing_.Handle());
}
