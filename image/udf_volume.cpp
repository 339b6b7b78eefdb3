#include "udf_volume.h"

#include "udf_records.h"

#include <algorithm>
#include <cstring>

namespace iso_image {

namespace {

using namespace udf;

constexpr std::uint32_t kSector = 2048;
constexpr std::uint32_t kMainSequence = 32;
constexpr std::uint32_t kReserveSequence = 48;
constexpr std::uint32_t kSequenceSectors = 16;
// The integrity descriptor, then a terminating one.
constexpr std::uint32_t kIntegritySequence = 64;
// A file entry's fields before its allocation descriptors, and how many of those fit after
// them in its block.
constexpr std::uint32_t kEntryFields = 176;
constexpr std::uint32_t kShortDescriptor = 8;
constexpr std::uint32_t kMostDescriptors = (kSector - kEntryFields) / kShortDescriptor;
// Read and execute for owner, group and others; read alone.
constexpr std::uint32_t kDirectoryPermissions = 0x14A5;
constexpr std::uint32_t kFilePermissions = 0x1084;
constexpr unsigned char kIsDirectory = 0x02;
constexpr unsigned char kIsParent = 0x08;

std::uint32_t SectorsOf(std::uint64_t bytes) {
    return static_cast<std::uint32_t>((bytes + kSector - 1) / kSector);
}

// A file identifier's length: 38 bytes of fields and the name, padded to four.
std::uint32_t IdentifierLength(std::size_t nameBytes) {
    return (38 + static_cast<std::uint32_t>(nameBytes) + 3) & ~3u;
}

// The address of a file entry: one block of partition 0.
void PutEntryAddress(unsigned char* at, std::uint32_t block) {
    Put32(at, kSector);
    Put32(at + 4, block);
}

void PutRecognition(unsigned char* sector, const char* identifier) {
    std::memcpy(sector + 1, identifier, 5);
    sector[6] = 1;
}

void PutAnchorTo(unsigned char* sector, std::uint32_t location) {
    Put32(sector + 16, kSequenceSectors * kSector);
    Put32(sector + 20, kMainSequence);
    Put32(sector + 24, kSequenceSectors * kSector);
    Put32(sector + 28, kReserveSequence);
    PutTag(sector, kAnchor, location, 496);
}

std::u16string HexOf(std::uint64_t value) {
    std::u16string digits(16, u'0');
    for (int place = 15; place >= 0; --place, value >>= 4)
        digits[static_cast<std::size_t>(place)] = u"0123456789ABCDEF"[value & 15];
    return digits;
}

struct EntryFields {
    bool directory;
    std::uint16_t links;
    std::uint64_t size;
    std::int64_t time;
    std::uint64_t uniqueId;
    // The data's first block; the data lies in consecutive blocks.
    std::uint32_t dataBlock;
};

void PutEntry(unsigned char* at, std::uint32_t block, const EntryFields& fields,
              std::uint32_t extentLimit) {
    // Strategy 4: one entry, written once.
    Put16(at + 20, 4);
    Put16(at + 24, 1);
    at[27] = fields.directory ? 4 : 5;
    // No user and no group.
    Put32(at + 36, 0xFFFFFFFF);
    Put32(at + 40, 0xFFFFFFFF);
    Put32(at + 44, fields.directory ? kDirectoryPermissions : kFilePermissions);
    Put16(at + 48, fields.links);
    Put64(at + 56, fields.size);
    Put64(at + 64, SectorsOf(fields.size));
    for (const std::size_t offset : {72, 84, 96})
        PutTimestamp(at + offset, fields.time);
    Put32(at + 108, 1);
    PutImplementation(at + 128);
    Put64(at + 160, fields.uniqueId);
    std::uint32_t descriptors = 0;
    for (std::uint64_t done = 0; done < fields.size; ++descriptors) {
        const std::uint32_t length =
            static_cast<std::uint32_t>(std::min<std::uint64_t>(extentLimit, fields.size - done));
        unsigned char* descriptor = at + kEntryFields + descriptors * kShortDescriptor;
        Put32(descriptor, length);
        Put32(descriptor + 4, fields.dataBlock + static_cast<std::uint32_t>(done / kSector));
        done += length;
    }
    Put32(at + 172, descriptors * kShortDescriptor);
    PutTag(at, kFileEntry, block, kEntryFields + descriptors * kShortDescriptor - 16);
}

void PutIdentifier(unsigned char* at, std::uint32_t block, unsigned char characteristics,
                   const std::string& name, std::uint32_t entryBlock) {
    Put16(at + 16, 1);
    at[18] = characteristics;
    at[19] = static_cast<unsigned char>(name.size());
    PutEntryAddress(at + 20, entryBlock);
    std::memcpy(at + 38, name.data(), name.size());
    PutTag(at, kFileIdentifier, block, IdentifierLength(name.size()) - 16);
}

} // namespace

UdfVolume::UdfVolume(const SourceNode& root, std::uint32_t extentLimit)
    : extentLimit_(extentLimit) {
    directories_.push_back(Directory{&root, 0, {}});
    for (std::size_t index = 0; index < directories_.size(); ++index) {
        std::vector<Child> children;
        std::uint32_t bytes = IdentifierLength(0);
        for (const SourceNode& child : directories_[index].node->children) {
            bytes += IdentifierLength(CompressedUnicode(child.name).size());
            if (child.directory) {
                children.push_back(Child{true, directories_.size()});
                directories_.push_back(Directory{&child, index, {}});
            } else {
                children.push_back(Child{false, files_.size()});
                files_.push_back(&child);
            }
        }
        directories_[index].children = std::move(children);
        directories_[index].identifierBytes = bytes;
    }
    // The file set and its terminating descriptor come first.
    std::uint32_t next = 2;
    for (Directory& directory : directories_) {
        directory.block = next;
        next += 1 + SectorsOf(directory.identifierBytes);
    }
    firstFileEntry_ = next;
}

std::uint64_t UdfVolume::LargestFile(std::uint32_t extentLimit) {
    return std::uint64_t{kMostDescriptors} * extentLimit;
}

std::uint32_t UdfVolume::BlockOf(const Child& child) const {
    return child.directory ? directories_[child.index].block
                           : firstFileEntry_ + static_cast<std::uint32_t>(child.index);
}

// The root's is zero; the numbers up to 15 are kept for other uses.
std::uint64_t UdfVolume::UniqueIdOf(const Child& child) const {
    if (child.directory)
        return child.index == 0 ? 0 : 15 + child.index;
    return 15 + directories_.size() + child.index;
}

void UdfVolume::PutVolumeStructures(unsigned char* image, const Volume& volume) const {
    const auto sector = [image](std::uint32_t number) {
        return image + std::size_t{number} * kSector;
    };
    PutRecognition(sector(kUdfRecognition), "BEA01");
    PutRecognition(sector(kUdfRecognition + 1), "NSR02");
    PutRecognition(sector(kUdfRecognition + 2), "TEA01");

    for (const std::uint32_t start : {kMainSequence, kReserveSequence}) {
        unsigned char* primary = sector(start);
        Put32(primary + 16, 0);
        PutDString(primary + 24, 32, volume.label);
        Put16(primary + 56, 1);
        Put16(primary + 58, 1);
        Put16(primary + 60, 2);
        Put16(primary + 62, 3);
        Put32(primary + 64, 1);
        Put32(primary + 68, 1);
        // Unique in its first 16 characters, and the same for the same CD.
        PutDString(primary + 72, 128,
                   HexOf(static_cast<std::uint64_t>(volume.time)) + volume.label);
        PutCharSpec(primary + 200);
        PutCharSpec(primary + 264);
        PutTimestamp(primary + 376, volume.time);
        PutImplementation(primary + 388);
        PutTag(primary, kPrimaryVolume, start, 496);

        unsigned char* use = sector(start + 1);
        Put32(use + 16, 1);
        PutRegId(use + 20, "*UDF LV Info", UdfSuffix());
        PutCharSpec(use + 52);
        PutDString(use + 116, 128, volume.label);
        PutImplementation(use + 352);
        PutTag(use, kImplementationUse, start + 1, 496);

        unsigned char* partition = sector(start + 2);
        Put32(partition + 16, 2);
        // Allocated, number 0, read only.
        Put16(partition + 20, 1);
        PutRegId(partition + 24, "+NSR02", std::string());
        Put32(partition + 184, 1);
        Put32(partition + 188, volume.partitionStart);
        Put32(partition + 192, volume.partitionLength);
        PutImplementation(partition + 196);
        PutTag(partition, kPartition, start + 2, 496);

        unsigned char* logical = sector(start + 3);
        Put32(logical + 16, 3);
        PutCharSpec(logical + 20);
        PutDString(logical + 84, 128, volume.label);
        Put32(logical + 212, kSector);
        PutRegId(logical + 216, "*OSTA UDF Compliant", DomainSuffix());
        // The file set, with its terminating descriptor.
        Put32(logical + 248, 2 * kSector);
        Put32(logical + 264, 6);
        Put32(logical + 268, 1);
        PutImplementation(logical + 272);
        Put32(logical + 432, 2 * kSector);
        Put32(logical + 436, kIntegritySequence);
        // One partition map of type 1: volume 1, partition 0.
        logical[440] = 1;
        logical[441] = 6;
        Put16(logical + 442, 1);
        PutTag(logical, kLogicalVolume, start + 3, 430);

        unsigned char* unallocated = sector(start + 4);
        Put32(unallocated + 16, 4);
        PutTag(unallocated, kUnallocatedSpace, start + 4, 8);

        PutTag(sector(start + 5), kTerminating, start + 5, 496);
    }

    unsigned char* integrity = sector(kIntegritySequence);
    PutTimestamp(integrity + 16, volume.time);
    // Closed: the volume is whole.
    Put32(integrity + 28, 1);
    Put64(integrity + 40, 16 + directories_.size() - 1 + files_.size());
    Put32(integrity + 72, 1);
    Put32(integrity + 76, 46);
    Put32(integrity + 84, volume.partitionLength);
    PutImplementation(integrity + 88);
    Put32(integrity + 120, static_cast<std::uint32_t>(files_.size()));
    Put32(integrity + 124, static_cast<std::uint32_t>(directories_.size()));
    for (const std::size_t offset : {128, 130, 132})
        Put16(integrity + offset, 0x0102);
    PutTag(integrity, kIntegrity, kIntegritySequence, 134 - 16);
    PutTag(sector(kIntegritySequence + 1), kTerminating, kIntegritySequence + 1, 496);

    PutAnchorTo(sector(kUdfAnchor), kUdfAnchor);
}

void UdfVolume::PutLastAnchor(unsigned char* sector, std::uint32_t location) {
    PutAnchorTo(sector, location);
}

void UdfVolume::PutFileSet(unsigned char* blocks, const Volume& volume) const {
    PutTimestamp(blocks + 16, volume.time);
    Put16(blocks + 28, 3);
    Put16(blocks + 30, 3);
    Put32(blocks + 32, 1);
    Put32(blocks + 36, 1);
    PutCharSpec(blocks + 48);
    PutDString(blocks + 112, 128, volume.label);
    PutCharSpec(blocks + 240);
    PutDString(blocks + 304, 32, volume.label);
    PutEntryAddress(blocks + 400, directories_.front().block);
    PutRegId(blocks + 416, "*OSTA UDF Compliant", DomainSuffix());
    PutTag(blocks, kFileSet, 0, 496);
    PutTag(blocks + kSector, kTerminating, 1, 496);
}

void UdfVolume::PutDirectory(unsigned char* blocks, std::size_t index, std::int64_t time) const {
    const Directory& directory = directories_[index];
    std::uint16_t links = 1;
    for (const Child& child : directory.children)
        links = static_cast<std::uint16_t>(links + (child.directory ? 1 : 0));
    unsigned char* entry = blocks + std::size_t{directory.block} * kSector;
    PutEntry(entry, directory.block,
             EntryFields{true, links, directory.identifierBytes, time,
                         UniqueIdOf(Child{true, index}), directory.block + 1},
             kUdfLargestExtent);

    unsigned char* identifiers = entry + kSector;
    std::uint32_t offset = 0;
    const auto put = [&](unsigned char characteristics, const std::string& name,
                         std::uint32_t entryBlock) {
        PutIdentifier(identifiers + offset, directory.block + 1 + offset / kSector, characteristics,
                      name, entryBlock);
        offset += IdentifierLength(name.size());
    };
    // The root is its own parent.
    put(kIsDirectory | kIsParent, std::string(), directories_[directory.parent].block);
    for (const Child& child : directory.children) {
        const SourceNode& node =
            child.directory ? *directories_[child.index].node : *files_[child.index];
        put(child.directory ? kIsDirectory : 0, CompressedUnicode(node.name), BlockOf(child));
    }
}

void UdfVolume::PutFileEntry(unsigned char* block, std::size_t index,
                             std::uint32_t dataBlock) const {
    const SourceNode& file = *files_[index];
    PutEntry(
        block, firstFileEntry_ + static_cast<std::uint32_t>(index),
        EntryFields{false, 1, file.size, file.modified, UniqueIdOf(Child{false, index}), dataBlock},
        extentLimit_);
}

} // namespace iso_image
