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
    TreeReader(SourceTree& tree, const TargetFilter& filter) : tree_(tree), filter_(filter) {}

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
        items.erase(std::remove_if(items.begin(), items.end(),
                                   [&](const image_platform::DirectoryItem& item) {
                                       return !item.directory &&
                                              filter_.IsTarget(
                                                  image_platform::Join(absolute, item.name));
                                   }),
                    items.end());
        std::sort(
            items.begin(), items.end(),
            [](const image_platform::DirectoryItem& left,
               const image_platform::DirectoryItem& right) { return left.units < right.units; });
        const std::vector<bool> sameName = SameNames(items);
        for (std::size_t index = 0; index < items.size(); ++index) {
            image_platform::DirectoryItem& item = items[index];
            SourceNode child;
            child.name = item.units;
            child.path = image_platform::Join(directory.path, item.name);
            child.directory = item.directory;
            child.size = item.size;
            child.modified = item.modified;
            const std::u16string childPath = path.empty() ? child.name : path + u'/' + child.name;
            Judge(child, childPath, level);
            if (sameName[index])
                Refuse(RefusalKind::kSameName, childPath);
            if (!child.directory) {
                tree_.newest = anyFile_ ? std::max(tree_.newest, child.modified) : child.modified;
                anyFile_ = true;
            }
            if (child.directory && level + 1 <= kMaxLevels)
                ReadDirectory(child, image_platform::Join(absolute, item.name), childPath,
                              level + 1);
            directory.children.push_back(std::move(child));
        }
    }

    bool anyFile() const { return anyFile_; }

private:
    // Marks every entry that Windows would take for another of the directory. A name in bytes
    // that are no UTF-8 is read as code page 1252, so it meets its UTF-8 twin here too.
    static std::vector<bool> SameNames(const std::vector<image_platform::DirectoryItem>& items) {
        std::vector<std::pair<std::u16string, std::size_t>> keys;
        for (std::size_t index = 0; index < items.size(); ++index)
            keys.emplace_back(SameNameKey(items[index].units), index);
        std::sort(keys.begin(), keys.end());
        std::vector<bool> same(items.size(), false);
        for (std::size_t at = 1; at < keys.size(); ++at) {
            if (keys[at].first == keys[at - 1].first)
                same[keys[at].second] = same[keys[at - 1].second] = true;
        }
        return same;
    }

    // level is the level of the directory that holds node.
    void Judge(const SourceNode& node, const std::u16string& path, unsigned level) {
        if (const auto problem = JolietNameProblem(node.name))
            Refuse(*problem, path);
        if (!node.directory && node.size > kMaxFileSize)
            Refuse(RefusalKind::kFileTooLarge, path);
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
    // The root counts as the first.
    std::size_t directories_ = 1;
    bool anyFile_ = false;
};

} // namespace

SourceTree ReadSourceTree(const image_platform::NativeString& root,
                          const image_platform::NativeString& target) {
    SourceTree tree;
    tree.root.path = root;
    tree.root.directory = true;
    image_platform::IsDirectory(root, tree.root.modified);
    const TargetFilter filter(target);
    TreeReader reader(tree, filter);
    // With a separator at its end, the root's own links are resolved too.
    reader.ReadDirectory(tree.root, image_platform::AbsolutePath(image_platform::Join(root, {})),
                         std::u16string(), 1);
    if (!reader.anyFile())
        tree.newest = tree.root.modified;
    return tree;
}

} // namespace iso_image
