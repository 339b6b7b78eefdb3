#include "ini_file.h"

#include <memory>

INIFile::INIFile(const char* fileName, ModuleInstance module)
    : sections_(21, 20), sectionsSortedWithoutCase_(true), modified_(0), module_(module),
      fileName_(fileName), neverWrittenOver_(false), encoding_(TextEncoding::kAnsi) {
    Parse();
    modified_ = 0;
}

// The owner is meant to call Save itself and act on the result; this is the last chance
// for changes that would otherwise be lost, and its failure has no one left to tell.
INIFile::~INIFile() {
    if (modified_ != 0)
        Save();
}

unsigned INIFile::SectionIndexOf(const char* sectionName) const {
    if (*sectionName == '\0')
        return sections_.NPOS;
    return FirstInFileOf(sections_, rtext(sectionName), sectionsSortedWithoutCase_);
}

section* INIFile::FindSection(const char* name) const {
    const unsigned index = SectionIndexOf(name);
    return index == sections_.NPOS ? nullptr : &sections_[index];
}

// The section to put something into, created if missing. An empty name names no section:
// such a section could never be found again, and every call would add one more.
section* INIFile::SectionForChange(const char* sectionName) {
    if (*sectionName == '\0')
        return nullptr;
    section* found = FindSection(sectionName);
    if (found != nullptr)
        return found;
    auto added = std::make_unique<section>(sectionName);
    sectionsSortedWithoutCase_ =
        sectionsSortedWithoutCase_ && StaysSortedWithoutCase(sections_, *added);
    return &sections_.Add(std::move(added));
}

void INIFile::DestroySectionIfEmpty(unsigned sectionIndex) {
    if (sections_[sectionIndex].IsEmpty())
        sections_.Destroy(sectionIndex);
}
