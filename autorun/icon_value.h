// The "Icon" value of [AutoRun]: the file that holds the CD's icon, a comma and the number of
// the icon in that file.
#pragma once

#include <string>
#include <string_view>

namespace icon_value {

struct IconReference {
    std::string file;
    int number = 0;
};

// The file is the text before the first comma (all of it when there is none); the number is
// what follows, read as atoi reads it, and 0 without a comma. The value is the one Windows'
// profile reader hands out, without quotes enclosing it (the INI document drops them).
IconReference SplitIconValue(std::string_view value);

// file, a comma and number in plain decimal.
std::string JoinIconValue(std::string_view file, int number);

} // namespace icon_value
