#include "editor_help.h"

#include "file_help.h"
#include "help_topics.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

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

EditorHelp::~EditorHelp() {
    // WinHelp is a program of its own: it is told that the editor needs it no more.
    if (!winHelpFile_.empty())
        WinHelpA(winHelpOwner_, winHelpFile_.c_str(), HELP_QUIT, 0);
}

void EditorHelp::Open(HWND owner, int controlId) {
    std::string directory = theFileHelp->ProgramDirectory();
    if (directory.empty() || directory.back() != '\\')
        directory += '\\';

    const std::string htmlHelp = directory + kHtmlHelpFile;
    if (IsFile(htmlHelp) && htmlHelp_.Show(owner, htmlHelp, HelpTopicOf(controlId)))
        return;
    const std::string winHelp = directory + kWinHelpFile;
    if (IsFile(winHelp)) {
        winHelpFile_ = winHelp;
        winHelpOwner_ = owner;
        WinHelpA(owner, winHelp.c_str(), HELP_CONTENTS, kHelpContentsData);
        return;
    }
    const std::string text = LoadResourceString(IDS_HELP_UNAVAILABLE) + "\n" + directory;
    ShowMessageBox(owner, text.c_str(), LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
}
