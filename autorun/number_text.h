// Numbers in fields, read the way the C library's atoi reads them and written in plain decimal.
#pragma once

#include <string>

// Leading white space skipped, an optional sign, then digits; no digits give 0. Unlike atoi,
// a number beyond the range of int is held at its end instead of being undefined.
int ParseFieldNumber(const char* text);

std::string FormatFieldNumber(int number);
