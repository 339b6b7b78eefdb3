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
