#include "trim.h"

#include <cstring>

namespace {

// The white space of Windows' profile reader: blank, HT to CR, and the DOS end-of-file mark
// Ctrl+Z, which old CDs carry at the end of their files.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

} // namespace

char* Trim(char* text) {
    std::size_t length = std::strlen(text);
    while (length > 0 && IsWhiteSpace(text[length - 1]))
        text[--length] = '\0';
    while (IsWhiteSpace(*text))
        ++text;
    return text;
}
