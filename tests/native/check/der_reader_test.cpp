// The DER reader on the boundaries of its lengths: every one held to the bytes around it.
#include "der_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DerCase {
    const char* name;
    std::string bytes;
    // The content read as a SEQUENCE, or nullptr when none may be.
    const char* content;
};

void PrintTo(const DerCase& c, std::ostream* out) {
    *out << c.name;
}

class DerReader : public testing::TestWithParam<DerCase> {};

TEST_P(DerReader, ReadsOnlyWhatLiesInside) {
    std::string_view rest = GetParam().bytes;
    std::string_view content;
    const bool read = cd_check::ReadDerContent(rest, cd_check::der_tag::kSequence, content);
    if (GetParam().content == nullptr) {
        EXPECT_FALSE(read);
        EXPECT_EQ(GetParam().bytes, rest);
    } else {
        ASSERT_TRUE(read);
        EXPECT_EQ(GetParam().content, std::string(content));
        EXPECT_EQ("tail", std::string(rest));
    }
}

using std::string_literals::operator""s;

INSTANTIATE_TEST_SUITE_P(Lengths, DerReader,
                         testing::Values(DerCase{"Short",
                                                 "\x30\x02"
                                                 "ab"
                                                 "tail"s,
                                                 "ab"},
                                         DerCase{"Empty",
                                                 "\x30\x00"
                                                 "tail"s,
                                                 ""},
                                         DerCase{"LongForm",
                                                 "\x30\x82\x00\x03"
                                                 "abc"
                                                 "tail"s,
                                                 "abc"},
                                         DerCase{"PastItsEnd",
                                                 "\x30\x09"
                                                 "abc"s,
                                                 nullptr},
                                         DerCase{"LongFormPastItsEnd",
                                                 "\x30\x84\xFF\xFF\xFF\xF0"
                                                 "abc"s,
                                                 nullptr},
                                         DerCase{"LengthCutOff", "\x30\x82\x01"s, nullptr},
                                         DerCase{"IndefiniteLength",
                                                 "\x30\x80"
                                                 "ab\x00\x00"s,
                                                 nullptr},
                                         DerCase{"FiveBytesOfLength",
                                                 "\x30\x85\x00\x00\x00\x00\x02"
                                                 "ab"s,
                                                 nullptr},
                                         DerCase{"AnotherTag",
                                                 "\x31\x02"
                                                 "ab"s,
                                                 nullptr},
                                         DerCase{"OnlyATag", "\x30"s, nullptr}),
                         [](const testing::TestParamInfo<DerCase>& param) {
                             return std::string(param.param.name);
                         });

} // namespace
