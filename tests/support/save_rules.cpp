#include "save_rules.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The reader hands out a value that is enclosed in a pair of the same quotes without them.
std::string WithoutQuotes(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::optional<SavedForm> Unconcerned() {
    return std::nullopt;
}

SavedForm Gone() {
    return std::nullopt;
}

// A key set to an empty value is left out of the file.
std::optional<SavedForm> EmptyValueNotWritten(const std::string&, const ProfileEntry& original) {
    if (!original.value || !original.value->empty())
        return Unconcerned();
    return Gone();
}

bool IsIconKey(const std::string& section, const std::string& key) {
    return SameProfileName(section, "AutoRun") && SameProfileName(key, "Icon");
}

// The icon is loaded as the file in front of the first comma and the number behind it, read as
// atoi reads, and written back as file, comma, number in plain decimal.
std::string IconAsWritten(const std::string& file, const std::string& value) {
    const std::size_t comma = value.find(',');
    const int number = comma == std::string::npos ? 0 : std::atoi(value.c_str() + comma + 1);
    return file + "," + std::to_string(number);
}

// The editor names a file on the CD by its path with "." resolved and every "/" as "\\" (the
// path it checked the file under); this is the same file.
std::string ResolvedPath(const std::string& file) {
    std::string resolved;
    std::size_t start = 0;
    while (start <= file.size()) {
        const std::size_t end = std::min(file.find_first_of("\\/", start), file.size());
        const std::string part = file.substr(start, end - start);
        if (!part.empty() && part != ".")
            resolved += (resolved.empty() ? "" : "\\") + part;
        start = end + 1;
    }
    return resolved;
}

// OK writes the icon key in every case, also into an INF that had none.
bool IconAlwaysWritten(const std::string& section, const ProfileEntry& added) {
    return IsIconKey(section, added.key) && added.value == std::string(",0");
}

const ChangeRule kEmptyValue{"empty value not written", EmptyValueNotWritten};

} // namespace

std::optional<IconOnCd> IconFileToPlace(const std::string& iconValue) {
    const std::string unquoted = WithoutQuotes(iconValue);
    const std::string file = unquoted.substr(0, unquoted.find(','));
    const bool plain = !file.empty() && file.find_first_of(":\"' \t") == std::string::npos &&
                       file.front() != '\\' && file.front() != '/' &&
                       file.find("..") == std::string::npos;
    if (!plain)
        return std::nullopt;
    return IconOnCd{file};
}

const RuleBook& DocumentRules() {
    static const RuleBook rules{{kEmptyValue}, {}};
    return rules;
}

RuleBook EditorRules(const std::optional<IconOnCd>& icon) {
    RuleBook rules = DocumentRules();
    const auto iconRule = [&rules](const char* name, const std::string& written) {
        rules.changes.push_back(
            {name, [written](const std::string& section, const ProfileEntry& original) {
                 if (!IsIconKey(section, original.key) || !original.value)
                     return Unconcerned();
                 return std::optional<SavedForm>(
                     ProfileEntry{original.key, IconAsWritten(written, *original.value)});
             }});
    };
    // An icon the editor shows is written back from its fields. One it cannot show (its file
    // not on the CD, or without that number) keeps its value as it was: no rule.
    if (icon) {
        iconRule("Icon written as file,number", icon->file);
        iconRule("Icon written as file,number, its path resolved", ResolvedPath(icon->file));
    }
    rules.additions.push_back({"Icon always written", IconAlwaysWritten});
    return rules;
}
