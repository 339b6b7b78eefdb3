// Reading a document. The parser never fails: what it cannot place it drops (lines before
// the first section, blank lines and comment lines).
#include "cp1252.h"
#include "file_io.h"
#include "ini_file.h"
#include "trim.h"
#include "utf8.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// Where the pieces of a line came from: for a line read from a UTF-16 file, its characters,
// one for each byte of the line that is parsed.
class LineSource {
public:
    LineSource(const char* line, const std::u16string* wide) : line_(line), wide_(wide) {}

    // The characters of a piece of the line, when code page 1252 cannot hold them all.
    std::u16string WideOf(const char* piece) const {
        if (wide_ == nullptr || *piece == '\0')
            return std::u16string();
        std::u16string units =
            wide_->substr(static_cast<std::size_t>(piece - line_), std::strlen(piece));
        return cp1252::IsLossless(units) ? std::u16string() : units;
    }

private:
    const char* line_;
    const std::u16string* wide_;
};

// The value as the reader hands it out: without one pair of the same quotes ('"' or "'")
// around all of it. Cut in place.
char* WithoutEnclosingQuotes(char* value) {
    const std::size_t length = std::strlen(value);
    if (length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0]) {
        value[length - 1] = '\0';
        return value + 1;
    }
    return value;
}

// Handles one line, changing it in place; current is the section the line falls into. The
// line is read as Windows' profile reader reads it: trimmed; a line that begins with ";" is a
// comment; one that begins with "[" and holds a "]" is a header, naming what stands between
// the "[" and the last "]"; any other line is a key line when it holds a "=", and a text line
// otherwise.
void ParseLine(char* line, unsigned lineNumber, const LineSource& source,
               TISArrayAsVector<section>& sections, section*& current) {
    char* content = Trim(line);
    if (*content == '\0' || *content == ';')
        return;
    const std::string asRead = content;
    const std::u16string wideAsRead = source.WideOf(content);

    if (char* closeBracket = *content == '[' ? std::strrchr(content, ']') : nullptr) {
        char* behind = Trim(closeBracket + 1);
        if (*behind == ';')
            behind = Trim(behind + 1);
        *closeBracket = '\0';
        const char* name = Trim(content + 1);
        current = &sections.Add(std::make_unique<section>(name, behind));
        current->wideText = source.WideOf(name);
        current->wideComment = source.WideOf(behind);
        current->line = lineNumber;
        current->asRead = asRead;
        current->wideAsRead = wideAsRead;
        return;
    }

    if (current == nullptr)
        return;
    char* equals = std::strchr(content, '=');
    if (equals == nullptr) {
        rtext& added = current->textLines.Add(std::make_unique<rtext>(content));
        added.wideText = wideAsRead;
        added.line = lineNumber;
        added.asRead = asRead;
        added.wideAsRead = wideAsRead;
        return;
    }
    *equals = '\0';
    const char* key = Trim(content);
    const char* value = WithoutEnclosingQuotes(Trim(equals + 1));
    entry& added = current->entries.Add(std::make_unique<entry>(key, std::string(), value));
    added.wideText = source.WideOf(key);
    added.wideValue = source.WideOf(value);
    added.valueAsRead = value;
    added.line = lineNumber;
    added.asRead = asRead;
    added.wideAsRead = wideAsRead;
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
    section* current = nullptr;
    // The line taken apart in place; one buffer serves every line.
    std::string copy;
    std::u16string units;
    unsigned lineNumber = 0;
    while (!file.AtEnd()) {
        const char* line = file.ReadLine();
        ++lineNumber;
        encoding_ = file.Encoding();
        if (encoding_ == TextEncoding::kUnreadable) {
            neverWrittenOver_ = true;
            sections_.Flush();
            return;
        }
        if (encoding_ == TextEncoding::kUtf16 || encoding_ == TextEncoding::kUtf8) {
            if (encoding_ == TextEncoding::kUtf8) {
                units = utf8::UnitsOf(line);
            } else {
                // A last byte without its partner is no character: a rewrite would lose it.
                if (file.LineLength() % 2 != 0)
                    neverWrittenOver_ = true;
                units = UnitsOf(line, file.LineLength());
            }
            copy = cp1252::Narrowed(units);
            ParseLine(&copy[0], lineNumber, LineSource(copy.c_str(), &units), sections_, current);
        } else {
            copy.assign(line);
            ParseLine(&copy[0], lineNumber, LineSource(copy.c_str(), nullptr), sections_, current);
        }
    }
    if (file.ReadFailed())
        neverWrittenOver_ = true;
}
