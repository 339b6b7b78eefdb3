#include "iso_writer.h"

#include "iso_names.h"
#include "iso_records.h"
#include "udf_volume.h"

#include <algorithm>
#include <cstring>

namespace iso_image {

namespace {

constexpr std::uint32_t kSector = 2048;
constexpr std::uint32_t kFirstDescriptor = 16;
// Zero sectors after the data: old drives read ahead past the last file and fail there.
constexpr std::uint32_t kPaddingSectors = 150;
// Large writes let the disk, not the calls, set the pace.
constexpr std::size_t kBufferSize = 4u << 20;

std::uint32_t SectorsOf(std::uint64_t bytes) {
    return static_cast<std::uint32_t>((bytes + kSector - 1) / kSector);
}

// A file of 4 GiB or more is recorded in several consecutive records, one per extent.
std::uint64_t RecordsOf(const SourceNode& node, std::uint64_t extent) {
    return node.directory || node.size == 0 ? 1 : (node.size + extent - 1) / extent;
}

struct Entry {
    std::string identifier;
    // Sorts the entries as ISO 9660 wants them.
    std::string key;
    const SourceNode* node = nullptr;
    std::size_t directory = 0;
};

struct Directory {
    const SourceNode* node = nullptr;
    std::size_t parent = 0;
    std::string identifier;
    std::vector<Entry> entries;
    std::uint32_t extent = 0;
    std::uint32_t size = 0;
};

enum class Tree { kPrimary, kJoliet };

// What the layout knows of each node, found by the node's address: a sorted vector, which costs
// the editor, which links the writer, less code than a map.
template <typename Value> class NodeTable {
public:
    void Set(const SourceNode* node, Value value) { items_.push_back(Item{node, value}); }
    // Once every node is set, before the first look-up.
    void Seal() {
        std::sort(items_.begin(), items_.end(),
                  [](const Item& left, const Item& right) { return left.node < right.node; });
    }
    // Every node looked up was set.
    Value At(const SourceNode* node) const {
        return std::lower_bound(
                   items_.begin(), items_.end(), node,
                   [](const Item& item, const SourceNode* wanted) { return item.node < wanted; })
            ->value;
    }

private:
    struct Item {
        const SourceNode* node;
        Value value;
    };
    std::vector<Item> items_;
};

std::string Ucs2BigEndian(const std::u16string& units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit >> 8);
        bytes += static_cast<char>(unit & 0xFF);
    }
    return bytes;
}

std::vector<Entry> EntriesOf(const SourceNode& directory, Tree tree) {
    std::vector<Entry> entries(directory.children.size());
    if (tree == Tree::kPrimary) {
        std::vector<NameRequest> requests;
        for (const SourceNode& child : directory.children)
            requests.push_back(NameRequest{child.name, child.directory});
        const std::vector<ShortName> names = AssignShortNames(requests);
        for (std::size_t index = 0; index < entries.size(); ++index) {
            const ShortName& name = names[index];
            entries[index].identifier = name.Identifier(directory.children[index].directory);
            // Shorter parts are compared as if padded with spaces.
            entries[index].key = name.base + std::string(8 - name.base.size(), ' ') +
                                 name.extension + std::string(3 - name.extension.size(), ' ');
        }
    } else {
        for (std::size_t index = 0; index < entries.size(); ++index) {
            entries[index].identifier = Ucs2BigEndian(directory.children[index].name);
            entries[index].key = entries[index].identifier;
        }
    }
    for (std::size_t index = 0; index < entries.size(); ++index)
        entries[index].node = &directory.children[index];
    std::sort(entries.begin(), entries.end(),
              [](const Entry& left, const Entry& right) { return left.key < right.key; });
    return entries;
}

// The directories in the order of the path table: by level, then by parent, then by name.
std::vector<Directory> DirectoriesOf(const SourceNode& root, Tree tree) {
    std::vector<Directory> directories(1);
    directories[0].node = &root;
    directories[0].identifier = std::string(1, '\0');
    for (std::size_t index = 0; index < directories.size(); ++index) {
        std::vector<Entry> entries = EntriesOf(*directories[index].node, tree);
        for (Entry& entry : entries) {
            if (!entry.node->directory)
                continue;
            entry.directory = directories.size();
            Directory child;
            child.node = entry.node;
            child.parent = index;
            child.identifier = entry.identifier;
            directories.push_back(std::move(child));
        }
        directories[index].entries = std::move(entries);
    }
    return directories;
}

// Records never cross a sector's end; a directory fills whole sectors.
std::uint32_t DirectorySize(const Directory& directory, std::uint64_t extent) {
    std::uint32_t used = 0;
    std::uint32_t offset = 0;
    const auto place = [&](std::size_t identifierLength) {
        const std::uint32_t length = RecordLength(identifierLength);
        if (offset + length > kSector) {
            ++used;
            offset = 0;
        }
        offset += length;
    };
    place(1);
    place(1);
    for (const Entry& entry : directory.entries)
        for (std::uint64_t record = RecordsOf(*entry.node, extent); record > 0; --record)
            place(entry.identifier.size());
    return (used + 1) * kSector;
}

std::uint32_t PathTableSize(const std::vector<Directory>& directories) {
    std::uint32_t size = 0;
    for (const Directory& directory : directories)
        size += PathTableRecordLength(directory.identifier.size());
    return size;
}

struct Layout {
    VolumeSettings settings;
    std::vector<Directory> primary;
    std::vector<Directory> joliet;
    std::uint32_t pathTableSize[2] = {0, 0};
    std::uint32_t pathTableSectors[2] = {0, 0};
    // L and M of each tree.
    std::uint32_t pathTables[2][2] = {{0, 0}, {0, 0}};
    NodeTable<std::uint32_t> fileExtents;
    NodeTable<std::int64_t> directoryTimes;
    // In the order of the data.
    std::vector<const SourceNode*> files;
    std::optional<UdfVolume> udf;
    // UDF's partition: its metadata, then the files' data.
    std::uint32_t partitionStart = 0;
    std::uint32_t firstData = 0;
    std::uint32_t paddingStart = 0;
    std::uint32_t totalSectors = 0;
    // The path of the first file that would end beyond the last sector number of 32 bits: the
    // sector numbers after it have wrapped, and the tree must be refused.
    std::optional<std::u16string> beyondLimit;
};

std::u16string PathOf(const std::vector<Directory>& directories, std::size_t index,
                      const std::u16string& name) {
    std::u16string path = name;
    for (; index != 0; index = directories[index].parent)
        path = directories[index].node->name + u'/' + path;
    return path;
}

// A directory's time is its newest file's; without files below it, the volume's (fallback):
// never its own, which a file made and removed again changes.
std::int64_t NewestBelow(const SourceNode& directory, std::int64_t fallback,
                         NodeTable<std::int64_t>& times) {
    bool any = false;
    std::int64_t newest = fallback;
    for (const SourceNode& child : directory.children) {
        const std::int64_t time =
            child.directory ? NewestBelow(child, fallback, times) : child.modified;
        newest = any ? std::max(newest, time) : time;
        any = true;
    }
    times.Set(&directory, newest);
    return newest;
}

Layout LayOut(const SourceTree& tree, const VolumeSettings& settings) {
    Layout layout;
    layout.settings = settings;
    layout.primary = DirectoriesOf(tree.root, Tree::kPrimary);
    layout.joliet = DirectoriesOf(tree.root, Tree::kJoliet);
    NewestBelow(tree.root, settings.time, layout.directoryTimes);

    // UDF's descriptors lie between the ISO 9660 descriptors and its anchor.
    std::uint32_t next = settings.udf ? kUdfAnchor + 1 : kFirstDescriptor + 3;
    const std::vector<Directory>* trees[2] = {&layout.primary, &layout.joliet};
    for (int which = 0; which < 2; ++which) {
        layout.pathTableSize[which] = PathTableSize(*trees[which]);
        layout.pathTableSectors[which] = SectorsOf(layout.pathTableSize[which]);
        for (int order = 0; order < 2; ++order) {
            layout.pathTables[which][order] = next;
            next += layout.pathTableSectors[which];
        }
    }
    for (std::vector<Directory>* directories : {&layout.primary, &layout.joliet}) {
        for (Directory& directory : *directories) {
            directory.size = DirectorySize(directory, settings.isoExtent);
            directory.extent = next;
            next += directory.size / kSector;
        }
    }
    layout.partitionStart = next;
    if (settings.udf) {
        layout.udf.emplace(tree.root, settings.udfExtent);
        next += layout.udf->Blocks();
    }
    layout.firstData = next;
    std::uint64_t end = next;
    for (std::size_t index = 0; index < layout.joliet.size(); ++index) {
        for (const Entry& entry : layout.joliet[index].entries) {
            if (entry.node->directory || entry.node->size == 0)
                continue;
            layout.fileExtents.Set(entry.node, next);
            layout.files.push_back(entry.node);
            next += SectorsOf(entry.node->size);
            end += SectorsOf(entry.node->size);
            if (end + kPaddingSectors + (settings.udf ? 1 : 0) > 0xFFFFFFFFull &&
                !layout.beyondLimit)
                layout.beyondLimit = PathOf(layout.joliet, index, entry.node->name);
        }
    }
    layout.paddingStart = next;
    // UDF's second anchor is the last sector.
    layout.totalSectors = next + kPaddingSectors + (settings.udf ? 1 : 0);
    // An empty file has no data; its record points at the padding, inside the volume.
    for (const Directory& directory : layout.joliet)
        for (const Entry& entry : directory.entries)
            if (!entry.node->directory && entry.node->size == 0)
                layout.fileExtents.Set(entry.node, layout.paddingStart);
    layout.fileExtents.Seal();
    layout.directoryTimes.Seal();
    return layout;
}

void WriteDirectory(unsigned char* sector, const Directory& directory,
                    const std::vector<Directory>& all, const Layout& layout) {
    std::uint32_t offset = 0;
    const auto put = [&](const DirectoryRecord& record) {
        const std::uint32_t length = RecordLength(record.identifier.size());
        if (offset % kSector + length > kSector)
            offset += kSector - offset % kSector;
        PutRecord(sector + offset, record);
        offset += length;
    };
    const Directory& parent = all[directory.parent];
    put(DirectoryRecord{std::string(1, '\0'), directory.extent, directory.size,
                        layout.directoryTimes.At(directory.node), true});
    put(DirectoryRecord{std::string(1, '\1'), parent.extent, parent.size,
                        layout.directoryTimes.At(parent.node), true});
    for (const Entry& entry : directory.entries) {
        if (entry.node->directory) {
            const Directory& child = all[entry.directory];
            put(DirectoryRecord{entry.identifier, child.extent, child.size,
                                layout.directoryTimes.At(child.node), true});
            continue;
        }
        const std::uint64_t extent = layout.settings.isoExtent;
        const std::uint64_t records = RecordsOf(*entry.node, extent);
        for (std::uint64_t record = 0; record < records; ++record) {
            DirectoryRecord part{
                entry.identifier,
                layout.fileExtents.At(entry.node) +
                    static_cast<std::uint32_t>(record * extent / kSector),
                static_cast<std::uint32_t>(std::min(extent, entry.node->size - record * extent)),
                entry.node->modified, false};
            part.moreExtents = record + 1 < records;
            put(part);
        }
    }
}

void WritePathTable(unsigned char* at, const std::vector<Directory>& directories, bool bigEndian) {
    for (const Directory& directory : directories) {
        PutPathTableRecord(at, directory.identifier, directory.extent,
                           static_cast<std::uint16_t>(directory.parent + 1), bigEndian);
        at += PathTableRecordLength(directory.identifier.size());
    }
}

UdfVolume::Volume UdfVolumeOf(const Layout& layout) {
    return UdfVolume::Volume{layout.settings.label, layout.settings.time, layout.partitionStart,
                             layout.paddingStart - layout.partitionStart};
}

// Everything before the files' UDF entries and data.
std::vector<unsigned char> Metadata(const Layout& layout) {
    const VolumeSettings& settings = layout.settings;
    const std::uint32_t udfBlocks = layout.udf ? layout.udf->FirstFileEntry() : 0;
    std::vector<unsigned char> bytes(std::size_t{layout.partitionStart + udfBlocks} * kSector, 0);
    const std::vector<Directory>* trees[2] = {&layout.primary, &layout.joliet};
    for (int which = 0; which < 2; ++which) {
        const std::vector<Directory>& directories = *trees[which];
        const Directory& root = directories.front();
        VolumeDescriptor descriptor;
        descriptor.joliet = which == 1;
        descriptor.totalSectors = layout.totalSectors;
        descriptor.pathTableSize = layout.pathTableSize[which];
        descriptor.pathTableL = layout.pathTables[which][0];
        descriptor.pathTableM = layout.pathTables[which][1];
        descriptor.root = DirectoryRecord{std::string(1, '\0'), root.extent, root.size,
                                          layout.directoryTimes.At(root.node), true};
        descriptor.time = settings.time;
        if (descriptor.joliet)
            descriptor.volumeName = Ucs2BigEndian(JolietVolumeName(settings.label));
        else
            descriptor.volumeName = PrimaryVolumeName(settings.label);
        PutVolumeDescriptor(&bytes[std::size_t{kFirstDescriptor + which} * kSector], descriptor);
        for (int order = 0; order < 2; ++order)
            WritePathTable(&bytes[std::size_t{layout.pathTables[which][order]} * kSector],
                           directories, order == 1);
        for (const Directory& directory : directories)
            WriteDirectory(&bytes[std::size_t{directory.extent} * kSector], directory, directories,
                           layout);
    }
    PutTerminator(&bytes[std::size_t{kFirstDescriptor + 2} * kSector]);
    if (layout.udf) {
        const UdfVolume::Volume volume = UdfVolumeOf(layout);
        layout.udf->PutVolumeStructures(bytes.data(), volume);
        layout.udf->PutDirectories(
            &bytes[std::size_t{layout.partitionStart} * kSector], volume,
            [&layout](const SourceNode* directory) { return layout.directoryTimes.At(directory); });
    }
    return bytes;
}

// Collects the image in large blocks and hands each to the output file whole.
class BlockWriter {
public:
    BlockWriter(image_platform::OutputFile& file, std::uint64_t total, const Progress& progress)
        : file_(file), total_(total), progress_(progress), buffer_(kBufferSize) {}

    // Space for at most size bytes; Advance says how many were filled.
    unsigned char* Space(std::size_t& size) {
        size = buffer_.size() - used_;
        return buffer_.data() + used_;
    }
    bool Advance(std::size_t filled) {
        used_ += filled;
        return used_ < buffer_.size() || Flush();
    }
    bool Append(const unsigned char* data, std::size_t size) {
        while (size > 0) {
            std::size_t room = 0;
            unsigned char* space = Space(room);
            const std::size_t part = std::min(room, size);
            if (data != nullptr) {
                std::memcpy(space, data, part);
                data += part;
            } else {
                std::memset(space, 0, part);
            }
            size -= part;
            if (!Advance(part))
                return false;
        }
        return true;
    }
    bool Flush() {
        if (used_ > 0 && !file_.Write(buffer_.data(), used_)) {
            failed_ = true;
            return false;
        }
        written_ += used_;
        used_ = 0;
        if (progress_ && !progress_(written_, total_)) {
            cancelled_ = true;
            return false;
        }
        return true;
    }
    bool cancelled() const { return cancelled_; }
    bool failed() const { return failed_; }

private:
    image_platform::OutputFile& file_;
    const std::uint64_t total_;
    const Progress& progress_;
    std::vector<unsigned char> buffer_;
    std::size_t used_ = 0;
    std::uint64_t written_ = 0;
    bool cancelled_ = false;
    bool failed_ = false;
};

// Copies one file's bytes and the zeros that fill its last sector.
WriteOutcome CopyFile(const SourceNode& node, BlockWriter& writer) {
    image_platform::InputFile input;
    if (!input.Open(node.path))
        return WriteOutcome::kCannotRead;
    std::uint64_t left = node.size;
    while (left > 0) {
        std::size_t room = 0;
        unsigned char* space = writer.Space(room);
        const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(room, left));
        const std::int64_t got = input.Read(space, wanted);
        if (got < 0)
            return WriteOutcome::kCannotRead;
        if (got == 0)
            return WriteOutcome::kChanged;
        left -= static_cast<std::uint64_t>(got);
        if (!writer.Advance(static_cast<std::size_t>(got)))
            return WriteOutcome::kCannotWrite;
    }
    unsigned char probe = 0;
    if (input.Read(&probe, 1) != 0)
        return WriteOutcome::kChanged;
    const std::size_t tail = static_cast<std::size_t>(node.size % kSector);
    if (tail != 0 && !writer.Append(nullptr, kSector - tail))
        return WriteOutcome::kCannotWrite;
    return WriteOutcome::kWritten;
}

} // namespace

std::uint64_t LargestFile(const VolumeSettings& settings) {
    return settings.udf ? UdfVolume::LargestFile(settings.udfExtent) : kMaxFileSize;
}

std::uint64_t ImageSize(const SourceTree& tree, const VolumeSettings& settings) {
    return std::uint64_t{LayOut(tree, settings).totalSectors} * kSector;
}

std::optional<std::u16string> BeyondSectorLimit(const SourceTree& tree,
                                                const VolumeSettings& settings) {
    return LayOut(tree, settings).beyondLimit;
}

WriteResult WriteImage(const SourceTree& tree, const VolumeSettings& settings,
                       const image_platform::NativeString& target, const Progress& progress) {
    const Layout layout = LayOut(tree, settings);
    image_platform::OutputFile output;
    if (!output.Create(target))
        return WriteResult{WriteOutcome::kCannotCreate, target};
    BlockWriter writer(output, std::uint64_t{layout.totalSectors} * kSector, progress);
    const auto stopped = [&](WriteOutcome otherwise, const image_platform::NativeString& path) {
        if (writer.cancelled())
            return WriteResult{WriteOutcome::kCancelled, {}};
        if (writer.failed())
            return WriteResult{WriteOutcome::kCannotWrite, target};
        return WriteResult{otherwise, path};
    };

    const std::vector<unsigned char> metadata = Metadata(layout);
    if (!writer.Append(metadata.data(), metadata.size()))
        return stopped(WriteOutcome::kCannotWrite, target);
    // The files' UDF entries, a block each, made one at a time: a CD of many files would
    // otherwise hold them all in memory.
    if (layout.udf) {
        const std::vector<const SourceNode*>& files = layout.udf->Files();
        for (std::size_t index = 0; index < files.size(); ++index) {
            unsigned char block[kSector] = {};
            layout.udf->PutFileEntry(block, index,
                                     layout.fileExtents.At(files[index]) - layout.partitionStart);
            if (!writer.Append(block, kSector))
                return stopped(WriteOutcome::kCannotWrite, target);
        }
    }
    for (const SourceNode* file : layout.files) {
        const WriteOutcome outcome = CopyFile(*file, writer);
        if (outcome != WriteOutcome::kWritten)
            return stopped(outcome, file->path);
    }
    if (!writer.Append(nullptr, std::size_t{kPaddingSectors} * kSector))
        return stopped(WriteOutcome::kCannotWrite, target);
    if (layout.udf) {
        unsigned char anchor[kSector] = {};
        UdfVolume::PutLastAnchor(anchor, layout.totalSectors - 1);
        if (!writer.Append(anchor, kSector))
            return stopped(WriteOutcome::kCannotWrite, target);
    }
    if (!writer.Flush())
        return stopped(WriteOutcome::kCannotWrite, target);
    if (!output.Commit())
        return WriteResult{WriteOutcome::kCannotWrite, target};
    return WriteResult{};
}

} // namespace iso_image
