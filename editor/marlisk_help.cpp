// The help: the HTML Help file beside the editor, at the page of the group the user asks
// about; an old WinHelp file where only that lies there; otherwise a message that says
// where the help file belongs. And the About box, the help menu's other item.
#include "marlisk_dlg.h"

#include "about_dlg.h"

#include "file_help.h"
#include "help_topics.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <string>

namespace {

// The help files, beside the editor's executable: the HTML Help file that every Windows from
// 98 on shows, and the WinHelp file of older installations.
constexpr char kHtmlHelpFile[] = "Hovenac.chm";
constexpr char kWinHelpFile[] = "Hovenac.HLP";
// WinHelp opens the file at its contents topic with this data value.
constexpr ULONG_PTR kHelpContentsData = 1;

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

void MarliskDlg::ShowHelp(int controlId) {
    if (MainWindowBusy())
        return;
    OpenHelp(controlId);
}

void MarliskDlg::OpenHelp(int controlId) {
    std::string directory = theFileHelp->ProgramDirectory();
    if (directory.empty() || directory.back() != '\\')
        directory += '\\';

    const std::string htmlHelp = directory + kHtmlHelpFile;
    if (IsFile(htmlHelp) && htmlHelp_.Show(Handle(), htmlHelp, HelpTopicOf(controlId)))
        return;
    const std::string winHelp = directory + kWinHelpFile;
    if (IsFile(winHelp)) {
        winHelpFile_ = winHelp;
        winHelpOwner_ = Handle();
        WinHelpA(Handle(), winHelp.c_str(), HELP_CONTENTS, kHelpContentsData);
        return;
    }
    const std::string text = LoadResourceString(IDS_HELP_UNAVAILABLE) + "\n" + directory;
    ShowMessageBox(Handle(), text.c_str(), LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
}

void MarliskDlg::QuitWinHelp() {
    // WinHelp is a program of its own: it is told that the editor needs it no more.
    if (!winHelpFile_.empty())
        WinHelpA(winHelpOwner_, winHelpFile_.c_str(), HELP_QUIT, 0);
}

void MarliskDlg::ShowAbout() {
    if (MainWindowBusy())
        return;
    RunPendingCheck();
    AboutDlg about;
    about.Execute(Handle());
}
