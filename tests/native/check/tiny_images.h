// Small icon files and programs, made byte by byte for the tests: only the parts that the
// check reads are filled in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An icon file with the given number of images, each a few bytes long.
std::string TinyIconFile(int images = 1);

struct TinyProgramGroups {
    int named = 0;
    std::vector<std::uint32_t> ids;
};

// A 32-bit program (or with wide a 64-bit one) whose resources hold these icon groups.
std::string TinyProgram(const TinyProgramGroups& groups, bool wide = false);

// The same, signed as Authenticode signs: a certificate table at its end whose signature
// holds the program's SHA-256 digest (and no certificate, which the check does not read).
std::string SignedTinyProgram(const TinyProgramGroups& groups, bool wide = false);

// A 16-bit Windows program: the DOS header and "NE" behind it.
std::string TinySixteenBitProgram();
