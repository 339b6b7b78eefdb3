#include "icon_value.h"

#include "number_text.h"

namespace icon_value {

IconReference SplitIconValue(std::string_view value) {
    IconReference icon;
    const std::size_t comma = value.find(',');
    icon.file = std::string(value.substr(0, comma));
    if (comma != std::string_view::npos)
        // A copy: the number reader wants its text terminated.
        icon.number = ParseFieldNumber(std::string(value.substr(comma + 1)).c_str());
    return icon;
}

std::string JoinIconValue(std::string_view file, int number) {
    std::string value(file);
    value += ',';
    value += FormatFieldNumber(number);
    return value;
}

} // namespace icon_value
