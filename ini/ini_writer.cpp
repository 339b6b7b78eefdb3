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

#include <vector>

namespace {

// A text read from a UTF-16 file keeps the characters it was read from while it is
// unchanged; a text set since is written as what it now is.
FileIO& WriteText(FileIO& file, const std::string& text, const std::u16string& wide) {
    if (!wide.empty() && cp1252::Narrowed(wide) == text)
        return file.Write(wide);
    return file.Write(text.c_str());
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

template <class T> std::vector<const T*> InWritingOrder(const TISArrayAsVector<T>& items) {
    const unsigned count = items.GetItemsInContainer();
    std::vector<const T*> order;
    std::vector<bool> placed(count, false);
    for (unsigned first = 0; first < count; ++first) {
        if (placed[first])
            continue;
        const std::size_t groupStart = order.size();
        for (unsigned other = first; other < count; ++other) {
            if (!placed[other] && items[other] == items[first]) {
                placed[other] = true;
                order.push_back(&items[other]);
            }
        }
        SortInFileOrder(order.data() + groupStart, order.data() + order.size());
    }
    return order;
}

void WriteEntry(const entry& item, FileIO& file) {
    if (!item.asRead.empty() && item.value == item.valueAsRead) {
        WriteText(file, item.asRead, item.wideAsRead).Write("\r\n");
        return;
    }
    if (item.value.empty())
        return;
    WriteText(file, item, item.wideText).Write("=");
    const std::string value = AsWrittenValue(item.value);
    if (value == item.value)
        WriteText(file, item.value, item.wideValue);
    else
        file.Write(value.c_str());
    file.Write("\r\n");
}

void WriteSection(const section& written, FileIO& file) {
    if (!written.asRead.empty()) {
        WriteText(file, written.asRead, written.wideAsRead).Write("\r\n");
    } else {
        WriteText(file.Write("["), written, written.wideText).Write("]");
        WriteComment(written, file).Write("\r\n");
    }
    for (const entry* item : InWritingOrder(written.entries))
        WriteEntry(*item, file);
    for (const auto& line : written.textLines) {
        if (line->empty())
            continue;
        WriteText(file, *line, line->wideText);
        WriteComment(*line, file).Write("\r\n");
    }
}

} // namespace

FileIO& WriteComment(const rtext& element, FileIO& file) {
    if (!element.comment.empty())
        WriteText(file.Write("\t; "), element.comment, element.wideComment);
    return file;
}

// A UTF-8 file is written in a form Windows reads: code page 1252 when that holds every
// character, UTF-16 otherwise.
TextEncoding INIFile::EncodingToWrite() const {
    if (encoding_ != TextEncoding::kUtf8)
        return encoding_;
    const auto hides = [](const std::string& text, const std::u16string& wide) {
        return !wide.empty() && cp1252::Narrowed(wide) == text;
    };
    for (const auto& held : sections_) {
        if (hides(*held, held->wideText) || hides(held->comment, held->wideComment) ||
            hides(held->asRead, held->wideAsRead))
            return TextEncoding::kUtf16;
        for (const auto& item : held->entries) {
            if (hides(*item, item->wideText) || hides(item->value, item->wideValue) ||
                (item->value == item->valueAsRead && hides(item->asRead, item->wideAsRead)))
                return TextEncoding::kUtf16;
        }
        for (const auto& line : held->textLines) {
            if (hides(*line, line->wideText))
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
    for (const section* held : InWritingOrder(sections_)) {
        if (!first)
            file.Write("\r\n");
        first = false;
        WriteSection(*held, file);
    }
    file.Write("\r\n\r\n");
    if (!file.Commit())
        return false;
    modified_ = 0;
    encoding_ = written;
    return true;
}
