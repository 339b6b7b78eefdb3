// Reading a document. The parser never fails: what it cannot place it drops (lines before
// the first section, blank and comment-only lines, headers without "]", lines with an empty
// key).
#include "cp1252.h"
#include "file_io.h"
#include "ini_file.h"
#include "trim.h"

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

// A "[" makes a header, unless an "=" stands before it: then the line is a key whose value
// happens to hold brackets, as in "Headline=Demo [Version 2]".
bool IsHeader(const char* content, const char* openBracket) {
    if (openBracket == nullptr)
        return false;
    const char* equals = std::strchr(content, '=');
    return equals == nullptr || equals > openBracket;
}

// Handles one line, changing it in place; current is the section the line falls into.
void ParseLine(char* line, unsigned lineNumber, const LineSource& source,
               TISArrayAsVector<section>& sections, section*& current) {
    const char* comment = "";
    if (char* semicolon = std::strchr(line, ';')) {
        *semicolon = '\0';
        comment = Trim(semicolon + 1);
    }

    char* openBracket = std::strchr(line, '[');
    if (IsHeader(line, openBracket)) {
        // The name ends at the first "]" behind the "[", so that it never holds a "]"
        // (a header written with such a name would read back as another name). With no "]"
        // behind the "[", one in front of it still marks the line as a header.
        char* closeBracket = std::strchr(openBracket, ']');
        if (closeBracket == nullptr)
            closeBracket = std::strchr(line, ']');
        if (closeBracket == nullptr)
            return;
        *closeBracket = '\0';
        const char* name = Trim(openBracket + 1);
        current = &sections.Add(std::make_unique<section>(name, comment));
        current->wideText = source.WideOf(name);
        current->wideComment = source.WideOf(comment);
        current->line = lineNumber;
        return;
    }

    if (current == nullptr)
        return;
    char* content = Trim(line);
    if (*content == '\0')
        return;
    char* equals = std::strchr(content, '=');
    if (equals == nullptr) {
        rtext& added = current->textLines.Add(std::make_unique<rtext>(content, comment));
        added.wideText = source.WideOf(content);
        added.wideComment = source.WideOf(comment);
        added.line = lineNumber;
        return;
    }
    if (equals == content)
        return;
    *equals = '\0';
    const char* key = Trim(content);
    const char* value = Trim(equals + 1);
    entry& added = current->entries.Add(std::make_unique<entry>(key, comment, value));
    added.wideText = source.WideOf(key);
    added.wideComment = source.WideOf(comment);
    added.wideValue = source.WideOf(value);
    added.line = lineNumber;
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
        if (encoding_ == TextEncoding::kUtf16) {
            // A last byte without its partner is no character: a rewrite would lose it.
            if (file.LineLength() % 2 != 0)
                neverWrittenOver_ = true;
            units = UnitsOf(line, file.LineLength());
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
