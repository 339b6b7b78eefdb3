// The CD's directory as Windows sees the files on it: names without regard to letter case (in
// code page 1252, as the INF names them), the components of a reference separated by '\'.
// Each directory is listed once, however many references look into it.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace cd_check {

// The name of a file on disk in code page 1252; a character the code page lacks is "?", as
// the INI document shows such characters.
std::string NameInCodePage(const std::filesystem::path& name);

// True when two names in code page 1252 are the same name to Windows.
bool SameFileName(std::string_view left, std::string_view right);

// Why a directory of the CD could not be read to its end.
struct WalkFailure {
    std::filesystem::path directory;
    // Set when the directory lies deeper than any path Windows can open.
    bool tooDeep = false;
    std::error_code error;
};

class CdTree {
public:
    // Deeper than this, a path has more than the 260 characters of a Windows path even with
    // one-letter names: a walk that goes there follows a loop.
    static constexpr int kMaxDepth = 128;

    explicit CdTree(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& Root() const { return root_; }

    // The file or directory that a path relative to the root names ("." and ".." resolved
    // already; components separated by '\'), in whatever letter case it has on disk. The root
    // itself for the empty path. When several names differ only in letter case, the first in
    // byte order.
    std::optional<std::filesystem::path> Find(std::string_view relative) const;

    // Every file and directory below the root, in byte order of their paths.
    std::vector<std::filesystem::path> Walk() const;

    // The first directory that Find or Walk could not read to its end; what they returned
    // since may lack what it holds.
    const std::optional<WalkFailure>& Failure() const { return failure_; }

    // The entries of a directory that bear name in any letter case, in byte order.
    static std::vector<std::filesystem::path> NamesLike(const std::filesystem::path& directory,
                                                        std::string_view name);

private:
    struct Listing {
        // By name in capitals: the first of the entries in byte order.
        std::unordered_map<std::string, std::filesystem::path> byName;
        // All of them, in byte order.
        std::vector<std::filesystem::path> entries;
    };

    const Listing& ListingOf(const std::filesystem::path& directory) const;
    void WalkBelow(const std::filesystem::path& directory, int depth,
                   std::vector<std::filesystem::path>& paths) const;
    void Fail(const std::filesystem::path& directory, bool tooDeep, std::error_code error) const;

    std::filesystem::path root_;
    mutable std::map<std::filesystem::path, Listing> listings_;
    mutable std::optional<WalkFailure> failure_;
};

} // namespace cd_check
