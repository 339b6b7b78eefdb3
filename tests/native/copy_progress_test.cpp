// What the window of a long copy shows and when it comes, and how the copy tells a compressed
// source from any other.
#include "copy_progress_view.h"
#include "szdd_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

using copy_progress::kBarRange;

struct WindowCase {
    const char* name;
    unsigned elapsedMs;
    std::uint64_t done;
    std::uint64_t total;
    bool shows;
};

void PrintTo(const WindowCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgressWindow : public testing::TestWithParam<WindowCase> {};

TEST_P(ProgressWindow, ComesOnlyForACopyThatStillTakesTime) {
    const WindowCase& c = GetParam();
    EXPECT_EQ(copy_progress::ShowWindowNow(c.elapsedMs, c.done, c.total), c.shows);
}

constexpr std::uint64_t kGigabyte = std::uint64_t{1} << 30;

INSTANTIATE_TEST_SUITE_P(
    Moments, ProgressWindow,
    testing::Values(WindowCase{"NotWithinTheQuietTime", 499, 1, 16 * kGigabyte, false},
                    WindowCase{"AfterTheQuietTimeWithMuchLeft", 500, kGigabyte, 16 * kGigabyte,
                               true},
                    // 0.5 s for 9/10: the last tenth takes about 56 ms.
                    WindowCase{"NotWhenNearlyDone", 500, 900, 1000, false},
                    // 0.5 s for 6/10: the rest takes about 333 ms.
                    WindowCase{"WhenTheRestStillTakesTime", 500, 600, 1000, true},
                    WindowCase{"NotWhenEverythingIsWritten", 600, 1000, 1000, false},
                    WindowCase{"AtTheLatestAfterASecond", 1000, 999, 1000, true},
                    WindowCase{"WhenNothingIsWrittenYet", 500, 0, 1000, true},
                    WindowCase{"WhenTheSizeIsUnknown", 500, 1000, 0, true}),
    [](const testing::TestParamInfo<WindowCase>& moment) {
        return std::string(moment.param.name);
    });

TEST(ProgressBar, FollowsTheBytesWithinItsRange) {
    EXPECT_EQ(copy_progress::BarPosition(0, 0), 0);
    EXPECT_EQ(copy_progress::BarPosition(5, 0), 0);
    EXPECT_EQ(copy_progress::BarPosition(0, 1000), 0);
    EXPECT_EQ(copy_progress::BarPosition(250, 1000), kBarRange / 4);
    EXPECT_EQ(copy_progress::BarPosition(999, 1000), kBarRange - 1);
    EXPECT_EQ(copy_progress::BarPosition(1000, 1000), kBarRange);
    // A file that grew while it was copied.
    EXPECT_EQ(copy_progress::BarPosition(1200, 1000), kBarRange);
    // Sizes beyond 64 bits of done times the range.
    EXPECT_EQ(copy_progress::BarPosition(UINT64_MAX / 2, UINT64_MAX), kBarRange / 2);
}

TEST(ProgressBytes, AreGroupedAsGermanWritesThem) {
    EXPECT_EQ(copy_progress::BytesText("%1 von %2 Bytes", 1048576, 17179869184u),
              "1.048.576 von 17.179.869.184 Bytes");
    // The order is the text's; a '%' before anything else stays.
    EXPECT_EQ(copy_progress::BytesText("%2: %1 (100%)", 5, 7000), "7.000: 5 (100%)");
}

// ---- The header of a compressed source

std::vector<unsigned char> Header(std::initializer_list<unsigned char> bytes) {
    return std::vector<unsigned char>(bytes);
}

TEST(SzddHeader, IsKnownByItsWholeMagicAndGivesTheExpandedSize) {
    const auto compressed = Header(
        {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', 't', 0x10, 0x32, 0x54, 0x76, 0xFF});
    EXPECT_EQ(filehelp::SzddExpandedSize(compressed.data(), compressed.size()), 0x76543210u);
    // Cut inside the size: compressed, of no known size.
    EXPECT_EQ(filehelp::SzddExpandedSize(compressed.data(), 12), 0u);

    // Any byte of the magic changed, or the magic cut short: a plain file.
    for (std::size_t i = 0; i < 8; ++i) {
        auto plain = compressed;
        plain[i] ^= 0x20;
        EXPECT_EQ(filehelp::SzddExpandedSize(plain.data(), plain.size()), std::nullopt) << i;
    }
    EXPECT_EQ(filehelp::SzddExpandedSize(compressed.data(), 7), std::nullopt);
    EXPECT_EQ(filehelp::SzddExpandedSize(compressed.data(), 0), std::nullopt);
}

} // namespace
