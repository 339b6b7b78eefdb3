// The elements of an INI document. Each is the text that names it (a section's name, an
// entry's key, a text line's text) together with the line it was read from. Only a section's
// header line has a comment: as Windows' profile reader reads a file, a ";" anywhere else is
// part of the text, and a line that begins with ";" is a comment line of its own.
#pragma once

#include "indirect_array.h"
#include "sorted_indirect_array.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A text as it was read from the file: a view of the document's copy of it, valid as long as
// the document. It converts to a std::string like the elements' other texts.
class TextAsRead : public std::string_view {
public:
    TextAsRead() = default;
    explicit TextAsRead(std::string_view text) : std::string_view(text) {}
    operator std::string() const { return std::string(*this); }
};

// For an element read from a UTF-16 (or UTF-8) file: the characters its texts were read from,
// where code page 1252 cannot hold them all; an empty text otherwise. The writer writes them
// back as long as their texts are still what was read.
struct WideTexts {
    std::u16string text;
    std::u16string comment;
    // Of the whole line as it was read.
    std::u16string asRead;
    // Of an entry's value.
    std::u16string value;
};

// A line inside a section that is no key=value line.
class rtext : public std::string {
public:
    explicit rtext(std::string text, std::string lineComment = std::string())
        : std::string(std::move(text)), comment(std::move(lineComment)) {}

    // What stands behind the "]" of a header line, without a leading ";", trimmed; empty
    // otherwise.
    std::string comment;

    // The line of the file it was read from, counted from 1; 0 for an element added since.
    // Elements of the same name keep their order, but names in other letter case sort apart:
    // only the line tells which came first in the file.
    unsigned line = 0;

    // The whole line as it was read, trimmed: the writer puts it back byte for byte while the
    // element is what was read. Empty for an element added since.
    TextAsRead asRead;

    // Most elements have none: they are kept only where there are some.
    const WideTexts& Wide() const { return wide_ ? *wide_ : kNoWideTexts; }
    void SetWide(WideTexts texts);

private:
    static const WideTexts kNoWideTexts;
    std::unique_ptr<WideTexts> wide_;
};

// Names sort byte by byte as unsigned values, so "AutoRun" < "Orbilan" < "autorun".
bool operator<(const rtext& left, const rtext& right);

// Names are the same name when they are equal after mapping a-z to A-Z; no other byte
// (umlauts included) is mapped.
bool operator==(const rtext& left, const rtext& right);

// The order of names without regard to the letter case of a to z: left sorts before right.
bool NameBefore(const rtext& left, const rtext& right);

// True when the names of a sorted array sort in the same order without regard to the letter
// case of a to z. Then no two of them are one name, and a name is found by halving without
// regard to letter case. One comparison an element.
template <class T> bool SortedWithoutCase(const TISArrayAsVector<T>& items) {
    for (unsigned index = 1; index < items.GetItemsInContainer(); ++index) {
        if (!NameBefore(items[index - 1], items[index]))
            return false;
    }
    return true;
}

// Whether an array sorted without letter case stays so with added put in where Add puts it:
// behind every item it does not sort before.
template <class T>
bool StaysSortedWithoutCase(const TISArrayAsVector<T>& items, const rtext& added) {
    unsigned lo = 0;
    unsigned hi = items.GetItemsInContainer();
    while (lo < hi) {
        const unsigned mid = lo + (hi - lo) / 2;
        if (added < items[mid])
            hi = mid;
        else
            lo = mid + 1;
    }
    return (lo == 0 || NameBefore(items[lo - 1], added)) &&
           (lo == items.GetItemsInContainer() || NameBefore(added, items[lo]));
}

// The index of the element named wanted that Windows' profile reader takes when several bear
// the name: the first of them in the file, an element added since behind every one read.
// NPOS when none does. sortedWithoutCase: the array is (SortedWithoutCase), so that at most
// one element bears the name and halving finds it.
template <class T>
unsigned FirstInFileOf(const TISArrayAsVector<T>& items, const rtext& wanted,
                       bool sortedWithoutCase) {
    if (sortedWithoutCase) {
        unsigned lo = 0;
        unsigned hi = items.GetItemsInContainer();
        while (lo < hi) {
            const unsigned mid = lo + (hi - lo) / 2;
            if (NameBefore(items[mid], wanted))
                lo = mid + 1;
            else
                hi = mid;
        }
        return lo < items.GetItemsInContainer() && items[lo] == wanted ? lo : items.NPOS;
    }
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
    // The value as it was read, inside asRead; the line read is written back only while value
    // is the same.
    std::string_view valueAsRead;
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

    // Puts an entry in by sorted insertion, keeping keysSortedWithoutCase.
    entry& AddEntry(std::unique_ptr<entry> added) {
        keysSortedWithoutCase = keysSortedWithoutCase && StaysSortedWithoutCase(entries, *added);
        return entries.Add(std::move(added));
    }

    // Whether the entries are SortedWithoutCase: kept up to date as entries come in, so that
    // keys are found by halving, and the writer, which keeps keys of one name together, looks
    // for them only where they may be.
    bool keysSortedWithoutCase = true;

    // In the order they were read or added.
    TIArrayAsVector<rtext> textLines{11, 10};
    // Sorted by key.
    TISArrayAsVector<entry> entries{11, 10};
};
