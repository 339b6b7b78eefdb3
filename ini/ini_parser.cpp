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

// A key line of the section being read; its pieces point into the line as kept.
struct KeyLine {
    std::string_view key;
    std::string_view value;
    TextAsRead asRead;
    unsigned line;
    std::unique_ptr<WideTexts> wide;
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

    void AddKeyLine(KeyLine keyLine) {
        order_.push_back({PrefixOf(keyLine.key), static_cast<unsigned>(keyLines_.size())});
        keyLines_.push_back(std::move(keyLine));
    }

    void Finish(TISArrayAsVector<section>& sections) {
        EndSection();
        sections.AddAll(std::move(sections_));
        sections_.clear();
    }

private:
    struct Place {
        std::pair<std::uint64_t, std::uint64_t> prefix;
        unsigned index;
    };

    void EndSection() {
        // Keys of one name keep the order of the file.
        std::sort(order_.begin(), order_.end(), [this](const Place& left, const Place& right) {
            if (left.prefix != right.prefix)
                return left.prefix < right.prefix;
            const int names = keyLines_[left.index].key.compare(keyLines_[right.index].key);
            return names != 0 ? names < 0 : left.index < right.index;
        });
        TISArrayAsVector<entry>::Items entries;
        entries.reserve(order_.size());
        for (const Place& place : order_) {
            KeyLine& keyLine = keyLines_[place.index];
            auto made = std::make_unique<entry>(std::string(keyLine.key), std::string(),
                                                std::string(keyLine.value));
            made->line = keyLine.line;
            made->asRead = keyLine.asRead;
            made->valueAsRead = keyLine.value;
            if (keyLine.wide)
                made->SetWide(std::move(*keyLine.wide));
            entries.push_back(std::move(made));
        }
        if (current_ != nullptr) {
            current_->entries.AddAll(std::move(entries));
            current_->keysMayRepeat = !NamesAllDiffer(current_->entries);
        }
        keyLines_.clear();
        order_.clear();
    }

    TextStore& texts_;
    TISArrayAsVector<section>::Items sections_;
    section* current_ = nullptr;
    std::vector<KeyLine> keyLines_;
    std::vector<Place> order_;
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
    const std::string_view key = Trim(content.substr(0, equals));
    const std::string_view value = WithoutEnclosingQuotes(Trim(content.substr(equals + 1)));
    const auto kept = [&content, &asRead](std::string_view piece) {
        return asRead.substr(static_cast<std::size_t>(piece.data() - content.data()), piece.size());
    };
    KeyLine keyLine{kept(key), kept(value), asRead, lineNumber, nullptr};
    if (source.HasWide())
        keyLine.wide = std::make_unique<WideTexts>(WideTexts{
            source.WideOf(key), std::u16string(), source.WideOf(content), source.WideOf(value)});
    document.AddKeyLine(std::move(keyLine));
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
