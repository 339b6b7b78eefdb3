#include "tiny_images.h"

#include "sha256.h"

namespace {

void Put16(std::string& bytes, std::size_t at, std::uint32_t value) {
    if (bytes.size() < at + 2)
        bytes.resize(at + 2, '\0');
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, std::size_t at, std::uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}

constexpr std::size_t kNewHeader = 0x40;
constexpr std::uint32_t kSectionAddress = 0x1000;
constexpr std::size_t kResourceOffset = 0x200;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

// A DER element of up to 65535 bytes.
std::string Der(char tag, const std::string& content) {
    std::string element(1, tag);
    if (content.size() < 0x80) {
        element += static_cast<char>(content.size());
    } else {
        element += '\x82';
        element += static_cast<char>(content.size() >> 8);
        element += static_cast<char>(content.size() & 0xFF);
    }
    return element + content;
}

// PKCS#7 SignedData holding SpcIndirectDataContent with a SHA-256 digest.
std::string SignatureOf(const std::string& digest) {
    const std::string sha256 =
        Der(0x30, Der(0x06, "\x60\x86\x48\x01\x65\x03\x04\x02\x01") + Der(0x05, ""));
    const std::string indirect = Der(0x30, Der(0x30, "") + Der(0x30, sha256 + Der(0x04, digest)));
    const std::string content =
        Der(0x30, Der(0x06, "\x2B\x06\x01\x04\x01\x82\x37\x02\x01\x04") + Der('\xA0', indirect));
    const std::string signedData = Der(0x30, Der(0x02, "\x01") + Der(0x31, "") + content);
    return Der(0x30, Der(0x06, "\x2A\x86\x48\x86\xF7\x0D\x01\x07\x02") + Der('\xA0', signedData));
}

} // namespace

std::string TinyIconFile(int images) {
    std::string bytes;
    Put16(bytes, 0, 0);
    Put16(bytes, 2, 1);
    Put16(bytes, 4, static_cast<std::uint32_t>(images));
    const std::size_t data = 6 + 16 * static_cast<std::size_t>(images);
    for (int index = 0; index < images; ++index) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(index);
        bytes.resize(entry + 16, '\0');
        bytes[entry] = 16;     // width
        bytes[entry + 1] = 16; // height
        Put32(bytes, entry + 8, 8);
        Put32(bytes, entry + 12, static_cast<std::uint32_t>(data + 8 * index));
    }
    bytes.resize(data + 8 * static_cast<std::size_t>(images), '\x7F');
    return bytes;
}

std::string TinyProgram(const TinyProgramGroups& groups, bool wide) {
    std::string bytes(kResourceOffset, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, kNewHeader);
    bytes.replace(kNewHeader, 4, std::string("PE\0\0", 4));
    const std::size_t file = kNewHeader + 4;
    Put16(bytes, file, wide ? 0x8664 : 0x14C);
    Put16(bytes, file + 2, 1); // one section
    const std::uint32_t optionalSize = wide ? 240 : 224;
    Put16(bytes, file + 16, optionalSize);
    const std::size_t optional = file + 20;
    Put16(bytes, optional, wide ? 0x20B : 0x10B);
    const std::size_t directories = optional + (wide ? 112 : 96);
    Put32(bytes, directories - 4, 16);
    Put32(bytes, directories + 2 * 8, kSectionAddress);

    // The resource directory: one type, RT_GROUP_ICON (14), with the groups below it.
    std::string resources;
    Put16(resources, 14, 1);
    Put32(resources, 16, 14);
    Put32(resources, 20, kSubdirectory | 24);
    Put16(resources, 24 + 12, static_cast<std::uint32_t>(groups.named));
    Put16(resources, 24 + 14, static_cast<std::uint32_t>(groups.ids.size()));
    std::size_t entry = 24 + 16;
    for (int index = 0; index < groups.named; ++index, entry += 8) {
        Put32(resources, entry, kSubdirectory); // a name the check does not read
        Put32(resources, entry + 4, kSubdirectory);
    }
    for (const std::uint32_t id : groups.ids) {
        Put32(resources, entry, id);
        Put32(resources, entry + 4, kSubdirectory);
        entry += 8;
    }
    resources.resize(entry, '\0');
    Put32(bytes, directories + 2 * 8 + 4, static_cast<std::uint32_t>(resources.size()));

    const std::size_t sectionHeader = optional + optionalSize;
    bytes.replace(sectionHeader, 5, ".rsrc");
    Put32(bytes, sectionHeader + 8, static_cast<std::uint32_t>(resources.size()));
    Put32(bytes, sectionHeader + 12, kSectionAddress);
    Put32(bytes, sectionHeader + 16, static_cast<std::uint32_t>(resources.size()));
    Put32(bytes, sectionHeader + 20, kResourceOffset);
    return bytes + resources;
}

std::string TinySixteenBitProgram() {
    std::string bytes(kNewHeader + 64, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    Put32(bytes, 0x3C, kNewHeader);
    bytes[kNewHeader] = 'N';
    bytes[kNewHeader + 1] = 'E';
    return bytes;
}

std::string SignedTinyProgram(const TinyProgramGroups& groups, bool wide) {
    std::string bytes = TinyProgram(groups, wide);
    bytes.resize((bytes.size() + 7) / 8 * 8, '\0');
    const std::size_t checkSum = kNewHeader + 4 + 20 + 64;
    const std::size_t entry = kNewHeader + 4 + 20 + (wide ? 112 : 96) + 4 * 8;
    cd_check::Sha256 hash;
    hash.Add(bytes.data(), checkSum);
    hash.Add(bytes.data() + checkSum + 4, entry - checkSum - 4);
    hash.Add(bytes.data() + entry + 8, bytes.size() - entry - 8);
    const cd_check::Sha256::Digest digest = hash.Finish();
    std::string table(8, '\0');
    table += SignatureOf(std::string(digest.begin(), digest.end()));
    table.resize((table.size() + 7) / 8 * 8, '\0');
    Put32(table, 0, static_cast<std::uint32_t>(table.size()));
    Put16(table, 4, 0x0200);
    Put16(table, 6, 0x0002);
    Put32(bytes, entry, static_cast<std::uint32_t>(bytes.size()));
    Put32(bytes, entry + 4, static_cast<std::uint32_t>(table.size()));
    return bytes + table;
}
