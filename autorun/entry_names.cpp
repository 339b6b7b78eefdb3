#include "entry_names.h"

namespace entry_names {

namespace {

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

char UpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

bool BeginsWith(std::string_view key, std::string_view prefix, PrefixCase letterCase) {
    if (key.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const bool same = letterCase == PrefixCase::kExact
                              ? key[i] == prefix[i]
                              : UpperAscii(key[i]) == UpperAscii(prefix[i]);
        if (!same)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> EntryNameOfKey(std::string_view key, std::string_view prefix,
                                          PrefixCase letterCase) {
    // Windows itself matches these keys without regard to case, but a key in other letter
    // case was not written by the editor and is left to whoever wrote it.
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
