// Deterministic INI files for the document benchmark: many sections of realistic keys and
// values, with comment lines, trailing comments and blank lines, in an unsorted order.
#pragma once

#include <string>

// The text of a file of exactly lineCount lines (CR LF ends), the same on every call.
std::string MakeIniText(unsigned lineCount);

// A section and key that the text of any line count holds, for the change before a save.
constexpr char kChangedSection[] = "Component0000";
constexpr char kChangedKey[] = "Version";
