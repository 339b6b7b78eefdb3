// Writing a document back. The layout is fixed: sections sorted by name, a blank line
// between them, a section's entries (sorted by key) before its text lines, comments behind
// a TAB, ";" and blank, and two more line ends at the end. Entries with empty values are
// left out: setting a value to "" is how a key is taken out of the file.
#include "file_io.h"
#include "ini_file.h"

FileIO& WriteComment(const rtext& element, FileIO& file) {
    if (!element.comment.empty())
        file.Write("\t; ").Write(element.comment.c_str());
    return file;
}

namespace {

void WriteSection(const section& written, FileIO& file) {
    file.Write("[").Write(written.c_str()).Write("]");
    WriteComment(written, file).Write("\r\n");
    for (const auto& item : written.entries) {
        if (item->value.empty())
            continue;
        file.Write(item->c_str()).Write("=").Write(item->value.c_str());
        WriteComment(*item, file).Write("\r\n");
    }
    for (const auto& line : written.textLines) {
        if (line->empty())
            continue;
        file.Write(line->c_str());
        WriteComment(*line, file).Write("\r\n");
    }
}

} // namespace

bool INIFile::Save() {
    if (modified_ == 0)
        return true;
    if (neverWrittenOver_)
        return false;
    FileIO file(fileName_.c_str(), FileIO::kCreateWrite);
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
