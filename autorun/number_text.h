// Numbers in fields, read the way the C library's atoi reads them and written in plain decimal;
// numbers for people, grouped as German writes them.
#pragma once

#include <cstdint>
#include <string>

// Leading white space skipped, an optional sign, then digits; no digits give 0. Unlike atoi,
// a number beyond the range of int is held at its end instead of being undefined.
int ParseFieldNumber(const char* text);

std::string FormatFieldNumber(int number);

// number with its thousands separated by '.', as German writes them: 17.179.869.184.
std::string GroupedNumber(std::uint64_t number);
