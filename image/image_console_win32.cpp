// The console side of the system behind image_platform.h on Windows: text for people to read.
// Apart from the files' side, which the editor links as well: it writes nothing to a console.
#include "image_platform.h"

#include <windows.h>

#include <cstdio>

namespace image_platform {

namespace {

std::u16string WideOfUtf8(std::string_view utf8) {
    if (utf8.empty())
        return std::u16string();
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::u16string wide(static_cast<std::size_t>(length > 0 ? length : 0), u'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                            reinterpret_cast<wchar_t*>(&wide[0]), length);
    return wide;
}

std::string Utf8OfWide(const std::u16string& wide) {
    if (wide.empty())
        return std::string();
    const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
    const int count = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, units, count, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, units, count, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

} // namespace

std::string DisplayPath(const NativeString& path) {
    return Utf8OfWide(path);
}

void WriteText(Stream stream, std::string_view utf8) {
    const HANDLE handle =
        GetStdHandle(stream == Stream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // A console shows characters, whatever its code page: umlauts need no conversion.
        const std::u16string wide = WideOfUtf8(utf8);
        DWORD written = 0;
        WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(wide.c_str()),
                      static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected into a file or a pipe: the UTF-8 bytes, as on other systems.
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), out);
    std::fflush(out);
}

bool OutputIsTerminal() {
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

} // namespace image_platform
