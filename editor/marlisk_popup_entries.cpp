// The entries of the CD's context menu: read from the keys "Shell\<name>" and
// "Shell\<name>\Command" of [AutoRun], shown in the entry list with the current entry's
// fields beside it, added, renamed and deleted there, and written back on OK.
#include "marlisk_dlg.h"

#include "bounded_text.h"
#include "entry_names.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"

#include <memory>
#include <optional>
#include <string>

namespace {

using Entries = TISArrayAsVector<ShellData>;

unsigned IndexOfName(const Entries& entries, const std::string& name) {
    return entries.Find(ShellData(name, std::string(), std::string()));
}

unsigned IndexOfEntry(const Entries& entries, const ShellData* wanted) {
    return entries.FindFirst([wanted](const ShellData& item) { return &item == wanted; });
}

// The keys of an entry; a name read from a file may be of any length.
std::string MenuTextKey(const std::string& name) {
    return LoadResourceString(IDS_SHELL_PREFIX) + name;
}

std::string CommandKey(const std::string& name) {
    return MenuTextKey(name) + LoadResourceString(IDS_COMMAND_SUFFIX);
}

// Sets key of section, exactly as written, to value. An empty value for a key the document does not
// hold changes nothing in the file (empty keys are not written), so it is not stored: the document
// would count as changed and the file be rewritten on every OK.
void SetEntryKey(INIFile& document, const std::string& sectionName, const std::string& key,
                 const std::string& value) {
    if (value.empty() &&
        document.GetExactString(sectionName.c_str(), key.c_str(), nullptr) == nullptr)
        return;
    document.SetExactString(sectionName.c_str(), key.c_str(), value.c_str());
}

} // namespace

void MarliskDlg::LoadPopupEntries() {
    const std::string autoRun = LoadResourceString(IDS_AUTORUN);
    const std::string prefix = LoadResourceString(IDS_SHELL_PREFIX);
    const int keyCount = document_->EntryCount(autoRun.c_str());
    for (int index = 0; index < keyCount; ++index) {
        const std::optional<std::string> name = entry_names::EntryNameOfKey(
            document_->GetKey(autoRun.c_str(), static_cast<unsigned>(index)), prefix);
        if (name && IndexOfName(entries_, *name) == Entries::NPOS)
            entries_.Add(std::make_unique<ShellData>(*name, std::string(), std::string()));
    }
    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
        ShellData& item = entries_[index];
        item.menuText =
            document_->GetExactString(autoRun.c_str(), MenuTextKey(item.name).c_str(), "");
        item.command =
            document_->GetExactString(autoRun.c_str(), CommandKey(item.name).c_str(), "");
    }
    currentIndex_ = 0;
    RefillEntryList();
}

void MarliskDlg::RefillEntryList() {
    entryList_.ClearList();
    const int count = static_cast<int>(entries_.GetItemsInContainer());
    for (int index = 0; index < count; ++index) {
        const ShellData& item = entries_[static_cast<unsigned>(index)];
        entryList_.AddString(item.name);
        if (&item == currentEntry_)
            currentIndex_ = index;
    }
    if (currentIndex_ >= count)
        currentIndex_ = count - 1;
    SendMessageA(entryList_.Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(currentIndex_),
                 MAKELPARAM(TRUE, 0));
    entryList_.SetSelIndex(currentIndex_);
    SelectEntry();
}

void MarliskDlg::SelectEntry() {
    currentIndex_ = entryList_.GetCaretIndex();
    TakeOverEntryFields();
    if (currentIndex_ >= 0 && currentIndex_ < static_cast<int>(entries_.GetItemsInContainer())) {
        currentEntry_ = &entries_[static_cast<unsigned>(currentIndex_)];
        // Copies: setting a field runs its change handler before the next line.
        const ShellData shown = *currentEntry_;
        entryName_.SetText(shown.name);
        entryCommand_.SetText(shown.command);
        menuText_.SetText(shown.menuText);
        EnableEntryControls(true);
    } else {
        currentEntry_ = nullptr;
        entryName_.SetText("");
        entryCommand_.SetText("");
        menuText_.SetText("");
        EnableEntryControls(false);
    }
}

void MarliskDlg::TakeOverEntryFields() {
    if (currentEntry_ == nullptr)
        return;
    std::array<char, filehelp::kPathBufferSize> text{};
    entryCommand_.GetText(text.data(), filehelp::kPathBufferSize);
    currentEntry_->command = text.data();
    menuText_.GetText(text.data(), filehelp::kPathBufferSize);
    currentEntry_->menuText = text.data();
}

void MarliskDlg::EnableEntryControls(bool enable) {
    const TControl* const followers[] = {
        &deleteEntry_, &browseEntryCommand_, &entryName_,         &entryCommand_,
        &menuText_,    &entryNameLabel_,     &entryCommandLabel_, &menuTextLabel_};
    for (const TControl* control : followers)
        control->EnableWindow(enable);
}

void MarliskDlg::MakeUniqueName(char* name) const {
    const std::string unique =
        entry_names::MakeUniqueName(name, [this](const std::string& candidate) {
            return IndexOfName(entries_, candidate) != Entries::NPOS;
        });
    filehelp::BoundedText(name, filehelp::kPathBufferSize).Append(unique);
}

void MarliskDlg::NewEntry() {
    TakeOverEntryFields();
    std::array<char, filehelp::kPathBufferSize> name{};
    filehelp::BoundedText(name.data(), name.size()).Append(LoadResourceString(IDS_POPUP_NAME_BASE));
    MakeUniqueName(name.data());
    currentEntry_ = nullptr;
    const ShellData& added =
        entries_.Add(std::make_unique<ShellData>(name.data(), std::string(), std::string()));
    currentIndex_ = static_cast<int>(IndexOfEntry(entries_, &added));
    RefillEntryList();
}

void MarliskDlg::DeleteEntry() {
    if (currentEntry_ == nullptr)
        return;
    if (ShowMessageBox(Handle(), LoadResourceString(IDS_DELETE_ENTRY_QUESTION).c_str(),
                       LoadResourceString(IDS_DELETE_ENTRY_CAPTION).c_str(), MB_YESNO) != IDYES)
        return;
    const unsigned index = IndexOfEntry(entries_, currentEntry_);
    currentEntry_ = nullptr;
    entries_.Destroy(index);
    RefillEntryList();
}

void MarliskDlg::RenameEntry() {
    if (currentEntry_ != nullptr) {
        std::array<char, filehelp::kPathBufferSize> name{};
        entryName_.GetText(name.data(), filehelp::kPathBufferSize);
        // The stored texts: the fields are taken over again under the new name below.
        const std::string command = currentEntry_->command;
        const std::string menuText = currentEntry_->menuText;
        const unsigned index = IndexOfEntry(entries_, currentEntry_);
        currentEntry_ = nullptr;
        entries_.Destroy(index);

        if (name[0] == '\0')
            menuText_.GetText(name.data(), filehelp::kPathBufferSize);
        if (name[0] == '\0')
            entryCommand_.GetText(name.data(), filehelp::kPathBufferSize);
        if (name[0] == '\0')
            filehelp::BoundedText(name.data(), name.size())
                .Append(LoadResourceString(IDS_POPUP_NAME_BASE));
        MakeUniqueName(name.data());

        ShellData& renamed =
            entries_.Add(std::make_unique<ShellData>(name.data(), command, menuText));
        currentEntry_ = &renamed;
        currentIndex_ = static_cast<int>(IndexOfEntry(entries_, &renamed));
        RefillEntryList();
    }
    // Showing the entry under its new name marked the field as changed again.
    ClearChangeMark(IDC_ENTRY_NAME);
}

void MarliskDlg::WritePopupEntries() {
    TakeOverEntryFields();
    const std::string autoRun = LoadResourceString(IDS_AUTORUN);
    const std::string prefix = LoadResourceString(IDS_SHELL_PREFIX);

    // Keys of entries that are gone. A removal shifts the later keys down onto the index just
    // looked at, so the walk moves on only past a key that stays.
    for (int index = 0; index < document_->EntryCount(autoRun.c_str());) {
        const std::string key = document_->GetKey(autoRun.c_str(), static_cast<unsigned>(index));
        const std::optional<std::string> name = entry_names::EntryNameOfKey(key, prefix);
        if (!name || IndexOfName(entries_, *name) != Entries::NPOS) {
            ++index;
            continue;
        }
        const int before = document_->EntryCount(autoRun.c_str());
        document_->RemoveExactEntry(autoRun.c_str(), key.c_str());
        if (document_->EntryCount(autoRun.c_str()) == before)
            ++index;
    }

    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
        const ShellData& item = entries_[index];
        SetEntryKey(*document_, autoRun, MenuTextKey(item.name), item.menuText);
        SetEntryKey(*document_, autoRun, CommandKey(item.name), item.command);
    }
}
