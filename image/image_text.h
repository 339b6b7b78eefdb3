// UTF-8 and UTF-16 for names: POSIX gives names as bytes, the image holds UTF-16, people read
// UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace image_text {

// Reads bytes as UTF-8; a byte that is no part of a UTF-8 character stands for its character
// in code page 1252, so that every name has units and the same bytes give the same units.
std::u16string UnitsOfBytes(std::string_view bytes);

// UTF-8 of UTF-16 units; an unpaired surrogate becomes U+FFFD.
std::string Utf8OfUnits(std::u16string_view units);

// UTF-8 of a text in code page 1252.
std::string Utf8OfCodePage(std::string_view bytes);

} // namespace image_text
