#include "value_quotes.h"

namespace value_quotes {

std::string_view WithoutEnclosingQuotes(std::string_view value) {
    const bool enclosed = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                          value.back() == value.front();
    return enclosed ? value.substr(1, value.size() - 2) : value;
}

} // namespace value_quotes
