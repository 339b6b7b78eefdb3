#include "check_platform.h"

#include "utf8.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace check_platform {

std::u16string NameUnits(const std::filesystem::path& name) {
    const std::wstring& wide = name.native();
    return std::u16string(wide.begin(), wide.end());
}

std::string KeyOf(const std::filesystem::path& name) {
    // Each unit high byte first: byte order is then the order of the units.
    std::string key;
    for (const wchar_t unit : name.native()) {
        key += static_cast<char>((unit >> 8) & 0xFF);
        key += static_cast<char>(unit & 0xFF);
    }
    return key;
}

std::filesystem::path NameOfKey(const std::string& key) {
    std::wstring name;
    for (std::size_t at = 0; at + 1 < key.size(); at += 2)
        name += static_cast<wchar_t>(static_cast<unsigned char>(key[at]) << 8 |
                                     static_cast<unsigned char>(key[at + 1]));
    return std::filesystem::path(name);
}

std::string DocumentPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    if (wide.empty())
        return std::string();
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                            static_cast<int>(wide.size()), nullptr, 0, nullptr, &lost);
    if (length <= 0 || lost)
        return std::string();
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        &narrow[0], length, nullptr, &lost);
    return narrow;
}

std::string DisplayPath(const std::filesystem::path& path) {
    return utf8::OfUnits(NameUnits(path));
}

void WriteText(Stream stream, std::string_view text) {
    const HANDLE handle =
        GetStdHandle(stream == Stream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // A console shows characters, whatever its code page: umlauts need no conversion.
        const std::u16string wide = utf8::UnitsOf(text);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(wide.c_str()),
                      static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected into a file or a pipe: the UTF-8 bytes, as on other systems.
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
}

} // namespace check_platform
