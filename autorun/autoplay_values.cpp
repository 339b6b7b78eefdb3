#include "autoplay_values.h"

#include "ascii_case.h"

#include <initializer_list>

namespace autoplay_values {

namespace {

bool IsOneOf(std::string_view value, std::initializer_list<std::string_view> words) {
    for (const std::string_view word : words)
        if (ascii_case::Same(value, word))
            return true;
    return false;
}

} // namespace

ContentChoice ReadContentChoice(std::string_view value) {
    if (value.empty())
        return ContentChoice::kUnset;
    if (IsOneOf(value, {"1", "y", "yes", "t", "true"}))
        return ContentChoice::kForce;
    if (IsOneOf(value, {"0", "n", "no", "f", "false"}))
        return ContentChoice::kHide;
    return ContentChoice::kUnknown;
}

bool IsDocumentedUseAutoPlay(std::string_view value) {
    return value == "1";
}

ActionText ReadActionText(std::string_view value) {
    const std::size_t comma = value.rfind(',');
    if (value.size() < 2 || value.front() != '@' || comma == std::string_view::npos ||
        comma + 1 >= value.size() || value[comma + 1] != '-')
        return {};
    return {value.substr(1, comma - 1), value.substr(comma + 2)};
}

} // namespace autoplay_values
