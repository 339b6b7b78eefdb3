#include "ini_elements.h"

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
