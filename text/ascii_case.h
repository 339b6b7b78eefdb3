// Names as Windows' profile reader compares them: the same when they are equal after mapping
// a to z onto A to Z; no other byte (umlauts included) is mapped.
#pragma once

#include <string>
#include <string_view>

namespace ascii_case {

char Upper(char c);

bool Same(std::string_view left, std::string_view right);

// The order that goes with Same: byte by byte as unsigned values after the mapping, a text that
// is the beginning of the other first.
bool Before(std::string_view left, std::string_view right);

bool BeginsWith(std::string_view text, std::string_view prefix);

// The form of a name under which every spelling that Same matches is the same: a key for
// maps of names.
std::string KeyOf(std::string_view name);

} // namespace ascii_case
