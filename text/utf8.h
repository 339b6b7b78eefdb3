// UTF-8: the form of file names on POSIX, of the check's reports and of UTF-8 files, turned
// into UTF-16 code units and back.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace utf8 {

// The length of the well-formed UTF-8 character at text[at], with its code point; 0 when the
// bytes there are none.
std::size_t Decode(std::string_view text, std::size_t at, char32_t& point);

// True when text holds characters beyond ASCII and is well-formed UTF-8 throughout: text in
// code page 1252 is that only by rare chance.
bool LooksLikeUtf8(std::string_view text);

// The code units of the bytes; a character beyond the 16-bit range becomes its surrogate
// pair. A byte that begins no well-formed sequence stands for its code page 1252 character,
// so that no byte is lost and the same bytes give the same units.
std::u16string UnitsOf(std::string_view bytes);

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string OfUnits(std::u16string_view units);

// Text in code page 1252 as UTF-8.
std::string OfCodePage(std::string_view text);

} // namespace utf8
