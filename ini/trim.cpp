#include "trim.h"

namespace {

// The white space of Windows' profile reader: blank, HT to CR, and the DOS end-of-file mark
// Ctrl+Z, which old CDs carry at the end of their files.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

} // namespace

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    return text;
}
