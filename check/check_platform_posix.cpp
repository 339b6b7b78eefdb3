#include "check_platform.h"

#include "utf8_text.h"
#include "utf8_units.h"

#include <cstdio>

namespace check_platform {

std::u16string NameUnits(const std::filesystem::path& name) {
    return utf8_units::Decoded(name.native().data(), name.native().size());
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
