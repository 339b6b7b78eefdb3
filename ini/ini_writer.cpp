// Writing a document back. The layout is fixed: sections sorted by name, a blank line
// between them, a section's entries (sorted by key) before its text lines, comments behind
// a TAB, ";" and blank, and two more line ends at the end. Entries with empty values are
// left out: setting a value to "" is how a key is taken out of the file.
#include "cp1252.h"
#include "file_io.h"
#include "ini_file.h"

namespace {

// A text read from a UTF-16 file keeps the characters it was read from while it is
// unchanged; a text set since is written as what it now is.
FileIO& WriteText(FileIO& file, const std::string& text, const std::u16string& wide) {
    if (!wide.empty() && cp1252::Narrowed(wide) == text)
        return file.Write(wide);
    return file.Write(text.c_str());
}

} // namespace

FileIO& WriteComment(const rtext& element, FileIO& file) {
    if (!element.comment.empty())
        WriteText(file.Write("\t; "), element.comment, element.wideComment);
    return file;
}

namespace {

void WriteSection(const section& written, FileIO& file) {
    WriteText(file.Write("["), written, written.wideText).Write("]");
    WriteComment(written, file).Write("\r\n");
    for (const auto& item : written.entries) {
        if (item->value.empty())
            continue;
        WriteText(file, *item, item->wideText).Write("=");
        WriteText(file, item->value, item->wideValue);
        WriteComment(*item, file).Write("\r\n");
    }
    for (const auto& line : written.textLines) {
        if (line->empty())
            continue;
        WriteText(file, *line, line->wideText);
        WriteComment(*line, file).Write("\r\n");
    }
}

} // namespace

bool INIFile::Save() {
    if (modified_ == 0)
        return true;
    if (neverWrittenOver_)
        return false;
    FileIO file(fileName_.c_str(), FileIO::kCreateWrite, encoding_);
    bool first = true;
    for (const auto& written : sections_) {
        if (!first)
            file.Write("\r\n");
        first = false;
        WriteSection(*written, file);
    }
    file.Write("\r\n\r\n");
    if (!file.Commit())
        return false;
    modified_ = 0;
    return true;
}
