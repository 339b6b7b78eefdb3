// UTF-8 text, as a file behind the UTF-8 mark holds it, turned into UTF-16 code units.
#pragma once

#include <cstddef>
#include <string>

namespace utf8_units {

// The code units of the bytes; a character beyond the 16-bit range becomes its surrogate
// pair. A byte that begins no well-formed sequence stands for its code page 1252 character,
// so that no byte of the file is lost.
std::u16string Decoded(const char* bytes, std::size_t length);

} // namespace utf8_units
