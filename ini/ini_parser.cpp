// Reading a document. The parser never fails: what it cannot place it drops (lines before
// the first section, blank lines and comment lines).
#include "cp1252.h"
#include "document_builder.h"
#include "file_io.h"
#include "ini_file.h"
#include "key_line.h"
#include "trim.h"
#include "utf8.h"

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

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
                units = utf8::UnitsOf(line);
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
    sectionsSortedWithoutCase_ = SortedWithoutCase(sections_);
    if (file.ReadFailed())
        neverWrittenOver_ = true;
}
