// The elements of an INI document. Each is the text that names it (a section's name, an
// entry's key, a text line's text) together with the line it was read from. Only a section's
// header line has a comment: as Windows' profile reader reads a file, a ";" anywhere else is
// part of the text, and a line that begins with ";" is a comment line of its own.
#pragma once

#include "indirect_array.h"
#include "sorted_indirect_array.h"

#include <string>
#include <utility>
#include <vector>

// A line inside a section that is no key=value line.
class rtext : public std::string {
public:
    explicit rtext(std::string text, std::string lineComment = std::string())
        : std::string(std::move(text)), comment(std::move(lineComment)) {}

    // What stands behind the "]" of a header line, without a leading ";", trimmed; empty
    // otherwise.
    std::string comment;

    // For a text read from a UTF-16 file that code page 1252 cannot hold: the characters it
    // was read from, written back as long as the text is still what was read. Empty
    // otherwise.
    std::u16string wideText;
    std::u16string wideComment;

    // The line of the file it was read from, counted from 1; 0 for an element added since.
    // Elements of the same name keep their order, but names in other letter case sort apart:
    // only the line tells which came first in the file.
    unsigned line = 0;

    // The whole line as it was read, trimmed, with wideAsRead for its characters as wideText
    // holds them: the writer puts it back byte for byte while the element is what was read.
    // Empty for an element added since.
    std::string asRead;
    std::u16string wideAsRead;
};

// Names sort byte by byte as unsigned values, so "AutoRun" < "Orbilan" < "autorun".
bool operator<(const rtext& left, const rtext& right);

// Names are the same name when they are equal after mapping a-z to A-Z; no other byte
// (umlauts included) is mapped.
bool operator==(const rtext& left, const rtext& right);

// The index of the element named wanted that Windows' profile reader takes when several bear
// the name: the first of them in the file, an element added since behind every one read.
// NPOS when none does.
template <class T> unsigned FirstInFileOf(const TISArrayAsVector<T>& items, const rtext& wanted) {
    unsigned found = items.NPOS;
    for (unsigned index = 0; index < items.GetItemsInContainer(); ++index) {
        const T& item = items[index];
        if (!(item == wanted))
            continue;
        if (found == items.NPOS ||
            (item.line != 0 && (items[found].line == 0 || item.line < items[found].line)))
            found = index;
    }
    return found;
}

// A key=value line; the text is the key.
class entry : public rtext {
public:
    entry(std::string key, std::string lineComment, std::string entryValue)
        : rtext(std::move(key), std::move(lineComment)), value(std::move(entryValue)) {}

    // As Windows' profile reader hands it out: everything behind the first "=", trimmed,
    // without a pair of quotes that encloses all of it.
    std::string value;
    std::u16string wideValue;
    // The value as it was read; the line read is written back only while value is the same.
    std::string valueAsRead;
};

// Sorts elements into the order of the file: by the line they were read from, an element added
// since behind every one read; elements of one place keep their order.
void SortInFileOrder(std::vector<const rtext*>& elements);
template <class Element> void SortInFileOrder(const Element** first, const Element** last) {
    // One sort for every kind of element: each instance of the library's stable sort adds 2 KB
    // to a program.
    std::vector<const rtext*> elements(first, last);
    SortInFileOrder(elements);
    for (const rtext* element : elements)
        *first++ = static_cast<const Element*>(element);
}

// A section; the text is its name, the comment that of its header line.
class section : public rtext {
public:
    explicit section(std::string name, std::string headerComment = std::string())
        : rtext(std::move(name), std::move(headerComment)) {}

    bool IsEmpty() const { return entries.IsEmpty() && textLines.IsEmpty(); }

    // In the order they were read or added.
    TIArrayAsVector<rtext> textLines{11, 10};
    // Sorted by key.
    TISArrayAsVector<entry> entries{11, 10};
};
