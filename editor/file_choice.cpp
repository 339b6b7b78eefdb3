#include "file_choice.h"

#include "bounded_text.h"
#include "file_help.h"
#include "modal_boxes.h"
#include "path_limits.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <commdlg.h>

#include <array>

namespace {

// What both file dialogs are told: their owner, the filter and the buffer of the chosen path.
OPENFILENAMEA DialogDescription(HWND owner, const std::string& filter, char* chosen) {
    OPENFILENAMEA description = {};
    // The size of the original description: Windows 95 and NT 4.0 refuse a larger one.
    description.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    description.hwndOwner = owner;
    description.lpstrFilter = filter.c_str();
    description.lpstrFile = chosen;
    description.nMaxFile = filehelp::kPathBufferSize;
    return description;
}

} // namespace

std::string FileDialogFilter(unsigned filterId) {
    std::string filter = LoadResourceString(filterId);
    for (char& c : filter) {
        if (c == '|')
            c = '\0';
    }
    // Two terminators, whatever the text ended with.
    filter.append(2, '\0');
    return filter;
}

bool ChooseExistingFile(HWND owner, const char* startPath, unsigned filterId, char* chosen) {
    std::array<char, filehelp::kPathBufferSize> initialDirectory{};
    filehelp::BoundedText(initialDirectory.data(), initialDirectory.size())
        .Append(theFileHelp->DirectoryOf(startPath));
    chosen[0] = '\0';
    filehelp::BoundedText(chosen, filehelp::kPathBufferSize)
        .Append(theFileHelp->FileNameOf(startPath));
    const std::string filter = FileDialogFilter(filterId);

    OPENFILENAMEA description = DialogDescription(owner, filter, chosen);
    description.lpstrInitialDir = initialDirectory.data();
    description.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return ShowOpenFileDialog(description);
}

bool ChooseFileToWrite(HWND owner, const std::string& directory, const std::string& name,
                       unsigned filterId, const char* extension, char* chosen) {
    chosen[0] = '\0';
    filehelp::BoundedText(chosen, filehelp::kPathBufferSize).Append(name.c_str());
    const std::string filter = FileDialogFilter(filterId);

    OPENFILENAMEA description = DialogDescription(owner, filter, chosen);
    description.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    description.lpstrDefExt = extension;
    description.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_NOREADONLYRETURN;
    return ShowSaveFileDialog(description);
}
