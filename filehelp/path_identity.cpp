#include "path_identity.h"

#include <vector>

namespace filehelp {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The part of path that ".." never removes: the drive and a leading separator (two for a
// network path).
std::size_t AnchorLength(std::string_view path) {
    std::size_t length = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    if (length < path.size() && IsSeparator(path[length])) {
        ++length;
        if (length == 1 && path.size() > 1 && IsSeparator(path[1]))
            ++length;
    }
    return length;
}

// Normalised, without a trailing separator unless it is all that is left of the anchor.
std::string ComparablePath(std::string_view path) {
    std::string normal = NormalizePath(path);
    if (normal.size() > AnchorLength(normal) && normal.back() == '\\')
        normal.pop_back();
    return normal;
}

} // namespace

std::string NormalizePath(std::string_view path) {
    if (path.empty())
        return std::string();
    const std::size_t anchorLength = AnchorLength(path);
    std::string anchor(path.substr(0, anchorLength));
    for (char& c : anchor)
        if (IsSeparator(c))
            c = '\\';
    const bool rooted = !anchor.empty() && anchor.back() == '\\';

    std::vector<std::string_view> kept;
    std::string_view rest = path.substr(anchorLength);
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        const std::string_view component = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);

        if (component.empty() || component == ".")
            continue;
        if (component == "..") {
            if (!kept.empty() && kept.back() != "..")
                kept.pop_back();
            else if (!rooted)
                kept.push_back(component);
            continue;
        }
        kept.push_back(component);
    }

    std::string result = anchor;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0)
            result += '\\';
        result.append(kept[i]);
    }
    if (result.empty())
        result = ".";
    if (!kept.empty() && !path.empty() && IsSeparator(path.back()))
        result += '\\';
    return result;
}

char UpperCaseCp1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7))
        return static_cast<char>(u - 0x20);
    switch (u) {
    case 0x9A: // s caron
    case 0x9C: // oe
    case 0x9E: // z caron
        return static_cast<char>(u - 0x10);
    case 0xFF: // y diaeresis
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

bool NameSameFile(std::string_view a, std::string_view b) {
    const std::string left = ComparablePath(a);
    const std::string right = ComparablePath(b);
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (UpperCaseCp1252(left[i]) != UpperCaseCp1252(right[i]))
            return false;
    return true;
}

} // namespace filehelp
