#pragma once

#include <string_view>

// The text without the white space (HT, LF, VT, FF, CR, blank, Ctrl+Z) at either end.
std::string_view Trim(std::string_view text);
