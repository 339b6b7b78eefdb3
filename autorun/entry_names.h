// The rules behind the names of the CD's context-menu entries that need no window: which
// keys of [AutoRun] belong to an entry, and how a name typed by the user is made clean and
// unique.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace entry_names {

// The longest name an entry gets from the editor; names read from a file may be longer.
constexpr std::size_t kMaxNameLength = 8;

// How a key's prefix must match: as the editor lists entries (exactly), or as Windows reads
// the keys (without regard to the case of a to z).
enum class PrefixCase { kExact, kIgnored };

// The entry name a key of [AutoRun] belongs to: the key must begin with prefix, and the name
// runs from there to the next backslash or the key's end. Nothing for any other key, which
// belongs to no entry.
std::optional<std::string> EntryNameOfKey(std::string_view key, std::string_view prefix,
                                          PrefixCase letterCase = PrefixCase::kExact);

// The ASCII letters and digits of name, in their order, at most kMaxNameLength of them.
std::string CleanName(std::string_view name);

// The cleaned name, or, when isTaken says that an entry bears it already, the cleaned name cut
// short enough to take the smallest number from 1 on that gives a name nobody bears.
std::string MakeUniqueName(std::string_view name,
                           const std::function<bool(const std::string&)>& isTaken);

} // namespace entry_names
