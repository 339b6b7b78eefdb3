// The UDF side read descriptor by descriptor, as a strict reader would: every tag's checksum,
// CRC and location hold, both anchors name both sequences and the reserve one is a copy of
// the main one, the integrity descriptor counts what the directories hold, and the file set
// leads through each directory's identifiers to every file with its name and bytes.
#include "image_plan.h"
#include "image_trees.h"
#include "iso_writer.h"
#include "temp_dir.h"
#include "utf8.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>

namespace {

constexpr std::size_t kSector = 2048;

// Table-driven, unlike the writer's: CRC-ITU-T with the polynomial 0x1021, starting at zero.
std::uint16_t Crc(const unsigned char* bytes, std::size_t size) {
    static const std::array<std::uint16_t, 256> table = [] {
        std::array<std::uint16_t, 256> entries{};
        for (unsigned index = 0; index < 256; ++index) {
            unsigned crc = index << 8;
            for (int bit = 0; bit < 8; ++bit)
                crc = crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1;
            entries[index] = static_cast<std::uint16_t>(crc);
        }
        return entries;
    }();
    std::uint16_t crc = 0;
    for (std::size_t index = 0; index < size; ++index)
        crc = static_cast<std::uint16_t>((crc << 8) ^ table[((crc >> 8) ^ bytes[index]) & 0xFF]);
    return crc;
}

class UdfImage {
public:
    explicit UdfImage(std::string bytes) : bytes_(std::move(bytes)) {}

    std::uint32_t Sectors() const { return static_cast<std::uint32_t>(bytes_.size() / kSector); }
    const unsigned char* At(std::uint64_t offset) const {
        return reinterpret_cast<const unsigned char*>(bytes_.data()) + offset;
    }
    const unsigned char* Sector(std::uint32_t number) const { return At(number * kSector); }
    static std::uint32_t Le16(const unsigned char* at) { return at[0] | at[1] << 8; }
    static std::uint32_t Le32(const unsigned char* at) { return Le16(at) | Le16(at + 2) << 16; }
    static std::uint64_t Le64(const unsigned char* at) {
        return Le32(at) | std::uint64_t{Le32(at + 4)} << 32;
    }

    // The descriptor's tag identifier, once its tag is checked.
    static std::uint32_t Tag(const unsigned char* tag, std::uint32_t location) {
        unsigned sum = 0;
        for (int index = 0; index < 16; ++index)
            sum += index == 4 ? 0 : tag[index];
        EXPECT_EQ(tag[4], sum & 0xFF) << "checksum of tag " << Le16(tag) << " at " << location;
        EXPECT_EQ(Le32(tag + 12), location) << "location of tag " << Le16(tag);
        EXPECT_EQ(Le16(tag + 8), Crc(tag + 16, Le16(tag + 10)))
            << "CRC of tag " << Le16(tag) << " at " << location;
        return Le16(tag);
    }

private:
    std::string bytes_;
};

// OSTA compressed Unicode to UTF-8.
std::string NameOf(const unsigned char* at, std::size_t length) {
    std::u16string units;
    const bool wide = at[0] == 16;
    EXPECT_TRUE(at[0] == 8 || wide);
    for (std::size_t index = 1; index < length; index += wide ? 2 : 1)
        units += static_cast<char16_t>(wide ? at[index] << 8 | at[index + 1] : at[index]);
    return utf8::OfUnits(units);
}

class UdfWalk {
public:
    UdfWalk(const UdfImage& image, std::uint32_t partition) : image_(image), start_(partition) {}

    // The data of the entry at block: its type, its bytes from its allocation descriptors.
    std::string Entry(std::uint32_t block, unsigned& type) {
        const unsigned char* entry = image_.Sector(start_ + block);
        EXPECT_EQ(UdfImage::Tag(entry, block), 261u);
        EXPECT_TRUE(uniqueIds_.insert(UdfImage::Le64(entry + 160)).second) << "unique id";
        type = entry[27];
        const std::uint64_t size = UdfImage::Le64(entry + 56);
        const std::uint32_t descriptors = UdfImage::Le32(entry + 172);
        std::string data;
        for (std::uint32_t offset = 0; offset < descriptors; offset += 8) {
            const unsigned char* descriptor = entry + 176 + UdfImage::Le32(entry + 168) + offset;
            const std::uint32_t length = UdfImage::Le32(descriptor) & 0x3FFFFFFF;
            const std::uint32_t position = UdfImage::Le32(descriptor + 4);
            if (offset + 8 < descriptors) {
                EXPECT_EQ(length % kSector, 0u) << "an extent before the last ends on a block";
            }
            data.append(reinterpret_cast<const char*>(image_.Sector(start_ + position)), length);
            extents_ = std::max<std::size_t>(extents_, descriptors / 8);
        }
        EXPECT_EQ(data.size(), size);
        return data;
    }

    void Directory(std::uint32_t block, const std::string& path, std::uint32_t parent) {
        ++directories_;
        unsigned type = 0;
        const unsigned char* entry = image_.Sector(start_ + block);
        const std::uint32_t first = UdfImage::Le32(entry + 176 + 4);
        const std::string identifiers = Entry(block, type);
        EXPECT_EQ(type, 4u) << path;
        const auto* bytes = reinterpret_cast<const unsigned char*>(identifiers.data());
        for (std::size_t offset = 0; offset < identifiers.size();) {
            const unsigned char* identifier = bytes + offset;
            EXPECT_EQ(
                UdfImage::Tag(identifier, first + static_cast<std::uint32_t>(offset / kSector)),
                257u);
            const unsigned characteristics = identifier[18];
            const std::size_t nameLength = identifier[19];
            const std::uint32_t child = UdfImage::Le32(identifier + 24);
            const std::size_t skip = UdfImage::Le16(identifier + 36);
            if (offset == 0) {
                EXPECT_EQ(characteristics, 0x0Au) << "the parent first: " << path;
                EXPECT_EQ(child, parent) << path;
            } else {
                const std::string name = path + NameOf(identifier + 38 + skip, nameLength);
                if (characteristics & 0x02) {
                    Directory(child, name + "/", block);
                } else {
                    unsigned fileType = 0;
                    files_[name] = Entry(child, fileType);
                    EXPECT_EQ(fileType, 5u) << name;
                }
            }
            offset += (38 + skip + nameLength + 3) & ~std::size_t{3};
        }
    }

    const std::map<std::string, std::string>& Files() const { return files_; }
    std::size_t Directories() const { return directories_; }
    std::size_t MostExtents() const { return extents_; }

private:
    const UdfImage& image_;
    const std::uint32_t start_;
    std::map<std::string, std::string> files_;
    std::size_t directories_ = 0;
    std::size_t extents_ = 0;
    std::set<std::uint64_t> uniqueIds_;
};

TEST(UdfStructure, CrcIsEcmasOwnExample) {
    const unsigned char bytes[] = {0x70, 0x6A, 0x77};
    EXPECT_EQ(Crc(bytes, sizeof bytes), 0x3299);
}

TEST(UdfStructure, EveryDescriptorHoldsAndLeadsToEveryFile) {
    TempDir temp;
    const std::string cd = temp.PathOf("cd");
    std::vector<TreeFile> files = {
        {"\xC3\x84rger.txt", "latin"},
        {"Unterordner/\xE6\x97\xA5\xE6\x9C\xAC.txt", "wide"},
        {"Unterordner/tief/leer.dat", ""},
        {"Emoji \xF0\x9F\x98\x80.txt", "pair"},
        {"drei Bl\xC3\xB6"
         "cke.bin",
         std::string(3 * kSector + 1, 'b')},
    };
    // Enough names that one directory's identifiers cross blocks.
    for (int number = 0; number < 60; ++number)
        files.push_back({"Viele/Ein recht langer Name Nummer " + std::to_string(number), "v"});
    MakeTree(cd, files, {"Leer"});
    const std::string iso = temp.PathOf("cd.iso");
    iso_image::ImagePlan plan = iso_image::PlanImage(cd, std::u16string(u"Struktur"), iso);
    plan.settings.udfExtent = kSector;
    ASSERT_EQ(iso_image::WriteImage(plan.tree, plan.settings, iso, {}).outcome,
              iso_image::WriteOutcome::kWritten);
    const UdfImage image(ReadBytes(iso));
    ASSERT_GT(image.Sectors(), 257u);

    const char* recognition[] = {"BEA01", "NSR02", "TEA01"};
    for (std::uint32_t index = 0; index < 3; ++index)
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.Sector(19 + index) + 1), 5),
                  recognition[index]);

    std::uint32_t sequences[2][2] = {};
    for (const std::uint32_t anchor : {256u, image.Sectors() - 1}) {
        ASSERT_EQ(UdfImage::Tag(image.Sector(anchor), anchor), 2u) << anchor;
        for (int which = 0; which < 2; ++which) {
            sequences[which][0] = UdfImage::Le32(image.Sector(anchor) + 16 + 8 * which + 4);
            sequences[which][1] = UdfImage::Le32(image.Sector(anchor) + 16 + 8 * which);
        }
    }
    std::map<std::uint32_t, const unsigned char*> main;
    for (int which = 0; which < 2; ++which) {
        const std::uint32_t start = sequences[which][0];
        std::set<std::uint32_t> found;
        for (std::uint32_t at = start; at < start + sequences[which][1] / kSector; ++at) {
            const std::uint32_t id = UdfImage::Tag(image.Sector(at), at);
            found.insert(id);
            if (which == 0)
                main[id] = image.Sector(at);
            else
                EXPECT_EQ(
                    std::string(reinterpret_cast<const char*>(image.Sector(at)) + 16, kSector - 16),
                    std::string(reinterpret_cast<const char*>(main[id]) + 16, kSector - 16))
                    << "the reserve copy of descriptor " << id;
            if (id == 8)
                break;
        }
        EXPECT_EQ(found, (std::set<std::uint32_t>{1, 4, 5, 6, 7, 8})) << which;
    }
    ASSERT_EQ(main.count(5), 1u);
    ASSERT_EQ(main.count(6), 1u);
    const std::uint32_t partition = UdfImage::Le32(main[5] + 188);
    EXPECT_LE(partition + UdfImage::Le32(main[5] + 192), image.Sectors() - 1);
    const unsigned char* logical = main[6];
    EXPECT_EQ(NameOf(logical + 84, logical[84 + 127]), "Struktur");

    const std::uint32_t integrityAt = UdfImage::Le32(logical + 436);
    const unsigned char* integrity = image.Sector(integrityAt);
    EXPECT_EQ(UdfImage::Tag(integrity, integrityAt), 9u);
    EXPECT_EQ(UdfImage::Le32(integrity + 28), 1u) << "closed";

    const std::uint32_t fileSetBlock = UdfImage::Le32(logical + 252);
    const unsigned char* fileSet = image.Sector(partition + fileSetBlock);
    ASSERT_EQ(UdfImage::Tag(fileSet, fileSetBlock), 256u);
    UdfWalk walk(image, partition);
    const std::uint32_t root = UdfImage::Le32(fileSet + 404);
    walk.Directory(root, "", root);

    EXPECT_TRUE(walk.Files() == ReadTree(cd));
    EXPECT_EQ(walk.Files().size(), files.size());
    EXPECT_EQ(UdfImage::Le32(integrity + 120), walk.Files().size());
    EXPECT_EQ(UdfImage::Le32(integrity + 124), walk.Directories());
    EXPECT_EQ(walk.Directories(), DirectoriesOf(cd).size() + 1);
    EXPECT_EQ(walk.MostExtents(), 4u) << "a block each";
}

} // namespace
