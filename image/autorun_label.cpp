#include "autorun_label.h"

#include "cp1252.h"

namespace iso_image {

namespace {

// An INF beyond this is no AutoRun.INF Windows reads.
constexpr std::size_t kMaxInfBytes = 1u << 20;

char16_t Lower(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

bool SameIgnoringCase(std::u16string_view left, std::u16string_view right) {
    if (left.size() != right.size())
        return false;
    for (std::size_t index = 0; index < left.size(); ++index)
        if (Lower(left[index]) != Lower(right[index]))
            return false;
    return true;
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && (text.front() == u' ' || text.front() == u'\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == u' ' || text.back() == u'\t' || text.back() == u'\r'))
        text.remove_suffix(1);
    return text;
}

std::u16string UnitsOf(std::string_view bytes) {
    std::u16string units;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        for (std::size_t at = 2; at + 1 < bytes.size(); at += 2)
            units += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                           (static_cast<unsigned char>(bytes[at + 1]) << 8));
        return units;
    }
    for (const char byte : bytes)
        units += cp1252::WideOf(static_cast<unsigned char>(byte));
    return units;
}

} // namespace

std::u16string LabelOfInf(std::string_view bytes) {
    const std::u16string text = UnitsOf(bytes);
    bool inAutoRun = false;
    bool seenAutoRun = false;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line =
            Trimmed(std::u16string_view(text).substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.front() == u'[') {
            const std::size_t close = line.find(u']');
            const std::u16string_view name = Trimmed(
                line.substr(1, close == std::u16string_view::npos ? line.size() - 1 : close - 1));
            // Windows reads only the first section of a name.
            inAutoRun = !seenAutoRun && SameIgnoringCase(name, u"autorun");
            seenAutoRun = seenAutoRun || inAutoRun;
            continue;
        }
        const std::size_t equals = line.find(u'=');
        if (!inAutoRun || equals == std::u16string_view::npos || line.front() == u';')
            continue;
        if (!SameIgnoringCase(Trimmed(line.substr(0, equals)), u"label"))
            continue;
        std::u16string_view value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
            value = value.substr(1, value.size() - 2);
        return std::u16string(value);
    }
    return std::u16string();
}

std::u16string LabelOfTree(const SourceTree& tree) {
    for (const SourceNode& child : tree.root.children) {
        if (child.directory || !SameIgnoringCase(child.name, u"autorun.inf") ||
            child.size > kMaxInfBytes)
            continue;
        image_platform::InputFile file;
        if (!file.Open(child.path))
            return std::u16string();
        std::string bytes(static_cast<std::size_t>(child.size), '\0');
        const std::int64_t got =
            file.Read(reinterpret_cast<unsigned char*>(&bytes[0]), bytes.size());
        if (got < 0)
            return std::u16string();
        bytes.resize(static_cast<std::size_t>(got));
        return LabelOfInf(bytes);
    }
    return std::u16string();
}

} // namespace iso_image
