// The icons a file offers, read from its bytes: icon files, programs of 32 and 64 bits, and
// files damaged in every place the reader looks.
#include "icon_container.h"

#include "tiny_images.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cd_check::ByteSource;
using cd_check::FindIcon;
using cd_check::IconContainer;
using cd_check::IconLookup;
using cd_check::ReadIconContainer;

IconLookup Lookup(const std::string& bytes, int number) {
    ByteSource source(bytes);
    return FindIcon(ReadIconContainer(source), number);
}

struct LookupCase {
    const char* name;
    std::string bytes;
    int number;
    IconLookup expected;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << c.name;
}

class IconNumbers : public testing::TestWithParam<LookupCase> {};

TEST_P(IconNumbers, AreFoundAsTheShellFindsThem) {
    EXPECT_EQ(GetParam().expected, Lookup(GetParam().bytes, GetParam().number));
}

const TinyProgramGroups kThreeGroups{1, {101, 7}};

INSTANTIATE_TEST_SUITE_P(
    Files, IconNumbers,
    testing::Values(
        LookupCase{"IconFileHasIconZero", TinyIconFile(3), 0, IconLookup::kFound},
        // the sizes inside an icon file are one icon
        LookupCase{"IconFileHasNoIconOne", TinyIconFile(3), 1, IconLookup::kNumberMissing},
        // an icon file has no resource ids: any of them gives its one icon, -1 none
        LookupCase{"IconFileGivesItsIconForAnyId", TinyIconFile(), -7, IconLookup::kFound},
        LookupCase{"IconFileHasNoIconMinusOne", TinyIconFile(), -1, IconLookup::kNumberMissing},
        LookupCase{"ProgramCountsNamedAndNumberedGroups", TinyProgram(kThreeGroups), 2,
                   IconLookup::kFound},
        LookupCase{"ProgramHasNoGroupBeyond", TinyProgram(kThreeGroups), 3,
                   IconLookup::kNumberMissing},
        LookupCase{"NegativeNumberIsAResourceId", TinyProgram(kThreeGroups), -101,
                   IconLookup::kFound},
        LookupCase{"NegativeNumberOfNoGroup", TinyProgram(kThreeGroups), -102,
                   IconLookup::kNumberMissing},
        // -1 asks for the count, never for an icon
        LookupCase{"MinusOneIsNoIcon", TinyProgram({0, {1}}), -1, IconLookup::kNumberMissing},
        LookupCase{"SmallestIntIsNoIdOfA32BitTable", TinyProgram(kThreeGroups), INT32_MIN,
                   IconLookup::kNumberMissing},
        LookupCase{"WideProgram", TinyProgram(kThreeGroups, true), 2, IconLookup::kFound},
        LookupCase{"ProgramWithoutGroups", TinyProgram({}), 0, IconLookup::kNoIcons},
        LookupCase{"SixteenBitProgramIsNotRead", TinySixteenBitProgram(), 0,
                   IconLookup::kNotChecked},
        LookupCase{"BitmapIsShownAsItIs", "BM" + std::string(60, '\0'), 0, IconLookup::kFound},
        LookupCase{"TextHasNoIcons", "[AutoRun]\r\n", 0, IconLookup::kNoIcons},
        LookupCase{"EmptyFileHasNoIcons", "", 0, IconLookup::kNoIcons},
        LookupCase{"CursorIsNoIcon", std::string("\0\0\2\0\1\0", 6) + TinyIconFile().substr(6), 0,
                   IconLookup::kNoIcons}));

// Cut off anywhere, a file has fewer icons or none, and the reader never looks past its end
// (AddressSanitizer watches the copies in memory).
TEST(DamagedFiles, CutOffAnywhereGiveNoIconBeyondThemselves) {
    for (const std::string& whole :
         {TinyIconFile(2), TinyProgram(kThreeGroups), TinyProgram(kThreeGroups, true)}) {
        for (std::size_t length = 0; length < whole.size(); ++length) {
            ByteSource source(whole.substr(0, length));
            const IconContainer container = ReadIconContainer(source);
            EXPECT_LE(container.count, 3u) << length;
        }
        ByteSource source(whole.substr(0, whole.size() - 1));
        EXPECT_EQ(IconContainer::Kind::kNone, ReadIconContainer(source).kind);
    }
}

// Offsets and counts that point anywhere, one 32-bit field at a time.
TEST(DamagedFiles, FieldsPointingAnywhereAreRefused) {
    const std::string whole = TinyProgram(kThreeGroups);
    for (std::size_t at = 0; at + 4 <= whole.size(); at += 2) {
        for (const char* value : {"\xFF\xFF\xFF\xFF", "\xFF\xFF\xFF\x7F", "\0\0\0\0"}) {
            std::string damaged = whole;
            damaged.replace(at, 4, value, 4);
            ByteSource source(damaged);
            const IconContainer container = ReadIconContainer(source);
            EXPECT_LE(container.groupIds.size(), container.count) << at;
        }
    }
}

} // namespace
