#include "ini_describe.h"

namespace {

std::string CommentOf(const rtext& element) {
    return element.comment.empty() ? std::string() : " ;" + element.comment;
}

const std::string& TextOf(const rtext& element) {
    return element;
}

} // namespace

std::string Describe(const INIFile& document) {
    std::string out;
    for (const auto& held : document.Sections()) {
        out += "[" + TextOf(*held) + "]" + CommentOf(*held) + "\n";
        for (const auto& item : held->entries)
            out += "  " + TextOf(*item) + "=" + item->value + CommentOf(*item) + "\n";
        for (const auto& line : held->textLines)
            out += "  " + TextOf(*line) + CommentOf(*line) + "\n";
    }
    return out;
}

void MarkModified(INIFile& document) {
    // A name that no section of the document has, added and removed again.
    std::string probe = "\x01probe";
    while (document.FindSection(probe.c_str()) != nullptr)
        probe += "_";
    document.SetString(probe.c_str(), "k", "v");
    document.RemoveSection(probe.c_str());
}

std::string WithoutEmptyValues(const std::string& description) {
    std::string out;
    std::string::size_type start = 0;
    while (start < description.size()) {
        const std::string::size_type end = description.find('\n', start);
        const std::string line = description.substr(start, end - start + 1);
        start = end + 1;
        // "  key=\n" or "  key= ;comment\n": keys hold no "=", values never start blank.
        const std::string::size_type equals = line.find('=');
        const bool emptyValue =
            line.compare(0, 2, "  ") == 0 && equals != std::string::npos &&
            (line.compare(equals, 2, "=\n") == 0 || line.compare(equals, 3, "= ;") == 0);
        if (!emptyValue)
            out += line;
    }
    return out;
}
