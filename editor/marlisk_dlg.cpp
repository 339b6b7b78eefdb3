#include "marlisk_dlg.h"

#include "file_help.h"
#include "the_file_help.h"

#include <cstring>

namespace {
constexpr int kDialogTemplate = 3;
}

MarliskDlg::MarliskDlg(HWND parent, const char* infPath)
    : TDialog(parent, kDialogTemplate), document_(std::make_unique<INIFile>(infPath)) {
    std::strncpy(virtualRoot_.data(), theFileHelp->DirectoryOf(infPath), kPathCapacity - 1);
    FileHelp::AddBackslash(virtualRoot_.data());

    BindPaint([this](HDC dc) { PaintIconPreview(dc); });
    Bind(120, TNotification::Click, [this] { BrowseAutoPlayFile(); });
    Bind(121, TNotification::Click, [this] { BrowseIconFile(); });
    Bind(115, TNotification::Click, [this] { NewEntry(); });
    Bind(116, TNotification::Click, [this] { DeleteEntry(); });
    Bind(122, TNotification::Click, [this] { BrowseEntryCommand(); });
    Bind(123, TNotification::Click, [this] { BrowseStarterProgram(); });
    Bind(127, TNotification::Click, [this] { TestStarter(); });
    Bind(100, TNotification::Click, [this] { ShowHelp(); });
    Bind(110, TNotification::LostFocus, [this] { IconFieldLeft(); });
    Bind(110, TNotification::Changed, [this] { iconChanged_ = true; });
    Bind(111, TNotification::LostFocus, [this] { IconFieldLeft(); });
    Bind(111, TNotification::Changed, [this] { iconChanged_ = true; });
    Bind(101, TNotification::LostFocus, [this] { AutoPlayFileLeft(); });
    Bind(101, TNotification::Changed, [this] { autoPlayFileChanged_ = true; });
    Bind(118, TNotification::LostFocus, [this] { EntryCommandLeft(); });
    Bind(118, TNotification::Changed, [this] { entryCommandChanged_ = true; });
    Bind(109, TNotification::LostFocus, [this] { StarterProgramLeft(); });
    Bind(109, TNotification::Changed, [this] { starterProgramChanged_ = true; });
    Bind(10, TNotification::LostFocus, [this] { RenameEntry(); });
    Bind(10, TNotification::Changed, [this] { entryNameChanged_ = true; });
    Bind(102, TNotification::Click, [this] { ApplyStarterCheckBox(); });
    Bind(114, TNotification::SelectionChanged, [this] { SelectEntry(); });
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
