// Deciding by their text whether two paths lead to the same file: "." and ".." resolved,
// either separator, letter case ignored as Windows ignores it in code page 1252.
#pragma once

#include <string>
#include <string_view>

namespace filehelp {

// Resolves the "." and ".." components of path and writes every separator as '\'; letter case
// is kept. A drive ("C:") and a leading separator stay in front; ".." cannot climb above them,
// but leading ".." of a relative path are kept, so that a reference that climbs out of its
// directory still shows it ("a\..\..\b" gives "..\b"). Empty components are dropped; a
// trailing separator is kept. A relative path that resolves to nothing gives "."; an empty path
// stays empty.
std::string NormalizePath(std::string_view path);

// True when a and b name the same file once both are normalised and letter case is ignored.
// Both should be full paths: a relative and a full path to one file are not recognised.
bool NameSameFile(std::string_view a, std::string_view b);

// The upper-case letter of c in code page 1252 (a-z, the accented letters, š, œ, ž, ÿ).
char UpperCaseCp1252(char c);

} // namespace filehelp
