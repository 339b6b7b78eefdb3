// The entries of the CD's context menu: read from the keys "Shell\<name>" and
// "Shell\<name>\Command" of [AutoRun], in any letter case as Windows reads them, shown in the entry
// list with the current entry's fields beside it, added, renamed and deleted there, and written
// back on OK.
#include "marlisk_dlg.h"

#include "ascii_case.h"
#include "bounded_text.h"
#include "entry_names.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Entries = TISArrayAsVector<ShellData>;

unsigned IndexOfEntry(const Entries& entries, const ShellData* wanted) {
    return entries.FindFirst([wanted](const ShellData& item) { return &item == wanted; });
}

// Windows tells entries apart by their keys, without regard to the case of a to z.
bool IsNameTaken(const Entries& entries, const std::string& name) {
    return entries.FindFirst([&name](const ShellData& item) {
        return ascii_case::Same(item.name, name);
    }) != Entries::NPOS;
}

// The keys of a section in the order of the file, keys added since behind them: of keys that
// Windows takes for one, it reads the first.
std::vector<const entry*> KeysInFileOrder(const section* holder) {
    std::vector<const entry*> keys;
    if (holder == nullptr)
        return keys;
    for (const auto& item : holder->entries)
        keys.push_back(item.get());
    std::stable_sort(keys.begin(), keys.end(), [](const entry* left, const entry* right) {
        return (left->line == 0 ? UINT_MAX : left->line) <
               (right->line == 0 ? UINT_MAX : right->line);
    });
    return keys;
}

const entry* FirstKeyNamed(const std::vector<const entry*>& keys, const std::string& wanted) {
    for (const entry* key : keys) {
        if (ascii_case::Same(*key, wanted))
            return key;
    }
    return nullptr;
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
    entryPrefix_ = LoadResourceString(IDS_SHELL_PREFIX);
    commandSuffix_ = LoadResourceString(IDS_COMMAND_SUFFIX);
    const std::vector<const entry*> keys = KeysInFileOrder(document_->FindSection(autoRun.c_str()));
    bool prefixSeen = false;
    bool suffixSeen = false;
    for (const entry* key : keys) {
        const std::optional<std::string> name =
            entry_names::EntryNameOfKey(*key, entryPrefix_, entry_names::PrefixCase::kIgnored);
        if (!name)
            continue;
        if (!prefixSeen)
            entryPrefix_ = key->substr(0, entryPrefix_.size());
        prefixSeen = true;
        const std::size_t commandLength =
            entryPrefix_.size() + name->size() + commandSuffix_.size();
        if (!suffixSeen && key->size() == commandLength &&
            ascii_case::Same(key->substr(commandLength - commandSuffix_.size()),
                                  commandSuffix_)) {
            commandSuffix_ = key->substr(commandLength - commandSuffix_.size());
            suffixSeen = true;
        }
        if (!IsNameTaken(entries_, *name))
            entries_.Add(std::make_unique<ShellData>(*name, std::string(), std::string()));
    }
    // The keys Windows reads for each entry, in their own spelling.
    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
        ShellData& item = entries_[index];
        const entry* menuKey = FirstKeyNamed(keys, MenuKeyOf(item));
        const entry* commandKey = FirstKeyNamed(keys, CommandKeyOf(item));
        item.menuKey = menuKey != nullptr ? std::string(*menuKey) : MenuKeyOf(item);
        item.commandKey = commandKey != nullptr ? std::string(*commandKey) : CommandKeyOf(item);
        item.menuText = menuKey != nullptr ? menuKey->value : std::string();
        item.command = commandKey != nullptr ? commandKey->value : std::string();
    }
    currentIndex_ = 0;
    RefillEntryList();
}

std::string MarliskDlg::MenuKeyOf(const ShellData& item) const {
    return item.menuKey.empty() ? entryPrefix_ + item.name : item.menuKey;
}

std::string MarliskDlg::CommandKeyOf(const ShellData& item) const {
    return item.commandKey.empty() ? entryPrefix_ + item.name + commandSuffix_ : item.commandKey;
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
        ShellData& renamed = entries_.Add(std::move(kept));
        currentEntry_ = &renamed;
        currentIndex_ = static_cast<int>(IndexOfEntry(entries_, &renamed));
        RefillEntryList();
    }
    // Showing the entry under its new name marked the field as changed again.
    ClearChangeMark(IDC_ENTRY_NAME);
}

void MarliskDlg::WritePopupEntries(INIFile& document) {
    TakeOverEntryFields();
    const std::string autoRun = LoadResourceString(IDS_AUTORUN);

    // The names whose keys in the file belong to an entry still there: every key of such a
    // name stays, also one that Windows does not read beside the one it does. The keys of the
    // other names belong to entries that were deleted or renamed.
    std::vector<std::string> keptNames;
    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
        const ShellData& item = entries_[index];
        if (!item.menuKey.empty())
            keptNames.push_back(item.name);
    }
    const auto isKept = [&keptNames](const std::string& name) {
        return std::any_of(keptNames.begin(), keptNames.end(), [&name](const std::string& kept) {
            return ascii_case::Same(kept, name);
        });
    };

    // A removal shifts the later keys down onto the index just looked at, so the walk moves on
    // only past a key that stays.
    for (int index = 0; index < document.EntryCount(autoRun.c_str());) {
        const std::string key = document.GetKey(autoRun.c_str(), static_cast<unsigned>(index));
        const std::optional<std::string> name =
            entry_names::EntryNameOfKey(key, entryPrefix_, entry_names::PrefixCase::kIgnored);
        if (!name || isKept(*name)) {
            ++index;
            continue;
        }
        const int before = document.EntryCount(autoRun.c_str());
        document.RemoveExactEntry(autoRun.c_str(), key.c_str());
        if (document.EntryCount(autoRun.c_str()) == before)
            ++index;
    }

    for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
        const ShellData& item = entries_[index];
        SetEntryKey(document, autoRun, MenuKeyOf(item), item.menuText);
        SetEntryKey(document, autoRun, CommandKeyOf(item), item.command);
    }
}
