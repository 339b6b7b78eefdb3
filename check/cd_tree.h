// The CD's directory as Windows sees the files on it: names without regard to letter case (in
// code page 1252, as the INF names them), the components of a reference separated by '\'.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cd_check {

// The name of a file on disk in code page 1252; a character the code page lacks is "?", as
// the INI document shows such characters.
std::string NameInCodePage(const std::filesystem::path& name);

// True when two names in code page 1252 are the same name to Windows.
bool SameFileName(std::string_view left, std::string_view right);

class CdTree {
public:
    explicit CdTree(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& Root() const { return root_; }

    // The file or directory that a path relative to the root names ("." and ".." resolved
    // already; components separated by '\'), in whatever letter case it has on disk. The root
    // itself for the empty path. When several names differ only in letter case, the first in
    // byte order.
    std::optional<std::filesystem::path> Find(std::string_view relative) const;

    // The entries of a directory that bear name in any letter case, in byte order.
    static std::vector<std::filesystem::path> NamesLike(const std::filesystem::path& directory,
                                                        std::string_view name);

private:
    std::filesystem::path root_;
};

} // namespace cd_check
