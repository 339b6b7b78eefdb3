#include "value_quotes.h"

namespace value_quotes {

std::string_view WithoutEnclosingQuotes(std::string_view value) {
    const bool enclosed = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
    return enclosed ? value.substr(1, value.size() - 2) : value;
}

bool LosesQuotePairs(std::string_view value) {
    const std::string_view inside = WithoutEnclosingQuotes(value);
    return inside.size() != value.size() && inside.find(value.front()) != std::string_view::npos;
}

} // namespace value_quotes
