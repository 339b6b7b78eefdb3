// Any bytes as the texts of the dialog's fields: the rules that turn them into file references
// on the CD, entry names and icon values must keep their promises, not only not crash.
//
// The input is split into lines: 0 the directory of the virtual root, 1 a file field's text,
// 2 an entry name or key, 3 an "Icon" value, 4 names already taken, separated by '|'.
#include "entry_names.h"
#include "icon_value.h"
#include "number_text.h"
#include "path_identity.h"
#include "path_limits.h"
#include "path_workspace.h"
#include "root_references.h"

#include "bounded_text.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The key forms of an entry, as the string table spells them.
constexpr std::string_view kShellPrefix = "Shell\\";
constexpr std::string_view kCommandSuffix = "\\Command";

// What the dialog reads from a field for the INF, terminator included.
constexpr std::size_t kTextCapacity = 512;
// The icon file's share of that: the comma, a sign and ten digits follow it.
constexpr std::size_t kIconFileCapacity = 493;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "promise broken: %s\n", what);
        std::abort();
    }
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return parts;
        text.remove_prefix(end + 1);
    }
}

// A root as the dialog forms one: a full path (drive or network share) ending in a backslash,
// without "." or ".." components, as the file dialog gives the INF's path.
std::string RootFrom(std::string_view directory) {
    std::string root;
    for (char c : directory)
        if (c != ':')
            root += c;
    if (root.compare(0, 2, "\\\\") != 0)
        root.insert(0, "C:\\");
    root = filehelp::NormalizePath(root);
    if (root.back() != '\\')
        root += '\\';
    return root;
}

// The part of a full reference that names the file: up to the first blank behind the root.
std::string_view FilePartOf(std::string_view path, std::size_t rootLength) {
    return path.substr(0, path.find(' ', rootLength));
}

bool StartsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

bool IsAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The number reader against the C library's: the same but held at the ends of int.
int ReferenceNumber(const std::string& text) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

void CheckPathFits(const char* path, const char* what) {
    Require(filehelp::BoundedLength(path, filehelp::kPathBufferSize) <= filehelp::kMaxPathLength,
            what);
}

void CheckReferences(std::string_view directory, std::string_view text) {
    using namespace root_references;
    const std::string root = RootFrom(directory);
    const std::string absolute = AbsoluteReference(root, text);
    const bool isFullPath = text.find(':') != std::string_view::npos;
    Require(absolute == (isFullPath ? std::string(text) : root + std::string(text)),
            "a text without ':' lies below the root, one with ':' is full");

    // What the dialog's path scratch holds of it: cut, never longer than a path buffer.
    char scratch[filehelp::kPathBufferSize];
    filehelp::BoundedText(scratch, sizeof scratch).Append(absolute);
    CheckPathFits(scratch, "the path scratch holds more than a path");
    Require(StartsWith(absolute, scratch), "the path scratch is no beginning of the path");

    // The browse buttons start from these.
    filehelp::PathWorkspace workspace;
    CheckPathFits(workspace.DirectoryOf(scratch), "a directory longer than a path");
    CheckPathFits(workspace.FileNameOf(scratch), "a file name longer than a path");

    const std::optional<std::string> relative = RelativeReference(root, absolute);
    if (relative) {
        const std::string back = root + *relative;
        const std::string normalRoot = filehelp::NormalizePath(root);
        const std::string normalBack = filehelp::NormalizePath(FilePartOf(back, root.size()));
        Require(StartsWith(normalBack, normalRoot) || normalBack + '\\' == normalRoot,
                "a reference leads out of the root");
        Require(filehelp::NameSameFile(FilePartOf(back, root.size()),
                                       FilePartOf(absolute, root.size())),
                "a reference names another file than its path");
        const std::optional<std::string> again = RelativeReference(root, back);
        Require(again && *again == *relative, "a reference changes when made relative again");
        if (relative->find(':') == std::string::npos)
            Require(AbsoluteReference(root, *relative) == back,
                    "a reference does not lead back to its path");
    }

    // A copy's target: the root and the file name, or nothing when that is too long.
    const std::string name = workspace.FileNameOf(scratch);
    const std::optional<std::string> target = PathInRoot(root, name);
    if (target) {
        Require(target->size() <= filehelp::kMaxPathLength, "a target longer than a path");
        Require(*target == root + name, "a target is not the root and the name");
    } else {
        Require(root.size() + name.size() > filehelp::kMaxPathLength,
                "a target that fits is refused");
    }
}

void CheckEntryNames(std::string_view key, const std::set<std::string>& taken) {
    using namespace entry_names;
    const std::optional<std::string> name = EntryNameOfKey(key, kShellPrefix);
    Require(name.has_value() == StartsWith(key, kShellPrefix),
            "an entry key is one that begins with the prefix in its letter case");
    if (name) {
        Require(name->find('\\') == std::string::npos, "an entry name holds a backslash");
        const std::string_view rest = key.substr(kShellPrefix.size());
        Require(StartsWith(rest, *name) &&
                    (rest.size() == name->size() || rest[name->size()] == '\\'),
                "an entry name is not the key's part up to the next backslash");
        // Both keys the editor writes for an entry lead back to it.
        const std::string menuTextKey = std::string(kShellPrefix) + *name;
        Require(EntryNameOfKey(menuTextKey, kShellPrefix) == name,
                "the menu text key belongs to another entry");
        Require(EntryNameOfKey(menuTextKey + std::string(kCommandSuffix), kShellPrefix) == name,
                "the command key belongs to another entry");
    }

    const std::string clean = CleanName(key);
    Require(clean.size() <= kMaxNameLength, "a clean name is too long");
    Require(std::all_of(clean.begin(), clean.end(), IsAsciiLetterOrDigit),
            "a clean name holds other characters than ASCII letters and digits");
    Require(CleanName(clean) == clean, "cleaning a clean name changes it");
    std::string letters;
    std::copy_if(key.begin(), key.end(), std::back_inserter(letters), IsAsciiLetterOrDigit);
    Require(StartsWith(letters, clean), "a clean name is not the first letters and digits");
    Require(clean.size() == std::min(letters.size(), kMaxNameLength),
            "a clean name drops letters or digits it has room for");

    const std::string unique = MakeUniqueName(
        key, [&taken](const std::string& candidate) { return taken.count(candidate) != 0; });
    Require(taken.count(unique) == 0, "a unique name is taken");
    Require(unique.size() <= kMaxNameLength, "a unique name is too long");
    Require(std::all_of(unique.begin(), unique.end(), IsAsciiLetterOrDigit),
            "a unique name holds other characters than ASCII letters and digits");
    if (taken.count(clean) == 0)
        Require(unique == clean, "a free clean name is changed");
}

void CheckIconValue(std::string_view value) {
    using namespace icon_value;
    // The INI document hands the value out without the quotes Windows' reader drops; what is
    // split here is the value as Windows reads it.
    const IconReference icon = SplitIconValue(value);
    const std::size_t comma = value.find(',');
    Require(icon.file == value.substr(0, comma), "the icon file is not the text before the comma");
    const int expected =
        comma == std::string_view::npos ? 0 : ReferenceNumber(std::string(value.substr(comma + 1)));
    Require(icon.number == expected, "the icon number is not read as atoi reads it");

    const std::string joined = JoinIconValue(icon.file, icon.number);
    const IconReference again = SplitIconValue(joined);
    Require(again.file == icon.file, "joining and splitting loses the icon file");
    Require(again.number == icon.number, "joining and splitting changes the icon number");
    Require(ParseFieldNumber(FormatFieldNumber(icon.number).c_str()) == icon.number,
            "a written number reads back as another");

    // On OK the file field is read cut to its share; the whole value fits the text buffer.
    const std::string cutFile = icon.file.substr(0, kIconFileCapacity - 1);
    Require(JoinIconValue(cutFile, INT_MIN).size() < kTextCapacity,
            "an icon value outgrows the text buffer");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> lines = Split(input, '\n');
    lines.resize(std::max<std::size_t>(lines.size(), 5));
    // A field's text, a directory from the file dialog and a value read from the INF all end at
    // their first NUL, as the window's or the C string's text does.
    for (std::string_view& line : lines)
        line = line.substr(0, line.find('\0'));

    std::set<std::string> taken;
    if (!lines[4].empty())
        for (std::string_view name : Split(lines[4], '|'))
            taken.emplace(name);

    CheckReferences(lines[0], lines[1]);
    CheckEntryNames(lines[2], taken);
    CheckIconValue(lines[3]);
    return 0;
}
