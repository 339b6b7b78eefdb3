// SHA-1 and SHA-256 against the examples of FIPS 180-4: messages that end inside a block, fill
// it exactly to its length field, and span many blocks fed in uneven pieces.
#include "sha1.h"
#include "sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ShaCase {
    const char* name;
    std::string message;
    const char* sha1;
    const char* sha256;
};

void PrintTo(const ShaCase& c, std::ostream* out) {
    *out << c.name;
}

template <typename Digest> std::string Hex(const Digest& digest) {
    static const char kHex[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : digest) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 0xF];
    }
    return hex;
}

// The message in pieces of 1, 2, 3, ... bytes, so that pieces straddle the blocks.
template <typename Hash> std::string HexOf(const std::string& message) {
    Hash hash;
    std::size_t offset = 0;
    for (std::size_t piece = 1; offset < message.size(); ++piece) {
        const std::size_t count = std::min(piece, message.size() - offset);
        hash.Add(message.data() + offset, count);
        offset += count;
    }
    return Hex(hash.Finish());
}

class Sha : public testing::TestWithParam<ShaCase> {};

TEST_P(Sha, GivesTheStandardsDigests) {
    EXPECT_EQ(GetParam().sha1, HexOf<cd_check::Sha1>(GetParam().message));
    EXPECT_EQ(GetParam().sha256, HexOf<cd_check::Sha256>(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Fips180, Sha,
    testing::Values(ShaCase{"Empty", "", "da39a3ee5e6b4b0d3255bfef95601890afd80709",
                            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
                    ShaCase{"Abc", "abc", "a9993e364706816aba3e25717850c26c9cd0d89d",
                            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
                    ShaCase{"FourHundredFortyEightBits",
                            "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                            "84983e441c3bd26ebaae4aa1f95129e5e54670f1",
                            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
                    ShaCase{"OneMillionA", std::string(1000000, 'a'),
                            "34aa973cd4c4daa4f61eeb2bdbad27316534016f",
                            "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}),
    [](const testing::TestParamInfo<ShaCase>& param) { return std::string(param.param.name); });

} // namespace
