// Reading and changing the document by section name and key. Every change sets the modified
// flag; an operation that changes nothing leaves it alone.
#include "cp1252.h"
#include "ini_file.h"

#include <memory>
#include <string>

namespace {

unsigned EntryIndexOf(const section& holder, const char* key) {
    return FirstInFileOf(holder.entries, rtext(key), holder.keysSortedWithoutCase);
}

unsigned TextLineIndexOf(const section& holder, const rtext& wanted) {
    return holder.textLines.FindFirst([&wanted](const rtext& line) { return line == wanted; });
}

} // namespace

const char* INIFile::GetString(const char* sectionName, const char* key, const char* defaultValue) {
    const section* found = FindSection(sectionName);
    if (found == nullptr)
        return defaultValue;
    const unsigned index = EntryIndexOf(*found, key);
    return index == found->entries.NPOS ? defaultValue : found->entries[index].value.c_str();
}

const std::u16string* INIFile::HiddenValue(const char* sectionName, const char* key) {
    const section* found = FindSection(sectionName);
    if (found == nullptr)
        return nullptr;
    const unsigned index = EntryIndexOf(*found, key);
    if (index == found->entries.NPOS)
        return nullptr;
    const entry& item = found->entries[index];
    const std::u16string& wide = item.Wide().value;
    if (wide.empty() || cp1252::Narrowed(wide) != item.value)
        return nullptr;
    return &wide;
}

bool INIFile::HasHiddenCharacters(const char* sectionName, const char* key) {
    return HiddenValue(sectionName, key) != nullptr;
}

void INIFile::StoreString(const char* sectionName, const char* key, const char* value,
                          bool replace) {
    section* target = SectionForChange(sectionName);
    if (target == nullptr)
        return;
    const unsigned index = EntryIndexOf(*target, key);
    if (index == target->entries.NPOS) {
        target->AddEntry(std::make_unique<entry>(key, std::string(), value));
        modified_ = 1;
        return;
    }
    entry& existing = target->entries[index];
    if (replace && existing.value != value) {
        existing.value = value;
        modified_ = 1;
    }
}

void INIFile::SetString(const char* sectionName, const char* key, const char* value) {
    StoreString(sectionName, key, value, true);
}

void INIFile::AddString(const char* sectionName, const char* key, const char* value) {
    StoreString(sectionName, key, value, false);
}

void INIFile::RemoveEntry(const char* sectionName, const char* key) {
    RemoveFoundEntry(sectionName, key, EntryIndexOf);
}

void INIFile::RemoveFoundEntry(const char* sectionName, const char* key,
                               unsigned (*indexOf)(const section&, const char*)) {
    const unsigned sectionIndex = SectionIndexOf(sectionName);
    if (sectionIndex == sections_.NPOS)
        return;
    section& holder = sections_[sectionIndex];
    const unsigned index = indexOf(holder, key);
    if (index == holder.entries.NPOS)
        return;
    holder.entries.Destroy(index);
    modified_ = 1;
    DestroySectionIfEmpty(sectionIndex);
}

int INIFile::EntryCount(const char* sectionName) {
    const section* found = FindSection(sectionName);
    return found == nullptr ? 0 : static_cast<int>(found->entries.GetItemsInContainer());
}

// An index past the end gives the last key; a section without entries has none to give.
const char* INIFile::GetKey(const char* sectionName, unsigned index) {
    const section* found = FindSection(sectionName);
    if (found == nullptr || found->entries.IsEmpty())
        return "";
    const unsigned count = found->entries.GetItemsInContainer();
    return found->entries[index < count ? index : count - 1].c_str();
}

int INIFile::TextCount(const char* sectionName) {
    const section* found = FindSection(sectionName);
    return found == nullptr ? 0 : static_cast<int>(found->textLines.GetItemsInContainer());
}

const char* INIFile::GetText(const char* sectionName, unsigned index) {
    const section* found = FindSection(sectionName);
    if (found == nullptr || found->textLines.IsEmpty())
        return "";
    const unsigned count = found->textLines.GetItemsInContainer();
    return found->textLines[index < count ? index : count - 1].c_str();
}

void INIFile::AddText(const char* sectionName, const char* text, unsigned position) {
    section* target = SectionForChange(sectionName);
    if (target == nullptr)
        return;
    auto added = std::make_unique<rtext>(text);
    if (TextLineIndexOf(*target, *added) != target->textLines.NPOS)
        return;
    if (position >= target->textLines.GetItemsInContainer()) {
        target->textLines.Add(std::move(added));
    } else {
        const unsigned replaced = TextLineIndexOf(*target, target->textLines[position]);
        target->textLines.Destroy(replaced);
        target->textLines.AddAt(std::move(added), replaced);
    }
    modified_ = 1;
}

void INIFile::RemoveTextLine(unsigned sectionIndex, unsigned lineIndex) {
    section& holder = sections_[sectionIndex];
    holder.textLines.Destroy(TextLineIndexOf(holder, holder.textLines[lineIndex]));
    modified_ = 1;
    DestroySectionIfEmpty(sectionIndex);
}

void INIFile::RemoveText(const char* sectionName, unsigned index) {
    const unsigned sectionIndex = SectionIndexOf(sectionName);
    if (sectionIndex == sections_.NPOS ||
        index >= sections_[sectionIndex].textLines.GetItemsInContainer())
        return;
    RemoveTextLine(sectionIndex, index);
}

void INIFile::RemoveText(const char* sectionName, const char* text) {
    const unsigned sectionIndex = SectionIndexOf(sectionName);
    if (sectionIndex == sections_.NPOS)
        return;
    const section& holder = sections_[sectionIndex];
    const unsigned index = TextLineIndexOf(holder, rtext(text));
    if (index == holder.textLines.NPOS)
        return;
    RemoveTextLine(sectionIndex, index);
}

// Unlike the other operations this one takes an empty name at its word, so that a section
// "[]" read from a file can be removed.
void INIFile::RemoveSection(const char* sectionName) {
    const unsigned index = FirstInFileOf(sections_, rtext(sectionName), sectionsSortedWithoutCase_);
    if (index == sections_.NPOS)
        return;
    sections_.Destroy(index);
    modified_ = 1;
}
