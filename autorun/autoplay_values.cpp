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

std::string ContentValueFor(ContentChoice choice, std::string_view stored) {
    if (choice == ReadContentChoice(stored) || choice == ContentChoice::kUnknown)
        return std::string(stored);
    switch (choice) {
    case ContentChoice::kForce:
        return "true";
    case ContentChoice::kHide:
        return "false";
    default:
        return std::string();
    }
}

bool IsDocumentedUseAutoPlay(std::string_view value) {
    return value == "1";
}

UseAutoPlayState ReadUseAutoPlay(std::string_view value) {
    if (value.empty())
        return UseAutoPlayState::kOff;
    return IsDocumentedUseAutoPlay(value) ? UseAutoPlayState::kOn : UseAutoPlayState::kOther;
}

std::string UseAutoPlayValueFor(UseAutoPlayState state, std::string_view stored) {
    switch (state) {
    case UseAutoPlayState::kOn:
        return "1";
    case UseAutoPlayState::kOther:
        return std::string(stored);
    default:
        return std::string();
    }
}

ActionText ReadActionText(std::string_view value) {
    const std::size_t comma = value.rfind(',');
    if (value.size() < 2 || value.front() != '@' || comma == std::string_view::npos ||
        comma + 1 >= value.size() || value[comma + 1] != '-')
        return {};
    return {value.substr(1, comma - 1), value.substr(comma + 2)};
}

} // namespace autoplay_values
