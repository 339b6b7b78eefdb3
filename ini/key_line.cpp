#include "key_line.h"

#include "trim.h"

namespace {

std::string_view WithoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

KeyAndValue SplitKeyLine(std::string_view content, std::size_t equals) {
    return {Trim(content.substr(0, equals)),
            WithoutEnclosingQuotes(Trim(content.substr(equals + 1)))};
}

KeyAndValue SplitKeyLine(std::string_view content) {
    return SplitKeyLine(content, content.find('='));
}
