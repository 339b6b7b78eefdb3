#include "number_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

TEST(FieldNumber, IsReadAsAtoiReadsIt) {
    const struct {
        const char* text;
        int number;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {"  3", 3},
        {"\t 5", 5},
        {"+7", 7},
        {"-3", -3},
        {"007", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {" - 4", 0},
        {"1 2", 1},
        {",3", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseFieldNumber(c.text), c.number) << '"' << c.text << '"';
}

TEST(FieldNumber, IsWrittenInPlainDecimal) {
    EXPECT_EQ(FormatFieldNumber(0), "0");
    EXPECT_EQ(FormatFieldNumber(42), "42");
    EXPECT_EQ(FormatFieldNumber(-1), "-1");
    EXPECT_EQ(FormatFieldNumber(ParseFieldNumber(" 0012")), "12");
}

TEST(GroupedNumber, GroupsThousandsAsGermanWritesThem) {
    EXPECT_EQ(GroupedNumber(0), "0");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1.000");
    EXPECT_EQ(GroupedNumber(104857600), "104.857.600");
    EXPECT_EQ(GroupedNumber(17179869184u), "17.179.869.184");
    EXPECT_EQ(GroupedNumber(UINT64_MAX), "18.446.744.073.709.551.615");
}

} // namespace
