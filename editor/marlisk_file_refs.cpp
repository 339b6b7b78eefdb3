// File references inside the virtual root.
#include "marlisk_dlg.h"

void MarliskDlg::BrowseAutoPlayFile() {}
void MarliskDlg::BrowseEntryCommand() {}
void MarliskDlg::BrowseStarterProgram() {}
void MarliskDlg::AutoPlayFileLeft() {}
void MarliskDlg::EntryCommandLeft() {}
void MarliskDlg::StarterProgramLeft() {}

// Temporary stand-ins for the file-reference rules, so that the icon and starter handlers can
// be tested before the real ones arrive.
#include "file_help.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <cstring>
#include <string>

const char* MarliskDlg::MakeAbsolute(const char* text) {
    std::string full =
        std::strchr(text, ':') != nullptr ? text : virtualRoot_.data() + std::string(text);
    std::strncpy(pathScratch_.data(), full.c_str(), kPathCapacity - 1);
    pathScratch_[kPathCapacity - 1] = '\0';
    return pathScratch_.data();
}

const char* MarliskDlg::RelativePart(const char* path) const {
    const size_t length = std::strlen(virtualRoot_.data());
    return std::strncmp(path, virtualRoot_.data(), length) == 0 ? path + length : nullptr;
}

bool MarliskDlg::CheckFileReference(char* path, bool interactive) {
    const char* relative = RelativePart(path);
    if (relative == nullptr) {
        if (!interactive)
            return false;
        if (ShowMessageBox(Handle(), LoadResourceString(IDS_OUTSIDE_ROOT_QUESTION).c_str(),
                           LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_YESNO) != IDYES)
            return false;
        const std::string target = virtualRoot_.data() + std::string(theFileHelp->FileNameOf(path));
        if (!theFileHelp->CopyFileTo(path, target.c_str())) {
            ShowMessageBox(Handle(), LoadResourceString(IDS_COPY_FAILED).c_str(),
                           LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
            return false;
        }
        std::strncpy(path, target.c_str(), kPathCapacity - 1);
        relative = RelativePart(path);
    }
    std::string name = relative;
    name = name.substr(0, name.find(' '));
    bool ok = false;
    if (!name.empty()) {
        OFSTRUCT info;
        ok = theFileHelp->FileExists((virtualRoot_.data() + name).c_str()) ||
             (name.find('\\') == std::string::npos &&
              OpenFile(name.c_str(), &info, OF_EXIST) != HFILE_ERROR);
    }
    if (!ok && interactive)
        ShowMessageBox(Handle(), LoadResourceString(IDS_FILE_MISSING).c_str(),
                       LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
    return ok;
}
