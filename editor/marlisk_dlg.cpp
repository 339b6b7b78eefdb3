#include "marlisk_dlg.h"

#include "autorun_inf.h"
#include "file_help.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <cstring>

MarliskDlg::MarliskDlg(HWND parent, const char* infPath)
    : InfEditingDialog(parent, IDD_MARLISK), infPath_(infPath),
      document_(std::make_unique<INIFile>(infPath)) {
    std::strncpy(virtualRoot_.data(), theFileHelp->DirectoryOf(infPath), virtualRoot_.size() - 1);
    FileHelp::AddBackslash(virtualRoot_.data());
    section_ = autorun::SectionToEdit(autorun::InfView(*document_, false));

    BindPaint([this](HDC dc) { PaintIconPreview(dc); });
    Bind(IDC_BROWSE_AUTOPLAY_FILE, TNotification::Click, [this] { BrowseAutoPlayFile(); });
    Bind(IDC_BROWSE_ICON_FILE, TNotification::Click, [this] { BrowseIconFile(); });
    Bind(IDC_NEW_ENTRY, TNotification::Click, [this] { NewEntry(); });
    Bind(IDC_DELETE_ENTRY, TNotification::Click, [this] { DeleteEntry(); });
    Bind(IDC_BROWSE_ENTRY_COMMAND, TNotification::Click, [this] { BrowseEntryCommand(); });
    Bind(IDC_BROWSE_STARTER_PROGRAM, TNotification::Click, [this] { BrowseStarterProgram(); });
    Bind(IDC_TEST_STARTER, TNotification::Click, [this] { TestStarter(); });
    Bind(IDC_HELP_BUTTON, TNotification::Click, [this] { ShowHelp(0); });
    BindHelp([this](int controlId) { ShowHelp(controlId); });
    // The watched fields: each is checked when the user leaves it after a change.
    BindLeaveCheck({IDC_ICON_FILE, IDC_ICON_NUMBER}, [this] { UpdateIcon(true); });
    BindLeaveCheck({IDC_AUTOPLAY_FILE}, [this] { CheckFieldReference(autoPlayFile_); });
    BindLeaveCheck({IDC_ENTRY_COMMAND}, [this] { CheckFieldReference(entryCommand_); });
    BindLeaveCheck({IDC_STARTER_PROGRAM}, [this] { CheckFieldReference(starterProgram_); });
    BindLeaveCheck({IDC_ENTRY_NAME}, [this] { RenameEntry(); });
    Bind(IDC_USE_STARTER, TNotification::Click, [this] { ApplyStarterCheckBox(); });
    Bind(IDC_ENTRY_LIST, TNotification::SelectionChanged, [this] { SelectEntry(); });
}

MarliskDlg::~MarliskDlg() {
    entries_.Flush();
    currentEntry_ = nullptr;
    // Only OK writes the file. A dialog left another way after an OK whose save failed
    // holds the written-back fields in its document: they must not reach the file now.
    if (Result() != IDOK)
        document_->DiscardChanges();
    document_.reset();
}

void MarliskDlg::ShowHelp(int controlId) {
    if (!MainWindowBusy())
        help_.Open(Handle(), controlId);
}

int MarliskDlg::ShowError(unsigned textId, unsigned type, HWND owner) {
    return ShowMessageBox(owner != nullptr ? owner : Handle(), LoadResourceString(textId).c_str(),
                          LoadResourceString(IDS_ERROR_CAPTION).c_str(), type);
}
