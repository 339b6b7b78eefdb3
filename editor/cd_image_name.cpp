#include "cd_image_name.h"

#include <cstring>

namespace cd_image {

namespace {

constexpr std::size_t kMaxBaseLength = 64;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// The name as a file may carry it; empty when nothing of it is left.
std::string FileNameOf(std::string_view text) {
    std::string name;
    for (const char c : text) {
        const bool forbidden =
            static_cast<unsigned char>(c) < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr;
        name += forbidden ? '_' : c;
    }
    // Windows drops dots and blanks at the end of a name; blanks in front only hide it.
    const std::size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    name.erase(0, first);
    if (name.size() > kMaxBaseLength)
        name.resize(kMaxBaseLength);
    while (!name.empty() && (name.back() == ' ' || name.back() == '.'))
        name.pop_back();
    return name;
}

} // namespace

RootPlace PlaceOf(std::string_view root) {
    while (!root.empty() && IsSeparator(root.back()))
        root.remove_suffix(1);
    std::size_t slash = root.size();
    while (slash > 0 && !IsSeparator(root[slash - 1]))
        --slash;
    // "C:" or "\\server\share": a root, with nothing above it.
    if (slash == 0 || (root.size() == 2 && root[1] == ':'))
        return RootPlace{};
    if (root.substr(0, 2) == "\\\\" && root.find_first_of("\\/", 2) == slash - 1)
        return RootPlace{};
    return RootPlace{std::string(root.substr(0, slash)), std::string(root.substr(slash))};
}

std::string ProposedFileName(std::string_view label, std::string_view directoryName) {
    std::string name = FileNameOf(label);
    if (name.empty())
        name = FileNameOf(directoryName);
    if (name.empty())
        name = "CD";
    return name + ".iso";
}

} // namespace cd_image
