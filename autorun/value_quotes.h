// Values as Windows' profile reader hands them out.
#pragma once

#include <string_view>

namespace value_quotes {

// A value without a pair of the same quotes ('"' or "'") that enclose it; any other value as it
// stands.
std::string_view WithoutEnclosingQuotes(std::string_view value);

} // namespace value_quotes
