// UTF-8, the form in which the check writes every text: terminals on Linux, JSON and files.
#pragma once

#include <string>
#include <string_view>

namespace utf8_text {

// The length of the well-formed UTF-8 character at text[at], with its code point; 0 when the
// bytes there are none.
std::size_t Decode(std::string_view text, std::size_t at, char32_t& point);

// True when text holds characters beyond ASCII and is well-formed UTF-8 throughout: text in
// code page 1252 is that only by rare chance.
bool LooksLikeUtf8(std::string_view text);

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string FromUnits(const std::u16string& units);

// Text in code page 1252 as UTF-8.
std::string FromCodePage(std::string_view text);

} // namespace utf8_text
