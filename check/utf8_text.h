// UTF-8, the form in which the check writes every text: terminals on Linux, JSON and files.
#pragma once

#include <string>
#include <string_view>

namespace utf8_text {

// UTF-16 code units as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string FromUnits(const std::u16string& units);

// Text in code page 1252 as UTF-8.
std::string FromCodePage(std::string_view text);

} // namespace utf8_text
