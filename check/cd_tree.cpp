#include "cd_tree.h"

#include "check_platform.h"
#include "cp1252.h"
#include "path_identity.h"

#include <algorithm>

namespace cd_check {

namespace {

std::string UpperName(std::string_view name) {
    std::string upper;
    upper.reserve(name.size());
    for (const char c : name)
        upper += filehelp::UpperCaseCp1252(c);
    return upper;
}

} // namespace

std::string NameInCodePage(const std::filesystem::path& name) {
    return cp1252::Narrowed(check_platform::NameUnits(name));
}

bool SameFileName(std::string_view left, std::string_view right) {
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (filehelp::UpperCaseCp1252(left[i]) != filehelp::UpperCaseCp1252(right[i]))
            return false;
    return true;
}

std::vector<std::filesystem::path> CdTree::NamesLike(const std::filesystem::path& directory,
                                                     std::string_view name) {
    std::vector<std::filesystem::path> found;
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::filesystem::path& path = entries->path();
        if (SameFileName(NameInCodePage(path.filename()), name))
            found.push_back(path);
    }
    std::sort(found.begin(), found.end());
    return found;
}

void CdTree::Fail(const std::filesystem::path& directory, bool tooDeep,
                  std::error_code error) const {
    if (!failure_)
        failure_ = WalkFailure{directory, tooDeep, error};
}

const CdTree::Listing& CdTree::ListingOf(const std::filesystem::path& directory) const {
    const auto known = listings_.find(directory);
    if (known != listings_.end())
        return known->second;
    Listing& listing = listings_[directory];
    std::error_code error;
    std::filesystem::directory_iterator entries(directory, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error))
        listing.entries.push_back(entries->path());
    // A file named as if it were a directory has no entries; that is no failure.
    std::error_code kindError;
    if (error && std::filesystem::is_directory(directory, kindError))
        Fail(directory, false, error);
    std::sort(listing.entries.begin(), listing.entries.end());
    for (const std::filesystem::path& path : listing.entries)
        listing.byName.emplace(UpperName(NameInCodePage(path.filename())), path);
    return listing;
}

std::optional<std::filesystem::path> CdTree::Find(std::string_view relative) const {
    std::filesystem::path current = root_;
    while (!relative.empty()) {
        const std::size_t separator = relative.find('\\');
        const std::string_view component = relative.substr(0, separator);
        relative = separator == std::string_view::npos ? std::string_view()
                                                       : relative.substr(separator + 1);
        if (component.empty())
            continue;
        const Listing& listing = ListingOf(current);
        const auto found = listing.byName.find(UpperName(component));
        if (found == listing.byName.end())
            return std::nullopt;
        current = found->second;
    }
    return current;
}

void CdTree::WalkBelow(const std::filesystem::path& directory, int depth,
                       std::vector<std::filesystem::path>& paths) const {
    if (depth > kMaxDepth) {
        Fail(directory, true, std::error_code());
        return;
    }
    for (const std::filesystem::path& path : ListingOf(directory).entries) {
        if (failure_)
            return;
        paths.push_back(path);
        // Links to directories are not followed: on the CD they are what they point to, and
        // a loop of them would never end.
        std::error_code error;
        const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
        if (!error && std::filesystem::is_directory(status))
            WalkBelow(path, depth + 1, paths);
    }
}

std::vector<std::filesystem::path> CdTree::Walk() const {
    std::vector<std::filesystem::path> paths;
    WalkBelow(root_, 1, paths);
    // A directory's entries follow it; byte order of the whole paths puts "a b" before "a\c"
    // on one system and after it on another, so the order is made the same everywhere.
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace cd_check
