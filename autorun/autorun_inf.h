// What Windows reads from an AutoRun.INF, over the INI document: which section a Windows
// reads, the program AutoPlay starts, the icon, the label, the entries of the context menu
// with the spelling of their keys and the starter's settings, each value as Windows' reader
// hands it out. The editor, the check and the image read an INF through this alone; changes
// go through the functions below it, so that what was not changed stays as the file wrote it.
#pragma once

#include "icon_value.h"
#include "inf_view.h"
#include "ini_file.h"
#include "menu_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace autorun {

// How the file spells the "Shell\" and "\Command" around its entries' names: keys written
// anew follow it.
struct KeySpelling {
    std::string prefix;
    std::string suffix;
};

class AutoRunInf {
public:
    // firstLineLost as for InfView: a file behind a UTF-8 mark loses its first line to Windows.
    // The entries are read from entriesSection, [AutoRun] when it is empty.
    explicit AutoRunInf(const INIFile& document, bool firstLineLost = false,
                        std::string_view entriesSection = {});
    // Out of line, as the view's.
    ~AutoRunInf();

    const InfView& View() const { return view_; }

    // The section a Windows reads its AutoRun keys from, nullptr when there is none. processor
    // empty stands for Windows 95 to Me, which read [AutoRun] only; otherwise it names the
    // processor as the NT family's shell looks for it ("x86", "Amd64"), whose section stands in
    // for [AutoRun] when the file has one.
    const section* SectionReadBy(std::string_view processor = {}) const;

    // A value of [AutoRun] as Windows' reader hands it out; empty when there is none.
    std::string_view Value(std::string_view key) const;
    std::string_view Open() const;
    icon_value::IconReference Icon() const;
    // With the characters code page 1252 lacks that a UTF-16 file gave it.
    std::u16string Label() const;
    // A value of the starter's [Orbilan].
    std::string_view StarterValue(std::string_view key) const;

    const KeySpelling& Spelling() const { return spelling_; }
    // One entry for each name of the context menu, in any letter case, in the order the file
    // first names them, with the keys Windows reads for it in their own spelling.
    const std::vector<MenuEntry>& MenuEntries() const { return entries_; }

private:
    InfView view_;
    KeySpelling spelling_;
    std::vector<MenuEntry> entries_;
};

// The keys of an entry: those it was read from, or the file's spelling around its name.
std::string MenuKeyOf(const MenuEntry& item, const KeySpelling& spelling);
std::string CommandKeyOf(const MenuEntry& item, const KeySpelling& spelling);

// Writes entries into the section sectionName of document: every key, in every spelling, of an
// entry no longer there goes, and each entry's menu text and command go to its keys. An empty
// text of a key the file lacks writes nothing.
void WriteMenuEntries(INIFile& document, const char* sectionName,
                      const std::vector<const MenuEntry*>& entries, const KeySpelling& spelling);

// [AutoRun], or a processor's section [AutoRun.<processor>] that stands in for it on Windows of
// that processor (the NT family's shell reads only that one when the file has it).
bool IsAutoRunSection(std::string_view name);
bool IsProcessorSection(std::string_view name);
// The processor of such a section ("Amd64"), as the file spells it.
std::string_view ProcessorOf(std::string_view sectionName);
// The section the editor edits: [AutoRun] as the file spells it; in a file without it, its first
// processor section, which Windows of that processor read; [AutoRun] in a file of neither.
std::string SectionToEdit(const InfView& view);

// Whether a field that reads at most readLength characters of what it shows still shows value:
// the user did not change it, and value goes back whole, however long it is.
bool ShowsUnchanged(std::string_view value, std::string_view shown, std::size_t readLength);

// Whether Windows reads both documents alike: every section it reads holds the same values,
// an "Icon" of [AutoRun] names the same file and number however it is written, and an empty
// value is the same as none. What only the write-back's forms change is no change to the user.
bool ReadAlike(const INIFile& left, const INIFile& right);

} // namespace autorun
