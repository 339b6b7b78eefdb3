// Reading a document. The parser never fails: what it cannot place it drops (lines before
// the first section, blank lines and comment lines).
#include "cp1252.h"
#include "file_io.h"
#include "ini_file.h"
#include "trim.h"
#include "utf8_units.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Where the pieces of a line came from: for a line read from a UTF-16 or UTF-8 file, its
// characters, one for each byte of the line that is parsed.
class LineSource {
public:
    LineSource(std::string_view line, const std::u16string* wide) : line_(line), wide_(wide) {}

    bool HasWide() const { return wide_ != nullptr; }

    // The characters of a piece of the line, when code page 1252 cannot hold them all.
    std::u16string WideOf(std::string_view piece) const {
        if (wide_ == nullptr || piece.empty())
            return std::u16string();
        std::u16string units =
            wide_->substr(static_cast<std::size_t>(piece.data() - line_.data()), piece.size());
        return cp1252::IsLossless(units) ? std::u16string() : units;
    }

private:
    std::string_view line_;
    const std::u16string* wide_;
};

// The value as the reader hands it out: without one pair of the same quotes ('"' or "'")
// around all of it.
std::string_view WithoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The first 16 bytes of a name as two big-endian numbers, zeros behind a shorter name. Where
// the prefixes of two names differ, the names sort as their prefixes do, so that a sort looks
// at the names themselves only where they begin alike.
std::pair<std::uint64_t, std::uint64_t> PrefixOf(std::string_view name) {
    std::uint64_t halves[2] = {0, 0};
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint64_t byte = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        halves[i / 8] = halves[i / 8] << 8 | byte;
    }
    return {halves[0], halves[1]};
}

// The key and the value of a key line, as the reader hands them out: behind the first "=",
// trimmed, without a pair of quotes around all of it.
struct KeyAndValue {
    std::string_view key;
    std::string_view value;
};

KeyAndValue SplitKeyLine(std::string_view content, std::size_t equals) {
    return {Trim(content.substr(0, equals)),
            WithoutEnclosingQuotes(Trim(content.substr(equals + 1)))};
}

KeyAndValue SplitKeyLine(std::string_view content) {
    return SplitKeyLine(content, content.find('='));
}

// A key line of the section being read, as kept, with the prefix of its key.
struct KeyLine {
    std::pair<std::uint64_t, std::uint64_t> prefix;
    TextAsRead asRead;
    unsigned line;
};

// What the parser has read: the sections in the order of the file, and the key lines of the
// section being read. These become the section's entries when it ends, sorted at once (one by
// one, every key of a long section would move all the keys behind its place) and made in
// their sorted order, so that they lie in memory in the order in which they are used.
class DocumentBuilder {
public:
    explicit DocumentBuilder(TextStore& texts) : texts_(texts) {}

    section* Current() const { return current_; }

    TextAsRead Keep(std::string_view text) { return TextAsRead(texts_.Keep(text)); }

    void StartSection(std::unique_ptr<section> started) {
        EndSection();
        current_ = started.get();
        sections_.push_back(std::move(started));
    }

    void AddKeyLine(TextAsRead asRead, std::string_view key, unsigned line) {
        keyLines_.push_back({PrefixOf(key), asRead, line});
    }

    // For a key line of a UTF-16 or UTF-8 file, added before it.
    void AddWideTexts(unsigned line, WideTexts texts) {
        wides_.emplace_back(line, std::move(texts));
    }

    void Finish(TISArrayAsVector<section>& sections) {
        EndSection();
        sections.AddAll(std::move(sections_));
        sections_.clear();
    }

private:
    void EndSection() {
        // The lines are sorted themselves: they carry all an entry is made of, so that making
        // the entries in their order reads nothing else. Keys of one name keep the order of the
        // file.
        std::sort(keyLines_.begin(), keyLines_.end(),
                  [](const KeyLine& left, const KeyLine& right) {
                      if (left.prefix != right.prefix)
                          return left.prefix < right.prefix;
                      const int names =
                          SplitKeyLine(left.asRead).key.compare(SplitKeyLine(right.asRead).key);
                      return names != 0 ? names < 0 : left.line < right.line;
                  });
        TISArrayAsVector<entry>::Items entries;
        entries.reserve(keyLines_.size());
        for (const KeyLine& keyLine : keyLines_) {
            const KeyAndValue parts = SplitKeyLine(keyLine.asRead);
            auto made = std::make_unique<entry>(std::string(parts.key), std::string(),
                                                std::string(parts.value));
            made->line = keyLine.line;
            made->asRead = keyLine.asRead;
            made->valueAsRead = parts.value;
            if (!wides_.empty())
                made->SetWide(WideTextsOf(keyLine.line));
            entries.push_back(std::move(made));
        }
        if (current_ != nullptr) {
            current_->entries.AddAll(std::move(entries));
            current_->keysMayRepeat = !NamesAllDiffer(current_->entries);
        }
        keyLines_.clear();
        wides_.clear();
    }

    WideTexts WideTextsOf(unsigned line) {
        const auto found = std::lower_bound(wides_.begin(), wides_.end(), line,
                                            [](const std::pair<unsigned, WideTexts>& held,
                                               unsigned wanted) { return held.first < wanted; });
        return found != wides_.end() && found->first == line ? std::move(found->second)
                                                             : WideTexts();
    }

    TextStore& texts_;
    TISArrayAsVector<section>::Items sections_;
    section* current_ = nullptr;
    std::vector<KeyLine> keyLines_;
    // In the order of their lines.
    std::vector<std::pair<unsigned, WideTexts>> wides_;
};

// Handles one line. The line is read as Windows' profile reader reads it: trimmed; a line
// that begins with ";" is a comment; one that begins with "[" and holds a "]" is a header,
// naming what stands between the "[" and the last "]"; any other line is a key line when it
// holds a "=", and a text line otherwise.
void ParseLine(std::string_view line, unsigned lineNumber, const LineSource& source,
               DocumentBuilder& document) {
    const std::string_view content = Trim(line);
    if (content.empty() || content.front() == ';')
        return;
    const std::size_t closeBracket = content.front() == '[' ? content.rfind(']') : content.npos;
    if (closeBracket == content.npos && document.Current() == nullptr)
        return;
    const TextAsRead asRead = document.Keep(content);

    if (closeBracket != content.npos) {
        std::string_view behind = Trim(content.substr(closeBracket + 1));
        if (!behind.empty() && behind.front() == ';')
            behind = Trim(behind.substr(1));
        const std::string_view name = Trim(content.substr(1, closeBracket - 1));
        auto started = std::make_unique<section>(std::string(name), std::string(behind));
        started->line = lineNumber;
        started->asRead = asRead;
        if (source.HasWide())
            started->SetWide({source.WideOf(name), source.WideOf(behind), source.WideOf(content),
                              std::u16string()});
        document.StartSection(std::move(started));
        return;
    }

    const std::size_t equals = content.find('=');
    if (equals == content.npos) {
        rtext& added =
            document.Current()->textLines.Add(std::make_unique<rtext>(std::string(content)));
        added.line = lineNumber;
        added.asRead = asRead;
        if (source.HasWide()) {
            const std::u16string wide = source.WideOf(content);
            added.SetWide({wide, std::u16string(), wide, std::u16string()});
        }
        return;
    }
    const KeyAndValue parts = SplitKeyLine(content, equals);
    if (source.HasWide())
        document.AddWideTexts(lineNumber, {source.WideOf(parts.key), std::u16string(),
                                           source.WideOf(content), source.WideOf(parts.value)});
    document.AddKeyLine(asRead, parts.key, lineNumber);
}

// The code units of a line read from a UTF-16 file, up to a NUL character, as a NUL ends
// an 8-bit line's text too.
std::u16string UnitsOf(const char* line, std::size_t length) {
    std::u16string units(length / 2, u'\0');
    for (std::size_t index = 0; index < units.size(); ++index) {
        const auto unit =
            static_cast<char16_t>(static_cast<unsigned char>(line[2 * index]) |
                                  static_cast<unsigned char>(line[2 * index + 1]) << 8);
        if (unit == u'\0') {
            units.resize(index);
            break;
        }
        units[index] = unit;
    }
    return units;
}

} // namespace

void INIFile::Parse() {
    FileIO file(fileName_.c_str(), FileIO::kRead);
    if (!file.IsOpen()) {
        neverWrittenOver_ = file.ReadFailed();
        return;
    }
    DocumentBuilder document(texts_);
    // A line of a UTF-16 or UTF-8 file: its characters, and its text in code page 1252.
    std::u16string units;
    std::string narrowed;
    unsigned lineNumber = 0;
    while (!file.AtEnd()) {
        const char* line = file.ReadLine();
        ++lineNumber;
        encoding_ = file.Encoding();
        if (encoding_ == TextEncoding::kUnreadable) {
            neverWrittenOver_ = true;
            return;
        }
        if (encoding_ == TextEncoding::kUtf16 || encoding_ == TextEncoding::kUtf8) {
            if (encoding_ == TextEncoding::kUtf8) {
                units = utf8_units::Decoded(line, std::strlen(line));
            } else {
                // A last byte without its partner is no character: a rewrite would lose it.
                if (file.LineLength() % 2 != 0)
                    neverWrittenOver_ = true;
                units = UnitsOf(line, file.LineLength());
            }
            narrowed = cp1252::Narrowed(units);
            ParseLine(narrowed, lineNumber, LineSource(narrowed, &units), document);
        } else {
            // A NUL ends an 8-bit line's text.
            const std::string_view text(line);
            ParseLine(text, lineNumber, LineSource(text, nullptr), document);
        }
    }
    document.Finish(sections_);
    sectionsMayRepeat_ = !NamesAllDiffer(sections_);
    if (file.ReadFailed())
        neverWrittenOver_ = true;
}
