// The INF as Windows' profile reader reads it, over the editor's INI document: of sections
// with the same name only the first in the file counts, and of keys with the same name in a
// section only the first. Names match as the document matches them (a to z without regard to
// case).
#pragma once

#include "ini_file.h"

#include <string_view>
#include <vector>

namespace cd_check {

// How the INF's bytes are stored, as far as Windows can read them.
enum class InfEncoding { kAnsi, kUtf16, kUtf8Mark, kUtf8WithoutMark, kUnreadable };

bool SameName(std::string_view left, std::string_view right);

class InfView {
public:
    // A file behind a UTF-8 mark loses its first line to Windows, and with it the section
    // that line opens: firstLineLost leaves out a section read from line 1.
    InfView(const INIFile& document, bool firstLineLost);

    // Every section Windows sees, duplicates included, in the order of the file.
    const std::vector<const section*>& SectionsInFileOrder() const { return sections_; }

    // The section Windows reads for name, or nullptr.
    const section* Find(std::string_view name) const;

    // The entries of a section in the order of the file.
    static std::vector<const entry*> EntriesInFileOrder(const section& part);
    // The entry Windows reads for key, or nullptr.
    static const entry* Find(const section& part, std::string_view key);
    // Its value as Windows hands it out (enclosing quotes dropped), "" when there is none.
    static std::string_view ValueOf(const section& part, std::string_view key);

private:
    std::vector<const section*> sections_;
};

} // namespace cd_check
