#include "check_platform.h"

#include "cp1252.h"
#include "utf8_text.h"

#include <cstdio>

namespace check_platform {

std::u16string NameUnits(const std::filesystem::path& name) {
    const std::string& bytes = name.native();
    std::u16string units;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t point = 0;
        const std::size_t length = utf8_text::Decode(bytes, at, point);
        if (length == 0) {
            units += cp1252::WideOf(static_cast<unsigned char>(bytes[at]));
            ++at;
            continue;
        }
        if (point >= 0x10000) {
            point -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (point >> 10));
            units += static_cast<char16_t>(0xDC00 + (point & 0x3FF));
        } else {
            units += static_cast<char16_t>(point);
        }
        at += length;
    }
    return units;
}

std::string KeyOf(const std::filesystem::path& name) {
    return name.native();
}

std::filesystem::path NameOfKey(const std::string& key) {
    return std::filesystem::path(key);
}

std::string DocumentPath(const std::filesystem::path& path) {
    return path.native();
}

std::string DisplayPath(const std::filesystem::path& path) {
    // Bytes that are no UTF-8 would make the report's JSON invalid.
    return utf8_text::FromUnits(NameUnits(path));
}

void WriteText(Stream stream, std::string_view utf8) {
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), out);
    std::fflush(out);
}

} // namespace check_platform
