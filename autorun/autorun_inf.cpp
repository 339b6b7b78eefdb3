#include "autorun_inf.h"

#include "ascii_case.h"
#include "cp1252.h"
#include "entry_names.h"
#include "inf_names.h"

#include <algorithm>
#include <optional>

namespace autorun {

namespace {

// A value with the characters that code page 1252 lacks, while it is still what was read.
std::u16string UnitsOf(const entry& item) {
    const std::u16string& wide = item.Wide().value;
    if (!wide.empty() && cp1252::Narrowed(wide) == item.value)
        return wide;
    return cp1252::Widened(item.value);
}

bool IsNameTaken(const std::vector<MenuEntry>& entries, std::string_view name) {
    return std::any_of(entries.begin(), entries.end(),
                       [name](const MenuEntry& item) { return ascii_case::Same(item.name, name); });
}

// A value as Windows reads it, an "Icon" of [AutoRun] in the form the write-back gives it.
std::u16string ValueRead(const section& part, const entry& item) {
    const std::u16string units = UnitsOf(item);
    if (!IsAutoRunSection(part) || !ascii_case::Same(item, inf_names::Icon()) ||
        !cp1252::IsLossless(units))
        return units;
    const icon_value::IconReference icon = icon_value::SplitIconValue(item.value);
    return cp1252::Widened(icon_value::JoinIconValue(icon.file, icon.number));
}

// Whether every non-empty value that Windows reads in one view it reads alike in the other.
bool ValuesFound(const InfView& from, const InfView& in) {
    for (const section* part : from.SectionsInFileOrder()) {
        if (from.Find(*part) != part)
            continue;
        const section* other = in.Find(*part);
        for (const entry* item : from.EntriesInFileOrder(*part)) {
            if (from.Find(*part, *item) != item || item->value.empty())
                continue;
            const entry* found = other != nullptr ? in.Find(*other, *item) : nullptr;
            if (found == nullptr || ValueRead(*part, *item) != ValueRead(*other, *found))
                return false;
        }
    }
    return true;
}

} // namespace

AutoRunInf::AutoRunInf(const INIFile& document, bool firstLineLost, std::string_view entriesSection)
    : view_(document, firstLineLost) {
    spelling_ = {inf_names::ShellPrefix(), inf_names::CommandSuffix()};
    const section* autoRun =
        view_.Find(entriesSection.empty() ? inf_names::AutoRun() : entriesSection);
    if (autoRun == nullptr)
        return;
    const std::vector<const entry*>& keys = view_.EntriesInFileOrder(*autoRun);
    bool prefixSeen = false;
    bool suffixSeen = false;
    for (const entry* key : keys) {
        const std::optional<std::string> name =
            entry_names::EntryNameOfKey(*key, spelling_.prefix, entry_names::PrefixCase::kIgnored);
        if (!name)
            continue;
        if (!prefixSeen)
            spelling_.prefix = key->substr(0, spelling_.prefix.size());
        prefixSeen = true;
        const std::size_t commandLength =
            spelling_.prefix.size() + name->size() + spelling_.suffix.size();
        const std::size_t suffixAt = commandLength - spelling_.suffix.size();
        if (!suffixSeen && key->size() == commandLength &&
            ascii_case::Same(key->substr(suffixAt), spelling_.suffix)) {
            spelling_.suffix = key->substr(suffixAt);
            suffixSeen = true;
        }
        if (!IsNameTaken(entries_, *name))
            entries_.emplace_back(*name, std::string(), std::string());
    }
    for (MenuEntry& item : entries_) {
        const entry* menuKey = view_.Find(*autoRun, MenuKeyOf(item, spelling_));
        const entry* commandKey = view_.Find(*autoRun, CommandKeyOf(item, spelling_));
        item.menuKey = menuKey != nullptr ? std::string(*menuKey) : MenuKeyOf(item, spelling_);
        item.commandKey =
            commandKey != nullptr ? std::string(*commandKey) : CommandKeyOf(item, spelling_);
        item.menuText = menuKey != nullptr ? menuKey->value : std::string();
        item.command = commandKey != nullptr ? commandKey->value : std::string();
    }
}

AutoRunInf::~AutoRunInf() = default;

const section* AutoRunInf::SectionReadBy(std::string_view processor) const {
    if (!processor.empty()) {
        const std::string name = std::string(inf_names::AutoRun()) + inf_names::kPlatformSeparator +
                                 std::string(processor);
        if (const section* own = view_.Find(name))
            return own;
    }
    return view_.Find(inf_names::AutoRun());
}

std::string_view AutoRunInf::Value(std::string_view key) const {
    const section* autoRun = SectionReadBy();
    return autoRun != nullptr ? view_.ValueOf(*autoRun, key) : std::string_view();
}

std::string_view AutoRunInf::Open() const {
    return Value(inf_names::Open());
}

icon_value::IconReference AutoRunInf::Icon() const {
    return icon_value::SplitIconValue(Value(inf_names::Icon()));
}

std::u16string AutoRunInf::Label() const {
    const section* autoRun = SectionReadBy();
    const entry* label = autoRun != nullptr ? view_.Find(*autoRun, inf_names::kLabel) : nullptr;
    return label != nullptr ? UnitsOf(*label) : std::u16string();
}

std::string_view AutoRunInf::StarterValue(std::string_view key) const {
    const section* starter = view_.Find(inf_names::Orbilan());
    return starter != nullptr ? view_.ValueOf(*starter, key) : std::string_view();
}

std::string MenuKeyOf(const MenuEntry& item, const KeySpelling& spelling) {
    return item.menuKey.empty() ? spelling.prefix + item.name : item.menuKey;
}

std::string CommandKeyOf(const MenuEntry& item, const KeySpelling& spelling) {
    return item.commandKey.empty() ? spelling.prefix + item.name + spelling.suffix
                                   : item.commandKey;
}

namespace {

// Sets key, exactly as written, to value. An empty value for a key the document does not hold
// changes nothing in the file (empty keys are not written), so it is not stored: the document
// would count as changed and the file be rewritten on every OK.
void SetEntryKey(INIFile& document, const char* sectionName, const std::string& key,
                 const std::string& value) {
    if (value.empty() && document.GetExactString(sectionName, key.c_str(), nullptr) == nullptr)
        return;
    document.SetExactString(sectionName, key.c_str(), value.c_str());
}

} // namespace

void WriteMenuEntries(INIFile& document, const char* sectionName,
                      const std::vector<const MenuEntry*>& entries, const KeySpelling& spelling) {
    const char* autoRun = sectionName;
    // The names whose keys in the file belong to an entry still there: every key of such a
    // name stays, also one that Windows does not read beside the one it does. The keys of the
    // other names belong to entries that were deleted or renamed.
    const auto isKept = [&entries](const std::string& name) {
        return std::any_of(entries.begin(), entries.end(), [&name](const MenuEntry* kept) {
            return !kept->menuKey.empty() && ascii_case::Same(kept->name, name);
        });
    };
    // A removal shifts the later keys down onto the index just looked at, so the walk moves on
    // only past a key that stays.
    for (int index = 0; index < document.EntryCount(autoRun);) {
        const std::string key = document.GetKey(autoRun, static_cast<unsigned>(index));
        const std::optional<std::string> name =
            entry_names::EntryNameOfKey(key, spelling.prefix, entry_names::PrefixCase::kIgnored);
        if (!name || isKept(*name)) {
            ++index;
            continue;
        }
        const int before = document.EntryCount(autoRun);
        document.RemoveExactEntry(autoRun, key.c_str());
        if (document.EntryCount(autoRun) == before)
            ++index;
    }
    for (const MenuEntry* item : entries) {
        SetEntryKey(document, autoRun, MenuKeyOf(*item, spelling), item->menuText);
        SetEntryKey(document, autoRun, CommandKeyOf(*item, spelling), item->command);
    }
}

bool IsAutoRunSection(std::string_view name) {
    const std::string_view autoRun = inf_names::AutoRun();
    return ascii_case::BeginsWith(name, autoRun) &&
           (name.size() == autoRun.size() || name[autoRun.size()] == inf_names::kPlatformSeparator);
}

bool IsProcessorSection(std::string_view name) {
    return IsAutoRunSection(name) &&
           name.size() > std::string_view(inf_names::AutoRun()).size() + 1;
}

std::string_view ProcessorOf(std::string_view sectionName) {
    return sectionName.substr(std::string_view(inf_names::AutoRun()).size() + 1);
}

std::string SectionToEdit(const InfView& view) {
    if (const section* autoRun = view.Find(inf_names::AutoRun()))
        return *autoRun;
    for (const section* part : view.SectionsInFileOrder())
        if (IsProcessorSection(*part))
            return *part;
    return inf_names::AutoRun();
}

bool ShowsUnchanged(std::string_view value, std::string_view shown, std::size_t readLength) {
    return value.substr(0, readLength) == shown;
}

bool ReadAlike(const INIFile& left, const INIFile& right) {
    const InfView leftView(left, false);
    const InfView rightView(right, false);
    return ValuesFound(leftView, rightView) && ValuesFound(rightView, leftView);
}

} // namespace autorun
