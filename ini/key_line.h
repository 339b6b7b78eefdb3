// The reading rules of a key line, which the parser applies when it reads a line and again
// when it makes the line into an entry.
#pragma once

#include <cstddef>
#include <string_view>

// The key and the value of a key line, as Windows' profile reader hands them out: the key in
// front of the first "=", the value behind it, both trimmed, the value without a pair of the
// same quotes ('"' or "'") around all of it.
struct KeyAndValue {
    std::string_view key;
    std::string_view value;
};

// content is the trimmed line; equals the place of its first "=".
KeyAndValue SplitKeyLine(std::string_view content, std::size_t equals);
KeyAndValue SplitKeyLine(std::string_view content);
