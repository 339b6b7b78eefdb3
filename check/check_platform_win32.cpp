#include "check_platform.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace check_platform {

namespace {

std::wstring WideOfUtf8(std::string_view utf8) {
    if (utf8.empty())
        return std::wstring();
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                            length);
    return wide;
}

std::string Utf8OfWide(const std::wstring& wide) {
    if (wide.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0],
                            length, nullptr, nullptr);
    return utf8;
}

} // namespace

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
    return Utf8OfWide(path.native());
}

void WriteText(Stream stream, std::string_view utf8) {
    const HANDLE handle =
        GetStdHandle(stream == Stream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // A console shows characters, whatever its code page: umlauts need no conversion.
        const std::wstring wide = WideOfUtf8(utf8);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected into a file or a pipe: the UTF-8 bytes, as on other systems.
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), out);
    std::fflush(out);
}

} // namespace check_platform
