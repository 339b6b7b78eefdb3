#include "trim.h"

#include <cstring>

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
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
