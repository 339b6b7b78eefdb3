// Reading a document. The parser never fails: what it cannot place it drops (lines before
// the first section, blank and comment-only lines, headers without "]", lines with an empty
// key).
#include "file_io.h"
#include "ini_file.h"
#include "trim.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

// A UTF-16 text starts with its byte-order mark, in either byte order.
bool StartsWithUtf16Mark(const char* line) {
    const auto first = static_cast<unsigned char>(line[0]);
    const auto second = first == 0 ? 0u : static_cast<unsigned char>(line[1]);
    return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

// A "[" makes a header, unless an "=" stands before it: then the line is a key whose value
// happens to hold brackets, as in "Headline=Demo [Version 2]".
bool IsHeader(const char* content, const char* openBracket) {
    if (openBracket == nullptr)
        return false;
    const char* equals = std::strchr(content, '=');
    return equals == nullptr || equals > openBracket;
}

// Handles one line, changing it in place; current is the section the line falls into.
void ParseLine(char* line, TISArrayAsVector<section>& sections, section*& current) {
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
        current = &sections.Add(std::make_unique<section>(Trim(openBracket + 1), comment));
        return;
    }

    if (current == nullptr)
        return;
    char* content = Trim(line);
    if (*content == '\0')
        return;
    char* equals = std::strchr(content, '=');
    if (equals == nullptr) {
        current->textLines.Add(std::make_unique<rtext>(content, comment));
        return;
    }
    if (equals == content)
        return;
    *equals = '\0';
    current->entries.Add(std::make_unique<entry>(Trim(content), comment, Trim(equals + 1)));
}

} // namespace

void INIFile::Parse() {
    FileIO file(fileName_.c_str(), FileIO::kRead);
    if (!file.IsOpen()) {
        neverWrittenOver_ = file.ReadFailed();
        return;
    }
    section* current = nullptr;
    bool firstLine = true;
    while (!file.AtEnd()) {
        const char* line = file.ReadLine();
        if (firstLine && StartsWithUtf16Mark(line)) {
            neverWrittenOver_ = true;
            return;
        }
        firstLine = false;
        std::string copy(line);
        ParseLine(&copy[0], sections_, current);
    }
    if (file.ReadFailed())
        neverWrittenOver_ = true;
}
