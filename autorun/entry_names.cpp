#include "entry_names.h"

#include "ascii_case.h"

namespace entry_names {

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool BeginsWith(std::string_view key, std::string_view prefix, PrefixCase letterCase) {
    return letterCase == PrefixCase::kExact ? key.substr(0, prefix.size()) == prefix
                                            : ascii_case::BeginsWith(key, prefix);
}

} // namespace

std::optional<std::string> EntryNameOfKey(std::string_view key, std::string_view prefix,
                                          PrefixCase letterCase) {
    if (!BeginsWith(key, prefix, letterCase))
        return std::nullopt;
    const std::string_view rest = key.substr(prefix.size());
    return std::string(rest.substr(0, rest.find('\\')));
}

std::string CleanName(std::string_view name) {
    std::string clean;
    for (char c : name) {
        if (clean.size() == kMaxNameLength)
            break;
        if (IsAsciiLetterOrDigit(c))
            clean += c;
    }
    return clean;
}

std::string MakeUniqueName(std::string_view name,
                           const std::function<bool(const std::string&)>& isTaken) {
    const std::string clean = CleanName(name);
    if (!isTaken(clean))
        return clean;
    // The entries are finite, so some number is free.
    for (unsigned long number = 1;; ++number) {
        const std::string digits = std::to_string(number);
        const std::size_t kept =
            digits.size() < kMaxNameLength ? kMaxNameLength - digits.size() : 0;
        const std::string candidate = clean.substr(0, kept) + digits;
        if (!isTaken(candidate))
            return candidate;
    }
}

} // namespace entry_names
