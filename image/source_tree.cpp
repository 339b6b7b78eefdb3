#include "source_tree.h"

#include "iso_names.h"
#include "windows_names.h"

#include <algorithm>

namespace iso_image {

namespace {

// Tells the image being written and its partial files from the tree's own.
class TargetFilter {
public:
    explicit TargetFilter(const image_platform::NativeString& target)
        : target_(target.empty() ? target : image_platform::AbsolutePath(target)) {}

    // absolute: a path below the root's absolute path.
    bool IsTarget(const image_platform::NativeString& absolute) const {
        if (target_.empty() || absolute.size() < target_.size() ||
            !image_platform::SamePlace(absolute.substr(0, target_.size()), target_))
            return false;
        const image_platform::NativeString rest = absolute.substr(target_.size());
        const std::string part = ".part";
        if (rest.empty())
            return true;
        if (rest.size() < part.size() || !std::equal(part.begin(), part.end(), rest.begin()))
            return false;
        return std::all_of(rest.begin() + part.size(), rest.end(),
                           [](auto unit) { return unit >= '0' && unit <= '9'; });
    }

private:
    image_platform::NativeString target_;
};

class TreeReader {
public:
    // root: the tree's root as an absolute path, links resolved.
    TreeReader(SourceTree& tree, const TargetFilter& filter,
               const image_platform::NativeString& root, std::uint64_t largestFile)
        : tree_(tree), filter_(filter), root_(root), largestFile_(largestFile) {}

    void ReadDirectory(SourceNode& directory, const image_platform::NativeString& absolute,
                       const std::u16string& path, unsigned level) {
        std::vector<image_platform::DirectoryItem> items;
        if (!image_platform::ListDirectory(directory.path, items)) {
            if (!tree_.unreadable) {
                tree_.unreadable = true;
                tree_.unreadablePath = directory.path;
            }
            return;
        }
        std::sort(items.begin(), items.end(), InWindowsOrder);
        std::size_t kept = 0;
        for (std::size_t index = 0; index < items.size(); ++index) {
            if (!Admit(items[index], absolute, PathBelow(path, items[index].units)))
                continue;
            if (kept != index)
                items[kept] = std::move(items[index]);
            ++kept;
        }
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
        // A name in bytes that are no UTF-8 is read as code page 1252, so it meets its UTF-8
        // twin here too.
        std::vector<std::u16string> keys(items.size());
        for (std::size_t index = 0; index < items.size(); ++index)
            keys[index] = SameNameKey(items[index].units);
        reading_.push_back(absolute);
        for (std::size_t index = 0; index < items.size(); ++index) {
            const image_platform::DirectoryItem& item = items[index];
            SourceNode child;
            child.name = item.units;
            child.path = image_platform::Join(directory.path, item.name);
            child.directory = item.directory;
            child.size = item.size;
            child.modified = item.modified;
            const std::u16string childPath = PathBelow(path, child.name);
            Judge(child, childPath, level);
            if ((index > 0 && keys[index] == keys[index - 1]) ||
                (index + 1 < keys.size() && keys[index] == keys[index + 1]))
                Refuse(RefusalKind::kSameName, childPath);
            if (!child.directory) {
                tree_.newest = anyFile_ ? std::max(tree_.newest, child.modified) : child.modified;
                anyFile_ = true;
            }
            if (child.directory && level + 1 <= kMaxLevels)
                ReadDirectory(child,
                              item.link == image_platform::Link::kResolved
                                  ? item.linkTarget
                                  : image_platform::Join(absolute, item.name),
                              childPath, level + 1);
            directory.children.push_back(std::move(child));
        }
        reading_.pop_back();
    }

    bool anyFile() const { return anyFile_; }

private:
    static std::u16string PathBelow(const std::u16string& path, const std::u16string& name) {
        return path.empty() ? name : path + u'/' + name;
    }

    // Names that Windows cannot tell apart next to each other, else in the order of the units.
    static bool InWindowsOrder(const image_platform::DirectoryItem& left,
                               const image_platform::DirectoryItem& right) {
        const std::u16string leftKey = SameNameKey(left.units);
        const std::u16string rightKey = SameNameKey(right.units);
        return leftKey != rightKey ? leftKey < rightKey : left.units < right.units;
    }

    // False for an entry the image leaves out: the image being written, and links that lead
    // nowhere, in a circle or out of the tree. directory: where it lies, links resolved.
    bool Admit(const image_platform::DirectoryItem& item,
               const image_platform::NativeString& directory, const std::u16string& path) {
        using image_platform::Link;
        if (!item.directory && filter_.IsTarget(image_platform::Join(directory, item.name)))
            return false;
        switch (item.link) {
        case Link::kNone:
            return true;
        case Link::kDangling:
            Refuse(RefusalKind::kDanglingLink, path);
            return false;
        case Link::kLoop:
            Refuse(RefusalKind::kLinkLoop, path);
            return false;
        case Link::kResolved:
            break;
        }
        if (!image_platform::IsWithin(item.linkTarget, root_)) {
            tree_.skippedLinks.push_back(path);
            return false;
        }
        // A link to a directory being read, or to one above, would hold itself without end.
        if (item.directory && std::any_of(reading_.begin(), reading_.end(),
                                          [&](const image_platform::NativeString& above) {
                                              return image_platform::IsWithin(above,
                                                                              item.linkTarget);
                                          })) {
            Refuse(RefusalKind::kLinkLoop, path);
            return false;
        }
        return true;
    }

    // level is the level of the directory that holds node.
    void Judge(const SourceNode& node, const std::u16string& path, unsigned level) {
        if (const auto problem = JolietNameProblem(node.name))
            Refuse(*problem, path);
        if (!node.directory && node.size > largestFile_)
            Refuse(largestFile_ > kMaxFileSize ? RefusalKind::kFileTooLargeForUdf
                                               : RefusalKind::kFileTooLarge,
                   path);
        if (node.directory && level + 1 > kMaxLevels)
            Refuse(RefusalKind::kTooDeep, path);
        if (node.directory && ++directories_ == kMaxDirectories + 1)
            Refuse(RefusalKind::kTooManyDirectories, path);
        // Joliet's path is the longer one: two bytes a character, separators included. The
        // primary tree's 8.3 names within eight levels never reach the limit.
        if (path.size() * 2 > kMaxPathBytes)
            Refuse(RefusalKind::kPathTooLong, path);
    }

    void Refuse(RefusalKind kind, const std::u16string& path) {
        tree_.refusals.push_back(Refusal{kind, path});
    }

    SourceTree& tree_;
    const TargetFilter& filter_;
    const image_platform::NativeString root_;
    const std::uint64_t largestFile_;
    // The directories from the root to the one being read, links resolved.
    std::vector<image_platform::NativeString> reading_;
    // The root counts as the first.
    std::size_t directories_ = 1;
    bool anyFile_ = false;
};

} // namespace

SourceTree ReadSourceTree(const image_platform::NativeString& root,
                          const image_platform::NativeString& target, std::uint64_t largestFile) {
    SourceTree tree;
    tree.root.path = root;
    tree.root.directory = true;
    image_platform::IsDirectory(root, tree.root.modified);
    const TargetFilter filter(target);
    // With a separator at its end, the root's own links are resolved too.
    const image_platform::NativeString absolute =
        image_platform::AbsolutePath(image_platform::Join(root, {}));
    TreeReader reader(tree, filter, absolute, largestFile);
    reader.ReadDirectory(tree.root, absolute, std::u16string(), 1);
    if (!reader.anyFile())
        tree.newest = tree.root.modified;
    return tree;
}

} // namespace iso_image
