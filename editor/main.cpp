// Quillot ("Marlisk V1.0"): the editor of a CD's AutoRun.INF. The user chooses the file in
// the open-file dialog; its directory is the virtual CD root for the whole run.
#include "file_choice.h"
#include "file_help.h"
#include "marlisk_app.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <array>
#include <cstring>
#include <memory>

namespace {

constexpr char kProposedName[] = "AutoStart.INF";

// Lets the user choose or create the AutoRun.INF; false when the choice was cancelled.
bool ChooseInf(HINSTANCE instance, std::array<char, filehelp::kPathBufferSize>& fileName) {
    std::array<char, filehelp::kPathBufferSize> initialDirectory{};
    std::array<char, filehelp::kPathBufferSize> title{};
    std::strncpy(title.data(), LoadResourceString(IDS_CAPTION).c_str(),
                 filehelp::kPathBufferSize - 1);
    std::strncpy(initialDirectory.data(), theFileHelp->ProgramDirectory(),
                 filehelp::kPathBufferSize - 1);
    std::strncpy(fileName.data(), kProposedName, filehelp::kPathBufferSize - 1);
    const std::string filter = FileDialogFilter(IDS_INF_FILTER);

    OPENFILENAMEA description = {};
    // The size of the original description: Windows 95 and NT 4.0 refuse a larger one.
    description.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    description.hInstance = instance;
    description.lpstrFilter = filter.data();
    description.lpstrFile = fileName.data();
    description.nMaxFile = filehelp::kPathBufferSize;
    description.lpstrInitialDir = initialDirectory.data();
    description.lpstrTitle = title.data();
    description.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT | OFN_NOREADONLYRETURN;
    return ShowOpenFileDialog(description);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Loads the common controls, so that the visual styles the manifest asks for take effect
    // (Windows XP shows no dialog of such a program otherwise).
    InitCommonControls();
    // Lives until the process ends: every handler of the dialog uses it.
    theFileHelp = new FileHelp(instance);

    std::array<char, filehelp::kPathBufferSize> infPath{};
    if (!ChooseInf(instance, infPath)) {
        delete theFileHelp;
        theFileHelp = nullptr;
        return 0;
    }
    auto application = std::make_unique<MarliskApp>(infPath.data());
    return application->Run();
}
