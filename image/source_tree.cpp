#include "source_tree.h"

#include "iso_names.h"

#include <algorithm>

namespace iso_image {

namespace {

class TreeReader {
public:
    explicit TreeReader(SourceTree& tree) : tree_(tree) {}

    void ReadDirectory(SourceNode& directory, const std::u16string& path, unsigned level) {
        std::vector<image_platform::DirectoryItem> items;
        if (!image_platform::ListDirectory(directory.path, items)) {
            if (!tree_.unreadable) {
                tree_.unreadable = true;
                tree_.unreadablePath = directory.path;
            }
            return;
        }
        std::sort(
            items.begin(), items.end(),
            [](const image_platform::DirectoryItem& left,
               const image_platform::DirectoryItem& right) { return left.units < right.units; });
        for (image_platform::DirectoryItem& item : items) {
            SourceNode child;
            child.name = item.units;
            child.path = image_platform::Join(directory.path, item.name);
            child.directory = item.directory;
            child.size = item.size;
            child.modified = item.modified;
            const std::u16string childPath = path.empty() ? child.name : path + u'/' + child.name;
            Judge(child, childPath, level);
            tree_.newest = anyEntry_ ? std::max(tree_.newest, child.modified) : child.modified;
            anyEntry_ = true;
            if (child.directory && level + 1 <= kMaxLevels)
                ReadDirectory(child, childPath, level + 1);
            directory.children.push_back(std::move(child));
        }
    }

    bool anyEntry() const { return anyEntry_; }

private:
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
    // The root counts as the first.
    std::size_t directories_ = 1;
    bool anyEntry_ = false;
};

} // namespace

SourceTree ReadSourceTree(const image_platform::NativeString& root) {
    SourceTree tree;
    tree.root.path = root;
    tree.root.directory = true;
    image_platform::IsDirectory(root, tree.root.modified);
    TreeReader reader(tree);
    reader.ReadDirectory(tree.root, std::u16string(), 1);
    if (!reader.anyEntry())
        tree.newest = tree.root.modified;
    return tree;
}

} // namespace iso_image
