// Reading and changing entries by their exact key. Keys of the CD's context menu belong to an
// entry only in their own letter case; a key of another case beside them belongs to someone
// else and must survive whatever happens to the entry.
#include "ini_file.h"

#include <cstring>
#include <memory>

namespace {

unsigned ExactEntryIndexOf(const section& holder, const char* key) {
    return holder.entries.FindFirst(
        [key](const entry& item) { return std::strcmp(item.c_str(), key) == 0; });
}

} // namespace

const char* INIFile::GetExactString(const char* sectionName, const char* key,
                                    const char* defaultValue) {
    const section* found = FindSection(sectionName);
    if (found == nullptr)
        return defaultValue;
    const unsigned index = ExactEntryIndexOf(*found, key);
    return index == found->entries.NPOS ? defaultValue : found->entries[index].value.c_str();
}

void INIFile::SetExactString(const char* sectionName, const char* key, const char* value) {
    section* target = SectionForChange(sectionName);
    if (target == nullptr)
        return;
    const unsigned index = ExactEntryIndexOf(*target, key);
    if (index == target->entries.NPOS) {
        target->AddEntry(std::make_unique<entry>(key, std::string(), value));
        modified_ = 1;
        return;
    }
    entry& existing = target->entries[index];
    if (existing.value != value) {
        existing.value = value;
        modified_ = 1;
    }
}

void INIFile::RemoveExactEntry(const char* sectionName, const char* key) {
    RemoveFoundEntry(sectionName, key, ExactEntryIndexOf);
}
