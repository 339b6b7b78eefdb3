#include "cd_tree.h"

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

bool SameFileName(std::string_view left, std::string_view right) {
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (filehelp::UpperCaseCp1252(left[i]) != filehelp::UpperCaseCp1252(right[i]))
            return false;
    return true;
}

void CdTree::Fail(const CdPath& directory, bool tooDeep) const {
    if (!failure_)
        failure_ = WalkFailure{directory, tooDeep};
}

const CdTree::Listing& CdTree::ListingOf(const CdPath& directory) const {
    const auto known = listings_.find(directory);
    if (known != listings_.end())
        return known->second;
    Listing& listing = listings_[directory];
    bool failed = false;
    listing.entries = files_.List(directory, failed);
    if (failed)
        Fail(directory, false);
    std::sort(listing.entries.begin(), listing.entries.end(),
              [](const CdEntry& left, const CdEntry& right) { return left.key < right.key; });
    for (std::size_t index = 0; index < listing.entries.size(); ++index)
        listing.byName.emplace(UpperName(listing.entries[index].name), index);
    return listing;
}

std::optional<CdPath> CdTree::Find(std::string_view relative) const {
    CdPath current;
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
        current.push_back(listing.entries[found->second].key);
    }
    return current;
}

void CdTree::WalkBelow(const CdPath& directory, const std::string& relativeName, int depth,
                       std::vector<WalkedEntry>& walked) const {
    if (depth > kMaxDepth) {
        Fail(directory, true);
        return;
    }
    // The listing stays where it is while deeper ones are added: a map keeps its elements.
    for (const CdEntry& entry : ListingOf(directory).entries) {
        if (failure_)
            return;
        WalkedEntry item{directory, relativeName, entry};
        item.path.push_back(entry.key);
        if (!item.relativeName.empty())
            item.relativeName += '\\';
        item.relativeName += entry.name;
        walked.push_back(item);
        // Links to directories are not followed: on the CD they are what they point to, and
        // a loop of them would never end.
        if (entry.directory && !entry.link)
            WalkBelow(item.path, item.relativeName, depth + 1, walked);
    }
}

std::vector<WalkedEntry> CdTree::Walk() const {
    std::vector<WalkedEntry> walked;
    WalkBelow(CdPath(), std::string(), 1, walked);
    return walked;
}

} // namespace cd_check
