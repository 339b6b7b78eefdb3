#include "ini_describe.h"

namespace {

std::string CommentOf(const rtext& element) {
    return element.comment.empty() ? std::string() : " ;" + element.comment;
}

const std::string& TextOf(const rtext& element) {
    return element;
}

std::string DescribeDocument(const INIFile& document, bool withEmptyTexts) {
    std::string out;
    for (const auto& held : document.Sections()) {
        out += "[" + TextOf(*held) + "]" + CommentOf(*held) + "\n";
        for (const auto& item : held->entries) {
            const bool keptAsRead = !item->asRead.empty() && item->value == item->valueAsRead;
            if (!withEmptyTexts && item->value.empty() && !keptAsRead)
                continue;
            out += "  " + TextOf(*item) + "=" + item->value + CommentOf(*item) + "\n";
        }
        for (const auto& line : held->textLines) {
            if (!withEmptyTexts && line->empty())
                continue;
            out += "  " + TextOf(*line) + CommentOf(*line) + "\n";
        }
    }
    return out;
}

} // namespace

std::string Describe(const INIFile& document) {
    return DescribeDocument(document, true);
}

std::string DescribeAsWritten(const INIFile& document) {
    return DescribeDocument(document, false);
}

void MarkModified(INIFile& document) {
    // A name that no section of the document has, added and removed again.
    std::string probe = "\x01probe";
    while (document.FindSection(probe.c_str()) != nullptr)
        probe += "_";
    document.SetString(probe.c_str(), "k", "v");
    document.RemoveSection(probe.c_str());
}
