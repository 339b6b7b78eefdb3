#include "check_platform.h"

#include "utf8.h"

#include <cstdio>

namespace check_platform {

std::u16string NameUnits(const std::filesystem::path& name) {
    return utf8::UnitsOf(name.native());
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
    return utf8::OfUnits(NameUnits(path));
}

void WriteText(Stream stream, std::string_view text) {
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
}

} // namespace check_platform
