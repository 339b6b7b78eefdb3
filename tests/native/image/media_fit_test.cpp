// Which medium an image fits: each medium's last sector and the one beyond it, and the line
// quillot-image ends a run with.
#include "image_command.h"
#include "image_trees.h"
#include "media_fit.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using iso_image::Medium;

TEST(MediaFit, TheSmallestMediumThatHoldsEverySector) {
    const struct {
        std::uint64_t sectors;
        Medium medium;
    } cases[] = {
        {0, Medium::kCd650},       {333000, Medium::kCd650},
        {333001, Medium::kCd700},  {360000, Medium::kCd700},
        {360001, Medium::kDvd47},  {2295104, Medium::kDvd47},
        {2295105, Medium::kDvd85}, {4173824, Medium::kDvd85},
        {4173825, Medium::kBd25},  {12219392, Medium::kBd25},
        {12219393, Medium::kNone}, {std::uint64_t{1} << 32, Medium::kNone},
    };
    for (const auto& row : cases)
        EXPECT_EQ(iso_image::SmallestMediumFor(row.sectors), row.medium) << row.sectors;
}

TEST(MediaFit, APartOfASectorTakesAWholeOne) {
    EXPECT_EQ(iso_image::SectorsOf(0), 0u);
    EXPECT_EQ(iso_image::SectorsOf(2048), 1u);
    EXPECT_EQ(iso_image::SectorsOf(2049), 2u);
    // Exactly what a CD of 650 MB holds.
    EXPECT_EQ(iso_image::SectorsOf(681984000), 333000u);
}

TEST(MediaFit, TheLineNamesTheMediumOrTheLargestWhenNoneHoldsIt) {
    EXPECT_EQ(iso_image::MediumLine(2295105),
              "Das Abbild belegt 2.295.105 Sektoren zu 2.048 Bytes und passt auf eine DVD mit "
              "8,5 GB (4.173.824 Sektoren).");
    EXPECT_EQ(iso_image::MediumLine(12219393),
              "Das Abbild belegt 12.219.393 Sektoren zu 2.048 Bytes und passt nicht einmal auf "
              "eine BD mit 25 GB (12.219.392 Sektoren).");
}

// With the UDF side and without it: the sectors of the image written either way.
TEST(MediaFit, QuillotImageEndsWithTheMediumOfTheImageItWrote) {
    TempDir temp;
    const std::string cd = temp.PathOf("cd");
    MakeTree(cd, {{"setup.exe", std::string(100000, 'x')}});
    const std::string iso = temp.PathOf("cd.iso");
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, std::vector<std::string>{"--no-udf"}}) {
        std::vector<std::string> arguments = options;
        arguments.push_back(cd);
        arguments.push_back(iso);
        const iso_image::CommandResult result = iso_image::RunImageCommand(arguments, false);
        ASSERT_EQ(result.exitCode, 0) << result.error;
        struct stat written {};
        ASSERT_EQ(stat(iso.c_str(), &written), 0);
        const std::string line = "\nDas Abbild belegt " + std::to_string(written.st_size / 2048) +
                                 " Sektoren zu 2.048 Bytes und passt auf eine CD mit 650 MB "
                                 "(333.000 Sektoren).\n";
        const std::size_t size = result.output.size();
        EXPECT_EQ(result.output.substr(size - std::min(size, line.size())), line) << result.output;
    }
}

} // namespace
