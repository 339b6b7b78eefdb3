// The UDF side of the image, for Windows 98 and later: the volume's descriptors outside the
// partition, and in it the file set, each directory's file entry with its file identifiers and
// each file's entry, whose allocation descriptors point at the data the ISO 9660 and Joliet
// trees point at too.
#pragma once

#include "source_tree.h"

#include <cstdint>
#include <string>
#include <vector>

namespace iso_image {

// The sectors of the structures before the partition: the recognition sequence follows the
// ISO 9660 descriptors; the anchor lies where every reader looks for it.
constexpr std::uint32_t kUdfRecognition = 19;
constexpr std::uint32_t kUdfAnchor = 256;
// An allocation descriptor's length has 30 bits; one that is followed by another ends on a
// block's end.
constexpr std::uint32_t kUdfLargestExtent = 0x3FFFF800;

class UdfVolume {
public:
    struct Volume {
        std::u16string label;
        std::int64_t time = 0;
        std::uint32_t partitionStart = 0;
        std::uint32_t partitionLength = 0;
    };

    // extentLimit: the largest extent of a file, a multiple of 2,048.
    UdfVolume(const SourceNode& root, std::uint32_t extentLimit);

    // The largest file one file entry describes with extents of extentLimit.
    static std::uint64_t LargestFile(std::uint32_t extentLimit);

    // The partition's blocks before the files' data: the file set, the directories, the files'
    // entries in the order of Files().
    std::uint32_t Blocks() const {
        return firstFileEntry_ + static_cast<std::uint32_t>(files_.size());
    }
    std::uint32_t FirstFileEntry() const { return firstFileEntry_; }
    const std::vector<const SourceNode*>& Files() const { return files_; }
    std::size_t DirectoryCount() const { return directories_.size(); }
    const SourceNode& DirectoryNode(std::size_t index) const { return *directories_[index].node; }

    // The sectors from kUdfRecognition to kUdfAnchor of image, which holds at least as many.
    void PutVolumeStructures(unsigned char* image, const Volume& volume) const;
    // The anchor that ends the image.
    static void PutLastAnchor(unsigned char* sector, std::uint32_t location);
    // The blocks before FirstFileEntry(); time(node) is a directory's time.
    template <typename DirectoryTime>
    void PutDirectories(unsigned char* blocks, const Volume& volume,
                        const DirectoryTime& time) const {
        PutFileSet(blocks, volume);
        for (std::size_t index = 0; index < directories_.size(); ++index)
            PutDirectory(blocks, index, time(directories_[index].node));
    }
    // The entry of Files()[index], whose data starts at dataBlock.
    void PutFileEntry(unsigned char* block, std::size_t index, std::uint32_t dataBlock) const;

private:
    struct Child {
        bool directory;
        std::size_t index;
    };
    struct Directory {
        const SourceNode* node;
        std::size_t parent;
        std::vector<Child> children;
        std::uint32_t block = 0;
        std::uint32_t identifierBytes = 0;
    };

    void PutFileSet(unsigned char* blocks, const Volume& volume) const;
    void PutDirectory(unsigned char* blocks, std::size_t index, std::int64_t time) const;
    std::uint32_t BlockOf(const Child& child) const;
    std::uint64_t UniqueIdOf(const Child& child) const;

    std::uint32_t extentLimit_;
    std::vector<Directory> directories_;
    std::vector<const SourceNode*> files_;
    std::uint32_t firstFileEntry_ = 0;
};

} // namespace iso_image
