// The console side of the system behind image_platform.h on Windows: text for people to read.
// Apart from the files' side, which the editor links as well: it writes nothing to a console.
#include "image_platform.h"

#include "utf8.h"

#include <windows.h>

#include <cstdio>

namespace image_platform {

std::string DisplayPath(const NativeString& path) {
    return utf8::OfUnits(path);
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

namespace {

volatile LONG interrupted = 0;

BOOL WINAPI NoteInterrupt(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    // The first one is noted; the next one ends the program.
    return InterlockedExchange(&interrupted, 1) == 0 ? TRUE : FALSE;
}

} // namespace

void NoteInterrupts() {
    SetConsoleCtrlHandler(NoteInterrupt, TRUE);
}

bool Interrupted() {
    return interrupted != 0;
}

bool OutputIsTerminal() {
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

} // namespace image_platform
