#include "ascii_case.h"

namespace ascii_case {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

bool Same(std::string_view left, std::string_view right) {
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (Upper(left[i]) != Upper(right[i]))
            return false;
    return true;
}

bool Before(std::string_view left, std::string_view right) {
    const std::size_t common = left.size() < right.size() ? left.size() : right.size();
    for (std::size_t i = 0; i < common; ++i) {
        // Neighbouring names in a sorted array begin alike: equal bytes are passed quickly.
        if (left[i] == right[i])
            continue;
        const auto l = static_cast<unsigned char>(Upper(left[i]));
        const auto r = static_cast<unsigned char>(Upper(right[i]));
        if (l != r)
            return l < r;
    }
    return left.size() < right.size();
}

bool BeginsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && Same(text.substr(0, prefix.size()), prefix);
}

std::string KeyOf(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        c = Upper(c);
    return key;
}

} // namespace ascii_case
