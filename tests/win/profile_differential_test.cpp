// Windows' profile reader as the oracle of the INI document: for the corpus and for generated
// files, what GetPrivateProfileSectionNames, GetPrivateProfileSection and
// GetPrivateProfileString give (the W forms for UTF-16 files) must be what the document reads;
// after one key is changed through the document and saved, the reader must give the new value
// for it and the old value for every other key. Differences are counted by kind and printed.
//
// QUILLOT_DIFFERENTIAL_FILES sets the number of generated files (500 unless set; the full run
// takes 10,000).
#include "corpus_files.h"
#include "cp1252.h"
#include "inf_generator.h"
#include "ini_file.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kCapacity = 1 << 16;
const char kDefault[] = "\x01";

std::string UpperAscii(std::string text) {
    for (char& c : text)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
    return text;
}

// Everything here is held as code page 1252 text, as the document holds it; for a UTF-16 file
// the wide texts are kept beside, so that a save that garbles a character is caught.
struct Text {
    std::string narrow;
    std::u16string wide;
    bool operator==(const Text& other) const { return wide == other.wide; }
};

Text FromWide(const std::u16string& wide) {
    return {cp1252::Narrowed(wide), wide};
}

std::vector<Text> SplitList(const std::u16string& buffer, DWORD length) {
    std::vector<Text> items;
    for (DWORD start = 0; start < length;) {
        const std::u16string item(buffer.c_str() + start);
        start += static_cast<DWORD>(item.size()) + 1;
        items.push_back(FromWide(item));
    }
    return items;
}

// The reader's calls in the form that fits the file.
class Reader {
public:
    Reader(const std::string& path, bool wide) : path_(path), wide_(wide) {}

    std::vector<Text> SectionNames() const {
        if (wide_) {
            std::u16string buffer(kCapacity, u'\0');
            const DWORD length = GetPrivateProfileSectionNamesW(
                reinterpret_cast<LPWSTR>(&buffer[0]), kCapacity, Wide(WidePath()));
            return SplitList(buffer, length);
        }
        std::string buffer(kCapacity, '\0');
        const DWORD length = GetPrivateProfileSectionNamesA(&buffer[0], kCapacity, path_.c_str());
        return SplitList(cp1252::Widened(buffer), length);
    }

    std::vector<Text> SectionLines(const Text& section) const {
        if (wide_) {
            std::u16string buffer(kCapacity, u'\0');
            const DWORD length = GetPrivateProfileSectionW(
                Wide(section), reinterpret_cast<LPWSTR>(&buffer[0]), kCapacity, Wide(WidePath()));
            return SplitList(buffer, length);
        }
        std::string buffer(kCapacity, '\0');
        const DWORD length =
            GetPrivateProfileSectionA(section.narrow.c_str(), &buffer[0], kCapacity, path_.c_str());
        return SplitList(cp1252::Widened(buffer), length);
    }

    std::vector<Text> Keys(const Text& section) const { return StringOf(section, nullptr, true); }

    Text Value(const Text& section, const Text& key) const {
        const std::vector<Text> value = StringOf(section, &key, false);
        return value.front();
    }

private:
    std::u16string WidePath() const { return cp1252::Widened(path_); }
    static LPCWSTR Wide(const Text& text) { return Wide(text.wide); }
    static LPCWSTR Wide(const std::u16string& text) {
        return reinterpret_cast<LPCWSTR>(text.c_str());
    }

    std::vector<Text> StringOf(const Text& section, const Text* key, bool list) const {
        DWORD length = 0;
        std::u16string wide;
        if (wide_) {
            wide.assign(kCapacity, u'\0');
            length = GetPrivateProfileStringW(Wide(section), key != nullptr ? Wide(*key) : nullptr,
                                              L"\x01", reinterpret_cast<LPWSTR>(&wide[0]),
                                              kCapacity, Wide(WidePath()));
        } else {
            std::string buffer(kCapacity, '\0');
            length = GetPrivateProfileStringA(section.narrow.c_str(),
                                              key != nullptr ? key->narrow.c_str() : nullptr,
                                              kDefault, &buffer[0], kCapacity, path_.c_str());
            wide = cp1252::Widened(buffer);
        }
        if (list)
            return SplitList(wide, length);
        return {FromWide(wide.substr(0, length))};
    }

    std::string path_;
    bool wide_;
};

// What the reader shows of a file: the names it lists, and for the first section of each
// name its lines and the value of each key it lists.
struct SectionView {
    Text name;
    std::vector<Text> lines;
    std::vector<std::pair<Text, Text>> values;
};

struct ReaderView {
    std::vector<Text> names;
    std::vector<SectionView> sections;
};

template <class T> bool HoldsName(const std::vector<T>& items, const Text& name) {
    return std::any_of(items.begin(), items.end(), [&name](const T& item) {
        return UpperAscii(item.first.narrow) == UpperAscii(name.narrow);
    });
}

ReaderView Read(const Reader& reader) {
    ReaderView view;
    view.names = reader.SectionNames();
    for (const Text& name : view.names) {
        if (std::any_of(view.sections.begin(), view.sections.end(), [&name](const SectionView& s) {
                return UpperAscii(s.name.narrow) == UpperAscii(name.narrow);
            }))
            continue;
        SectionView section{name, reader.SectionLines(name), {}};
        for (const Text& key : reader.Keys(name)) {
            if (!HoldsName(section.values, key))
                section.values.emplace_back(key, reader.Value(name, key));
        }
        view.sections.push_back(std::move(section));
    }
    return view;
}

bool IsReaderSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsReaderSpace(text[first]))
        ++first;
    while (last > first && IsReaderSpace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

unsigned FileOrder(const rtext& element) {
    return element.line == 0 ? UINT_MAX : element.line;
}

// The lines of a section as the reader lists them: key=value with both trimmed and the
// quotes left on, text lines as they stand, in the order of the file.
std::vector<std::string> DocumentLines(const section& held) {
    std::vector<std::pair<unsigned, std::string>> lines;
    for (const auto& item : held.entries) {
        const std::string& line = item->asRead;
        lines.emplace_back(FileOrder(*item), static_cast<const std::string&>(*item) + "=" +
                                                 Trimmed(line.substr(line.find('=') + 1)));
    }
    for (const auto& text : held.textLines)
        lines.emplace_back(FileOrder(*text), *text);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& left, const auto& right) { return left.first < right.first; });
    std::vector<std::string> out;
    for (auto& line : lines)
        out.push_back(std::move(line.second));
    return out;
}

std::vector<std::string> DocumentSectionNames(const INIFile& document) {
    std::vector<const section*> held;
    for (const auto& item : document.Sections()) {
        if (!item->empty())
            held.push_back(item.get());
    }
    std::stable_sort(held.begin(), held.end(), [](const section* left, const section* right) {
        return FileOrder(*left) < FileOrder(*right);
    });
    std::vector<std::string> names;
    for (const section* item : held)
        names.push_back(*item);
    return names;
}

std::vector<std::string> Narrowed(const std::vector<Text>& texts) {
    std::vector<std::string> out;
    for (const Text& text : texts)
        out.push_back(text.narrow);
    return out;
}

std::string Shown(std::string text) {
    if (text.size() > 60)
        text = text.substr(0, 60) + "...";
    for (char& c : text)
        c = static_cast<unsigned char>(c) < 32 ? '~' : c;
    return text;
}

class Tally {
public:
    void Count(const std::string& kind, const std::string& file, const std::string& what) {
        if (counts_[kind]++ == 0)
            examples_[kind] = file + ": " + what;
    }
    int Total() const {
        int total = 0;
        for (const auto& [kind, count] : counts_)
            total += count;
        return total;
    }
    std::string Text() const {
        std::string out;
        for (const auto& [kind, count] : counts_)
            out += "  " + std::to_string(count) + " x " + kind + "   e.g. " + examples_.at(kind) +
                   "\n";
        return out;
    }

private:
    std::map<std::string, int> counts_;
    std::map<std::string, std::string> examples_;
};

struct Counts {
    int files = 0;
    int sections = 0;
    int keys = 0;
    int changed = 0;
    int keysAfterChange = 0;
};

// The document against the reader's view of the same file.
void CompareWithDocument(const ReaderView& view, const INIFile& document, const std::string& file,
                         const char* when, Tally& tally, Counts& counts) {
    const std::string prefix = std::string(when) + ": ";
    if (Narrowed(view.names) != DocumentSectionNames(document))
        tally.Count(prefix + "section names", file, "");
    for (const SectionView& shown : view.sections) {
        ++counts.sections;
        const section* held = document.FindSection(shown.name.narrow.c_str());
        if (held == nullptr) {
            tally.Count(prefix + "section missing", file, shown.name.narrow);
            continue;
        }
        if (Narrowed(shown.lines) != DocumentLines(*held))
            tally.Count(prefix + "section lines", file, shown.name.narrow);
        for (const auto& [key, value] : shown.values) {
            ++counts.keys;
            const std::string read = const_cast<INIFile&>(document).GetString(
                shown.name.narrow.c_str(), key.narrow.c_str(), kDefault);
            if (read != value.narrow)
                tally.Count(prefix + "value", file,
                            "[" + shown.name.narrow + "] " + key.narrow + ": reader \"" +
                                Shown(value.narrow) + "\", document \"" + Shown(read) + "\"");
        }
    }
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Reads, compares, changes one key chosen by seed, saves, and compares again.
void CheckFile(const std::string& path, const std::string& file, bool wide, std::uint32_t seed,
               Tally& tally, Counts& counts) {
    ++counts.files;
    const ReaderView before = Read(Reader(path, wide));
    INIFile document(path.c_str());
    CompareWithDocument(before, document, file, "read", tally, counts);

    std::vector<std::pair<const SectionView*, std::size_t>> keys;
    for (const SectionView& shown : before.sections)
        for (std::size_t index = 0; index < shown.values.size(); ++index)
            keys.emplace_back(&shown, index);
    if (keys.empty())
        return;
    const auto [changedSection, changedIndex] = keys[seed % keys.size()];
    const Text& changedKey = changedSection->values[changedIndex].first;
    const std::string newValue = GenerateValue(seed);
    document.SetString(changedSection->name.narrow.c_str(), changedKey.narrow.c_str(),
                       newValue.c_str());
    if (!document.Save()) {
        tally.Count("save failed", file, "");
        return;
    }
    ++counts.changed;

    const ReaderView after = Read(Reader(path, wide));
    for (const SectionView& shown : before.sections) {
        const auto kept = std::find_if(
            after.sections.begin(), after.sections.end(), [&shown](const SectionView& s) {
                return UpperAscii(s.name.narrow) == UpperAscii(shown.name.narrow);
            });
        if (kept == after.sections.end()) {
            tally.Count("saved: section lost", file, shown.name.narrow);
            continue;
        }
        for (const auto& [key, value] : shown.values) {
            const auto found =
                std::find_if(kept->values.begin(), kept->values.end(), [&key](const auto& item) {
                    return UpperAscii(item.first.narrow) == UpperAscii(key.narrow);
                });
            if (found == kept->values.end()) {
                tally.Count("saved: key lost", file, "[" + shown.name.narrow + "] " + key.narrow);
                continue;
            }
            const bool isChanged = &shown == changedSection && key.narrow == changedKey.narrow;
            if (isChanged) {
                if (found->second.narrow != newValue)
                    tally.Count("saved: changed key reads otherwise", file,
                                "\"" + Shown(newValue) + "\" reads \"" +
                                    Shown(found->second.narrow) + "\"");
                continue;
            }
            ++counts.keysAfterChange;
            if (!(found->second == value))
                tally.Count("saved: other key changed", file,
                            "[" + shown.name.narrow + "] " + key.narrow + ": \"" +
                                Shown(value.narrow) + "\" became \"" + Shown(found->second.narrow) +
                                "\"");
        }
        if (kept->values.size() != shown.values.size())
            tally.Count("saved: key added", file, shown.name.narrow);
    }
    const INIFile reread(path.c_str());
    CompareWithDocument(after, reread, file, "saved", tally, counts);
}

int GeneratedFileCount() {
    const char* set = std::getenv("QUILLOT_DIFFERENTIAL_FILES");
    return set != nullptr ? std::max(0, std::atoi(set)) : 500;
}

TEST(ProfileReaderAsOracle, TheDocumentReadsAndKeepsWhatTheReaderReads) {
    ScratchDir scratch("differential");
    Tally tally;
    Counts corpus;
    const std::vector<std::string> names = CorpusFileNames();
    ASSERT_EQ(names.size(), 60u);
    std::uint32_t seed = 1;
    for (const std::string& name : names) {
        const std::string copy = scratch.PathOf(name);
        ASSERT_TRUE(CopyFileA(CorpusPath(name).c_str(), copy.c_str(), FALSE));
        std::ifstream in(copy, std::ios::binary);
        char mark[2] = {};
        in.read(mark, 2);
        const bool wide = mark[0] == '\xFF' && mark[1] == '\xFE';
        in.close();
        CheckFile(copy, name, wide, seed++, tally, corpus);
    }
    Counts generated;
    const int count = GeneratedFileCount();
    for (int index = 0; index < count; ++index) {
        const std::uint32_t fileSeed = static_cast<std::uint32_t>(index) + 1000;
        const GeneratedInf made = GenerateInf(fileSeed);
        const std::string path = scratch.PathOf("g" + std::to_string(index % 64) + ".inf");
        WriteFile(path, made.bytes);
        CheckFile(path, "seed " + std::to_string(fileSeed), made.utf16, fileSeed, tally, generated);
    }
    const auto line = [](const char* what, const Counts& c) {
        return std::string(what) + ": " + std::to_string(c.files) + " files, " +
               std::to_string(c.sections) + " sections and " + std::to_string(c.keys) +
               " keys compared, " + std::to_string(c.changed) + " saved with one key changed, " +
               std::to_string(c.keysAfterChange) + " other keys compared after the save\n";
    };
    std::cout << line("corpus", corpus) << line("generated", generated) << tally.Total()
              << " differences\n"
              << tally.Text();
    EXPECT_EQ(tally.Total(), 0);
}

} // namespace
