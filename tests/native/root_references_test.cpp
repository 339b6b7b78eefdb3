// Field texts as references to files on the CD: full path and back, with "." and ".." resolved
// so that a path climbing out of the root never passes for a file on the CD.
#include "root_references.h"

#include "path_case_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

using root_references::AbsoluteReference;
using root_references::PathInRoot;
using root_references::RelativeFile;
using root_references::RelativeReference;

const std::string kRoot = "C:\\CD\\Disk1\\";

struct AbsoluteCase {
    std::string text;
    std::string full;
};

void PrintTo(const AbsoluteCase& c, std::ostream* out) {
    *out << PathCaseName(c.text);
}

class Absolute : public testing::TestWithParam<AbsoluteCase> {};

TEST_P(Absolute, IsBelowTheRootUnlessTheTextHoldsAColon) {
    EXPECT_EQ(AbsoluteReference(kRoot, GetParam().text), GetParam().full);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Absolute,
    testing::Values(AbsoluteCase{"setup.exe", kRoot + "setup.exe"},
                    AbsoluteCase{"bin\\setup.exe /s", kRoot + "bin\\setup.exe /s"},
                    AbsoluteCase{"", kRoot}, AbsoluteCase{"D:\\tools\\x.exe", "D:\\tools\\x.exe"},
                    // a colon in the arguments alone makes the whole line a full path
                    AbsoluteCase{"setup.exe /log:a.txt", "setup.exe /log:a.txt"}));

struct RelativeCase {
    std::string path;
    std::optional<std::string> relative;
};

void PrintTo(const RelativeCase& c, std::ostream* out) {
    *out << PathCaseName(c.path);
}

class Relative : public testing::TestWithParam<RelativeCase> {};

TEST_P(Relative, IsTheRestBehindTheResolvedRoot) {
    EXPECT_EQ(RelativeReference(kRoot, GetParam().path), GetParam().relative);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Relative,
    testing::Values(RelativeCase{kRoot + "setup.exe", "setup.exe"},
                    RelativeCase{kRoot + "bin\\tool.exe", "bin\\tool.exe"}, RelativeCase{kRoot, ""},
                    RelativeCase{kRoot + "setup.exe /s", "setup.exe /s"},
                    // arguments are kept as they stand, separators and dots included
                    RelativeCase{kRoot + "setup.exe /dir:..\\x /a/b", "setup.exe /dir:..\\x /a/b"},
                    // letter case must match the root exactly
                    RelativeCase{"c:\\cd\\disk1\\setup.exe", std::nullopt},
                    RelativeCase{"C:\\CD\\Disk1setup.exe", std::nullopt},
                    RelativeCase{"D:\\setup.exe", std::nullopt}, RelativeCase{"", std::nullopt},
                    // climbing out of the root through ".." is outside, however the text begins
                    RelativeCase{kRoot + "..\\x.exe", std::nullopt},
                    RelativeCase{kRoot + "..\\tools\\x.exe /s", std::nullopt},
                    RelativeCase{kRoot + "bin\\..\\..\\x.exe", std::nullopt},
                    RelativeCase{kRoot + "..\\Disk2\\x.exe", std::nullopt},
                    // and coming back in is inside, under the resolved name
                    RelativeCase{kRoot + "bin\\..\\setup.exe", "setup.exe"},
                    RelativeCase{kRoot + ".\\setup.exe", "setup.exe"},
                    RelativeCase{kRoot + "..\\Disk1\\setup.exe /s", "setup.exe /s"},
                    RelativeCase{"C:\\Other\\..\\CD\\Disk1\\setup.exe", "setup.exe"},
                    RelativeCase{kRoot + "bin\\..", ""},
                    // a blank in the file part ends it, as it does for the existence test
                    RelativeCase{kRoot + "my dir\\..\\..\\x.exe", "my dir\\..\\..\\x.exe"}));

TEST(RelativeToADriveRoot, KeepsEverythingBehindTheDrive) {
    EXPECT_EQ(RelativeReference("E:\\", "E:\\setup.exe"), "setup.exe");
    EXPECT_EQ(RelativeReference("E:\\", "E:\\..\\setup.exe"), "setup.exe");
    EXPECT_EQ(RelativeReference("E:\\", "E:\\"), "");
    EXPECT_EQ(RelativeReference("E:\\", "F:\\setup.exe"), std::nullopt);
}

// "E:" without a separator is the current directory of drive E, wherever that is: never the
// drive's root, also when its components resolve to nothing.
TEST(RelativeToADriveRoot, ADriveWithoutSeparatorIsOutside) {
    EXPECT_EQ(RelativeReference("E:\\", "E:"), std::nullopt);
    EXPECT_EQ(RelativeReference("E:\\", "E:x\\.."), std::nullopt);
    EXPECT_EQ(RelativeReference("E:\\", "E:c\\..\\a..\\.."), std::nullopt);
    EXPECT_EQ(RelativeReference("E:\\", "E:setup.exe"), std::nullopt);
}

// A file's path alone: blanks belong to it, and its dots are resolved wherever they stand.
TEST(RelativeFile, ResolvesThePathBlanksAndAll) {
    EXPECT_EQ(RelativeFile(kRoot, kRoot + "my dir\\..\\x.exe"), "x.exe");
    EXPECT_EQ(RelativeFile(kRoot, kRoot + "my dir\\..\\..\\x.exe"), std::nullopt);
    EXPECT_EQ(RelativeFile(kRoot, kRoot + "Neue Version\\setup.exe"), "Neue Version\\setup.exe");
    EXPECT_EQ(RelativeFile(kRoot, "D:\\setup.exe"), std::nullopt);
    // The current drive's root is no network root, though one more separator makes it look so.
    EXPECT_EQ(RelativeFile("\\\\", "\\x\\.."), std::nullopt);
    EXPECT_EQ(RelativeFile("\\\\srv\\cd\\", "\\\\srv\\cd"), "");
}

TEST(PathInRoot, RefusesWhatAPathBufferCannotHold) {
    const std::string name(259 - kRoot.size(), 'n');
    EXPECT_EQ(PathInRoot(kRoot, name), kRoot + name);
    EXPECT_EQ(PathInRoot(kRoot, name + "x"), std::nullopt);
}

} // namespace
