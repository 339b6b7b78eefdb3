#include "cd_tree.h"

#include "check_platform.h"
#include "cp1252.h"
#include "path_identity.h"

#include <algorithm>
#include <system_error>

namespace cd_check {

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

std::optional<std::filesystem::path> CdTree::Find(std::string_view relative) const {
    std::filesystem::path current = root_;
    while (!relative.empty()) {
        const std::size_t separator = relative.find('\\');
        const std::string_view component = relative.substr(0, separator);
        relative = separator == std::string_view::npos ? std::string_view()
                                                       : relative.substr(separator + 1);
        if (component.empty())
            continue;
        const std::vector<std::filesystem::path> candidates = NamesLike(current, component);
        if (candidates.empty())
            return std::nullopt;
        current = candidates.front();
    }
    return current;
}

} // namespace cd_check
