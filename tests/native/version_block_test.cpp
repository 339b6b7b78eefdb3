// The About box states the version that the version resource holds: the block is read as
// windres and Windows lay it out, and anything else gives no version rather than a wrong one.
#include "version_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void PutWord(std::vector<unsigned char>& bytes, unsigned value) {
    bytes.push_back(static_cast<unsigned char>(value & 0xFF));
    bytes.push_back(static_cast<unsigned char>(value >> 8));
}

// A version block as the resource compiler writes it: header, key, padding, the fixed part
// with file version a.b.c.d, and a child block behind it.
std::vector<unsigned char> VersionBlock(unsigned a, unsigned b, unsigned c, unsigned d,
                                        const std::string& key = "VS_VERSION_INFO",
                                        unsigned signatureLow = 0x04BD) {
    std::vector<unsigned char> bytes;
    PutWord(bytes, 0); // length, filled in below
    PutWord(bytes, 52);
    PutWord(bytes, 0);
    for (char letter : key)
        PutWord(bytes, static_cast<unsigned char>(letter));
    PutWord(bytes, 0);
    while (bytes.size() % 4 != 0)
        bytes.push_back(0);
    for (unsigned word : {signatureLow, 0xFEEFu, 0u, 1u, b, a, d, c, b, a, d, c})
        PutWord(bytes, word);
    bytes.resize(bytes.size() + 52 - 24, 0);
    bytes.resize(bytes.size() + 40, 0x55); // "StringFileInfo" and the rest
    bytes[0] = static_cast<unsigned char>(bytes.size() & 0xFF);
    bytes[1] = static_cast<unsigned char>(bytes.size() >> 8);
    return bytes;
}

TEST(VersionBlock, ReadsTheFileVersionOfTheFixedPart) {
    const std::vector<unsigned char> block = VersionBlock(1, 2, 300, 65535);
    const auto version = version_block::FileVersionOf(block.data(), block.size());
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version_block::FormatVersion(*version), "1.2.300.65535");
}

TEST(VersionBlock, GivesNoVersionForWhatIsNoVersionBlock) {
    const std::vector<unsigned char> good = VersionBlock(1, 0, 0, 0);
    const std::vector<unsigned char> otherKey = VersionBlock(1, 0, 0, 0, "VS_VERSION_INFX");
    const std::vector<unsigned char> noSignature = VersionBlock(1, 0, 0, 0, "VS_VERSION_INFO", 0);
    EXPECT_FALSE(version_block::FileVersionOf(otherKey.data(), otherKey.size()));
    EXPECT_FALSE(version_block::FileVersionOf(noSignature.data(), noSignature.size()));
    // Cut inside the fixed part, or shorter than its own length says.
    EXPECT_FALSE(version_block::FileVersionOf(good.data(), 40 + 51));
    EXPECT_FALSE(version_block::FileVersionOf(good.data(), good.size() - 1));
    EXPECT_FALSE(version_block::FileVersionOf(nullptr, 0));
}

} // namespace
