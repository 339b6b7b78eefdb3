// The INF as Windows' profile reader reads it, over the editor's INI document: of sections
// with the same name only the first in the file counts, and of keys with the same name in a
// section only the first. Names match as the document matches them (a to z without regard to
// case). The view indexes every section and key once, so that each lookup after that takes
// the same time however many keys the INF holds.
#pragma once

#include "ini_file.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace autorun {

class InfView {
public:
    // A file behind a UTF-8 mark loses its first line to Windows, and with it the section
    // that line opens: firstLineLost leaves out a section read from line 1.
    InfView(const INIFile& document, bool firstLineLost);
    // Out of line: inlined, the maps' teardown is copied into every file that reads an INF.
    ~InfView();
    InfView(const InfView&) = delete;
    InfView& operator=(const InfView&) = delete;

    // Every section Windows sees, duplicates included, in the order of the file.
    const std::vector<const section*>& SectionsInFileOrder() const { return sections_; }

    // The section Windows reads for name, or nullptr.
    const section* Find(std::string_view name) const;

    // The entries of a section of this view in the order of the file.
    const std::vector<const entry*>& EntriesInFileOrder(const section& part) const;
    // The entry Windows reads for key, or nullptr.
    const entry* Find(const section& part, std::string_view key) const;
    // Its value as Windows hands it out (enclosing quotes dropped), "" when there is none.
    std::string_view ValueOf(const section& part, std::string_view key) const;

    // The value as the file writes it, with the quotes that the reader takes off.
    static std::string_view WrittenValue(const entry& item);

private:
    struct Keys {
        std::vector<const entry*> inFileOrder;
        // The first entry of each name.
        std::unordered_map<std::string, const entry*> first;
    };

    std::vector<const section*> sections_;
    std::unordered_map<std::string, const section*> firstSections_;
    std::unordered_map<const section*, Keys> keys_;
};

} // namespace autorun
