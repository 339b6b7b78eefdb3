#include "icon_value.h"

#include "number_text.h"
#include "value_quotes.h"

namespace icon_value {

IconReference SplitIconValue(std::string_view quotedValue) {
    // Windows' profile reader drops enclosing quotes; taken literally they would name no file,
    // and the icon would be cleared by the next OK.
    const std::string_view value = value_quotes::WithoutEnclosingQuotes(quotedValue);
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
