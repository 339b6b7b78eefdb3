// Writing a document back. The layout is fixed: sections sorted by name, a blank line
// between them, a section's entries (sorted by key) before its text lines, and two more line
// ends at the end. A line that is still what was read is written back byte for byte; a
// changed or new entry is written as key=value. Entries set to an empty value are left out:
// setting a value to "" is how a key is taken out of the file.
//
// Windows' profile reader takes the first of several sections of one name, and the first of
// several keys of one name in a section, in any letter case; the sorted layout would put
// "Open" in front of an "open" that came first in the file. Elements of one name are therefore
// written together, at the place of the first of them in the layout, in the order they were
// read, so that the reader finds the same one first.
#include "cp1252.h"
#include "file_io.h"
#include "ini_file.h"
#include "stable_order.h"

#include <climits>
#include <vector>

namespace {

// A text read from a UTF-16 file keeps the characters it was read from while it is
// unchanged; a text set since is written as what it now is.
FileIO& WriteText(FileIO& file, std::string_view text, const std::u16string& wide) {
    if (!wide.empty() && cp1252::Narrowed(wide) == text)
        return file.Write(wide);
    return file.Write(text);
}

bool IsReaderSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

// The reader trims a value and takes a pair of quotes around it away: a value that would lose
// something to either is written inside quotes, which the reader takes away again.
std::string AsWrittenValue(const std::string& value) {
    const bool trimmed = IsReaderSpace(value.front()) || IsReaderSpace(value.back());
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return trimmed || quoted ? "\"" + value + "\"" : value;
}

constexpr unsigned kFetchAhead = 4;

// Asks for an element and its line as read ahead of their turn.
template <class T> void FetchAhead(const T& element) {
#if defined(__GNUC__)
    const char* at = reinterpret_cast<const char*>(&element);
    for (std::size_t offset = 0; offset < sizeof(T); offset += 64)
        __builtin_prefetch(at + offset);
    __builtin_prefetch(element.asRead.data());
#else
    static_cast<void>(element);
#endif
}

// The order of items with two or more of one name: as given, but the elements of one name
// together at the place of the first, in the order of the file. They are brought together by
// sorting them by name; the sort keeps the given order among one name, so the first of each run
// leads its group.
std::vector<const rtext*> GroupedByName(const std::vector<const rtext*>& items) {
    const auto count = static_cast<unsigned>(items.size());
    constexpr unsigned kNoGroup = UINT_MAX;
    const std::vector<unsigned> byName =
        StableOrder(count, &items, [](const void* sorted, unsigned left, unsigned right) {
            const auto& elements = *static_cast<const std::vector<const rtext*>*>(sorted);
            return NameBefore(*elements[left], *elements[right]);
        });
    std::vector<unsigned> groupStart(count, kNoGroup);
    for (unsigned start = 0; start < count;) {
        groupStart[byName[start]] = start;
        while (++start < count && *items[byName[start - 1]] == *items[byName[start]]) {
        }
    }
    std::vector<const rtext*> order;
    order.reserve(count);
    for (unsigned first = 0; first < count; ++first) {
        if (groupStart[first] == kNoGroup)
            continue;
        const std::size_t groupBegin = order.size();
        for (unsigned at = groupStart[first]; at < count && *items[byName[at]] == *items[first];
             ++at)
            order.push_back(items[byName[at]]);
        SortInFileOrder(order.data() + groupBegin, order.data() + order.size());
    }
    return order;
}

// Calls write for each item in the order of writing: the array's own where no two items are
// one name.
template <class T, class Write>
void InWritingOrder(const TISArrayAsVector<T>& items, bool sortedWithoutCase, Write write) {
    if (sortedWithoutCase || SortedWithoutCase(items)) {
        // The walk waits on memory more than it computes: the item some places ahead and its
        // line as read are asked for early.
        const unsigned count = items.GetItemsInContainer();
        for (unsigned index = 0; index < count; ++index) {
            if (index + kFetchAhead < count)
                FetchAhead(items[index + kFetchAhead]);
            write(items[index]);
        }
        return;
    }
    std::vector<const rtext*> elements;
    elements.reserve(items.GetItemsInContainer());
    for (unsigned index = 0; index < items.GetItemsInContainer(); ++index)
        elements.push_back(&items[index]);
    for (const rtext* item : GroupedByName(elements))
        write(static_cast<const T&>(*item));
}

void WriteEntry(const entry& item, FileIO& file) {
    if (!item.asRead.empty() && item.value == item.valueAsRead) {
        WriteText(file, item.asRead, item.Wide().asRead).Write("\r\n");
        return;
    }
    if (item.value.empty())
        return;
    WriteText(file, item, item.Wide().text).Write("=");
    const std::string value = AsWrittenValue(item.value);
    if (value == item.value)
        WriteText(file, item.value, item.Wide().value);
    else
        file.Write(std::string_view(value));
    file.Write("\r\n");
}

void WriteSection(const section& written, FileIO& file) {
    if (!written.asRead.empty()) {
        WriteText(file, written.asRead, written.Wide().asRead).Write("\r\n");
    } else {
        WriteText(file.Write("["), written, written.Wide().text).Write("]");
        WriteComment(written, file).Write("\r\n");
    }
    InWritingOrder(written.entries, written.keysSortedWithoutCase,
                   [&file](const entry& item) { WriteEntry(item, file); });
    for (const auto& line : written.textLines) {
        if (line->empty())
            continue;
        WriteText(file, *line, line->Wide().text);
        WriteComment(*line, file).Write("\r\n");
    }
}

} // namespace

FileIO& WriteComment(const rtext& element, FileIO& file) {
    if (!element.comment.empty())
        WriteText(file.Write("\t; "), element.comment, element.Wide().comment);
    return file;
}

// A UTF-8 file is written in a form Windows reads: code page 1252 when that holds every
// character, UTF-16 otherwise.
TextEncoding INIFile::EncodingToWrite() const {
    if (encoding_ != TextEncoding::kUtf8)
        return encoding_;
    const auto hides = [](std::string_view text, const std::u16string& wide) {
        return !wide.empty() && cp1252::Narrowed(wide) == text;
    };
    for (const auto& held : sections_) {
        const WideTexts& wide = held->Wide();
        if (hides(*held, wide.text) || hides(held->comment, wide.comment) ||
            hides(held->asRead, wide.asRead))
            return TextEncoding::kUtf16;
        for (const auto& item : held->entries) {
            const WideTexts& itemWide = item->Wide();
            if (hides(*item, itemWide.text) || hides(item->value, itemWide.value) ||
                (item->value == item->valueAsRead && hides(item->asRead, itemWide.asRead)))
                return TextEncoding::kUtf16;
        }
        for (const auto& line : held->textLines) {
            if (hides(*line, line->Wide().text))
                return TextEncoding::kUtf16;
        }
    }
    return TextEncoding::kAnsi;
}

bool INIFile::Save() {
    if (modified_ == 0 && encoding_ != TextEncoding::kUtf8)
        return true;
    if (neverWrittenOver_)
        return false;
    const TextEncoding written = EncodingToWrite();
    FileIO file(fileName_.c_str(), FileIO::kCreateWrite, written);
    bool first = true;
    InWritingOrder(sections_, sectionsSortedWithoutCase_, [&file, &first](const section& held) {
        if (!first)
            file.Write("\r\n");
        first = false;
        WriteSection(held, file);
    });
    file.Write("\r\n\r\n");
    if (!file.Commit())
        return false;
    modified_ = 0;
    encoding_ = written;
    return true;
}
