// INI files as people and programs write them, made from a seed: sections and keys in any
// letter case and duplicated, ";" and "#" anywhere, quotes, blanks and TABs around "=", comment,
// text and empty lines, long lines, CR LF, LF or CR line ends, code page 1252 or UTF-16 with
// its mark. The same seed always gives the same file.
#pragma once

#include <cstdint>
#include <string>

struct GeneratedInf {
    std::string bytes;
    bool utf16 = false;
};

GeneratedInf GenerateInf(std::uint32_t seed);

// A value the editor may set, made from the same seed: blanks, ";", quotes and all.
std::string GenerateValue(std::uint32_t seed);
