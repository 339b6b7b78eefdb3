// Values as Windows' profile reader hands them out.
#pragma once

#include <string_view>

namespace value_quotes {

// A value without a pair of the same quotes ('"' or "'") that enclose it; any other value as it
// stands.
std::string_view WithoutEnclosingQuotes(std::string_view value);

// True when the quotes that enclose the value stand inside it too, as in
// "Neue Version\setup.exe" "C:\Daten": they were written as two pairs, but the reader takes
// the first and the last for one and removes them, leaving the inner ones without partners.
bool LosesQuotePairs(std::string_view value);

} // namespace value_quotes
