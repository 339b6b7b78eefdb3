// Deterministic INI files for the document benchmark: many sections of realistic keys and
// values, with comment lines, trailing comments and blank lines, in an unsorted order.
#pragma once

#include <string>

// Sections of 40 lines, as in the benchmark's usual files.
constexpr unsigned kLinesPerSection = 40;

// The text of a file of exactly lineCount lines (CR LF ends), the same on every call, in
// sections of linesPerSection lines; with as many lines per section as the file has, all keys
// stand in one section.
std::string MakeIniText(unsigned lineCount, unsigned linesPerSection = kLinesPerSection);

// A section and key that the text of any line count holds, for the change before a save.
constexpr char kChangedSection[] = "Component0000";
constexpr char kChangedKey[] = "Version";
