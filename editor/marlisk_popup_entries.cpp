// The entries of the CD's context menu: read from the keys "Shell\<name>" and
// "Shell\<name>\Command" of [AutoRun], in any letter case as Windows reads them, shown in the entry
// list with the current entry's fields beside it, added, renamed and deleted there, and written
// back on OK.
#include "marlisk_dlg.h"

#include "ascii_case.h"
#include "autoplay_settings.h"
#include "bounded_text.h"
#include "entry_names.h"
#include "inf_names.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Entries = TISArrayAsVector<ShellData>;

unsigned IndexOfEntry(const Entries& entries, const ShellData* wanted) {
    return entries.FindFirst([wanted](const ShellData& item) { return &item == wanted; });
}

// Windows tells entries apart by their keys, without regard to the case of a to z.
unsigned IndexOfName(const Entries& entries, const std::string& name) {
    return entries.FindFirst(
        [&name](const ShellData& item) { return ascii_case::Same(item.name, name); });
}

bool IsNameTaken(const Entries& entries, const std::string& name) {
    return IndexOfName(entries, name) != Entries::NPOS;
}

} // namespace

void MarliskDlg::LoadPopupEntries() {
    const autorun::AutoRunInf inf(*document_, false, section_);
    spelling_ = inf.Spelling();
    // An entry listed already keeps its name and takes the file's keys and texts.
    for (const autorun::MenuEntry& item : inf.MenuEntries()) {
        const unsigned listed = IndexOfName(entries_, item.name);
        if (listed == Entries::NPOS) {
            entries_.Add(std::make_unique<ShellData>(item));
            continue;
        }
        ShellData& known = entries_[listed];
        known = ShellData(known.name, item.command, item.menuText);
        known.menuKey = item.menuKey;
        known.commandKey = item.commandKey;
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
    // A field reads at most a path's length of its text: a longer text the user left alone
    // goes back whole.
    const struct {
        const TEdit& field;
        std::string& text;
    } fields[] = {{entryCommand_, currentEntry_->command}, {menuText_, currentEntry_->menuText}};
    std::array<char, filehelp::kPathBufferSize> shown{};
    for (const auto& taken : fields) {
        taken.field.GetText(shown.data(), filehelp::kPathBufferSize);
        if (!autorun::ShowsUnchanged(taken.text, shown.data(), filehelp::kMaxPathLength))
            taken.text = shown.data();
    }
}

void MarliskDlg::EnableEntryControls(bool enable) {
    const TControl* const followers[] = {
        &deleteEntry_, &browseEntryCommand_, &entryName_,         &entryCommand_,
        &menuText_,    &entryNameLabel_,     &entryCommandLabel_, &menuTextLabel_};
    for (const TControl* control : followers)
        control->EnableWindow(enable);
}

void MarliskDlg::MakeUniqueName(char* name) const {
    const std::string unique = entry_names::MakeUniqueName(
        name, [this](const std::string& candidate) { return IsNameTaken(entries_, candidate); });
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
    autorun::FollowRenamedEntry(*document_, section_.c_str(), currentEntry_->name, "");
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
        const std::string oldName = currentEntry_->name;
        const std::string menuKey = currentEntry_->menuKey;
        const std::string commandKey = currentEntry_->commandKey;
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

        auto kept = std::make_unique<ShellData>(name.data(), command, menuText);
        // Under its old name the entry stays with its keys as the file spells them.
        if (kept->name == oldName) {
            kept->menuKey = menuKey;
            kept->commandKey = commandKey;
        }
        if (kept->name != oldName)
            autorun::FollowRenamedEntry(*document_, section_.c_str(), oldName, kept->name);
        ShellData& renamed = entries_.Add(std::move(kept));
        currentEntry_ = &renamed;
        currentIndex_ = static_cast<int>(IndexOfEntry(entries_, &renamed));
        RefillEntryList();
    }
    // Showing the entry under its new name marked the field as changed again.
    ClearChangeMark(IDC_ENTRY_NAME);
}

std::vector<std::string> MarliskDlg::EntryNames() const {
    std::vector<std::string> names;
    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index)
        names.push_back(entries_[index].name);
    return names;
}

void MarliskDlg::WritePopupEntries(INIFile& document) {
    TakeOverEntryFields();
    std::vector<const ShellData*> entries;
    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index)
        entries.push_back(&entries_[index]);
    autorun::WriteMenuEntries(document, section_.c_str(), entries, spelling_);
}
