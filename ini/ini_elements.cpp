#include "ini_elements.h"

#include <algorithm>

namespace {

unsigned char UpperAscii(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - ('a' - 'A')) : byte;
}

} // namespace

bool operator<(const rtext& left, const rtext& right) {
    return static_cast<const std::string&>(left).compare(right) < 0;
}

bool operator==(const rtext& left, const rtext& right) {
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (UpperAscii(left[i]) != UpperAscii(right[i]))
            return false;
    }
    return true;
}

bool NameBefore(const rtext& left, const rtext& right) {
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        // Neighbouring names in a sorted array begin alike: equal bytes are passed quickly.
        if (left[i] == right[i])
            continue;
        const unsigned char l = UpperAscii(left[i]);
        const unsigned char r = UpperAscii(right[i]);
        if (l != r)
            return l < r;
    }
    return left.size() < right.size();
}

const WideTexts rtext::kNoWideTexts;

void rtext::SetWide(WideTexts texts) {
    if (texts.text.empty() && texts.comment.empty() && texts.asRead.empty() && texts.value.empty())
        wide_.reset();
    else
        wide_ = std::make_unique<WideTexts>(std::move(texts));
}
