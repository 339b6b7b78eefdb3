// The path strings of the editor: split, merged, cut at the buffer limits, never overrun (the
// sanitizers of the native build watch every case).
#include "path_workspace.h"

#include "path_case_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

using filehelp::AddBackslash;
using filehelp::kPathBufferSize;
using filehelp::PathWorkspace;

struct SplitCase {
    std::string path;
    std::string drive, directory, name, extension;
};

std::string Repeat(char c, std::size_t count) {
    return std::string(count, c);
}

std::vector<SplitCase> SplitCases() {
    return {
        {"C:\\CD\\AutoRun.INF", "C:", "\\CD\\", "AutoRun", ".INF"},
        {"C:/CD/bin/setup.exe", "C:", "/CD/bin/", "setup", ".exe"},
        {"C:\\CD/bin\\setup.exe", "C:", "\\CD/bin\\", "setup", ".exe"},
        {"   D:\\x.y.z", "D:", "\\", "x.y", ".z"},
        {"C:\\Data.1\\README", "C:", "\\Data.1\\", "README", ""},
        {"C:\\CD\\", "C:", "\\CD\\", "", ""},
        {"C:\\CD\\..", "C:", "\\CD\\..", "", ""},
        {"C:\\CD\\.", "C:", "\\CD\\.", "", ""},
        {"..", "", "..", "", ""},
        {"C:\\CD\\...", "C:", "\\CD\\", "..", "."},
        {"setup", "", "", "setup", ""},
        {".profile", "", "", "", ".profile"},
        {"C:", "C:", "", "", ""},
        {"C:setup.exe", "C:", "", "setup", ".exe"},
        {"ab:c.txt", "", "", "ab:c", ".txt"},
        {"", "", "", "", ""},
        // Only the first 260 characters count: the extension lies beyond them.
        {"C:\\x\\" + Repeat('n', 300) + ".txt", "C:", "\\x\\", Repeat('n', 255), ""},
        // Parts are cut to 255 characters.
        {"a." + Repeat('e', 300), "", "", "a", "." + Repeat('e', 254)},
        {"\\" + Repeat('d', 256) + "\\f", "", "\\" + Repeat('d', 254), "f", ""},
    };
}

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << PathCaseName(c.path);
}

class SplitPathTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPathTest, FillsTheParts) {
    const SplitCase& c = GetParam();
    PathWorkspace paths;
    paths.SplitPath(c.path.c_str());
    EXPECT_EQ(c.drive, paths.Drive());
    EXPECT_EQ(c.directory, paths.Directory());
    EXPECT_EQ(c.name, paths.Name());
    EXPECT_EQ(c.extension, paths.Extension());
}

INSTANTIATE_TEST_SUITE_P(Paths, SplitPathTest, ::testing::ValuesIn(SplitCases()));

// Splits and merges again; what comes out is the path the editor would use.
struct MergeCase {
    std::string path;
    std::string merged;
};

void PrintTo(const MergeCase& c, std::ostream* out) {
    *out << PathCaseName(c.path);
}

class MergePathTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergePathTest, RebuildsThePath) {
    PathWorkspace paths;
    paths.SplitPath(GetParam().path.c_str());
    EXPECT_EQ(GetParam().merged, paths.MergePath());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MergePathTest,
    ::testing::Values(MergeCase{"C:\\CD\\AutoRun.INF", "C:\\CD\\AutoRun.INF"},
                      MergeCase{"  C:/CD/a.b", "C:/CD/a.b"},
                      MergeCase{"C:\\CD\\..", "C:\\CD\\..\\"}, MergeCase{"x", "x"},
                      // A directory cut in the middle gets its separator back.
                      MergeCase{"\\" + Repeat('d', 256) + "\\f", "\\" + Repeat('d', 254) + "\\f"},
                      // 260 characters merge to 259: the result must fit a path buffer.
                      MergeCase{"C:\\" + Repeat('d', 200) + "\\" + Repeat('n', 52) + ".txt",
                                "C:\\" + Repeat('d', 200) + "\\" + Repeat('n', 52) + ".tx"}));

struct TextCase {
    std::string path;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << PathCaseName(c.path);
}

class DirectoryOfTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DirectoryOfTest, GivesTheDirectory) {
    PathWorkspace paths;
    EXPECT_EQ(GetParam().expected, paths.DirectoryOf(GetParam().path.c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DirectoryOfTest,
    ::testing::Values(TextCase{"C:\\CD\\AutoRun.INF", "C:\\CD\\"}, TextCase{"C:\\CD", "C:\\CD"},
                      TextCase{"  C:\\CD", "  C:\\CD"},
                      TextCase{"C:\\Data.1\\README", "C:\\Data.1\\"},
                      TextCase{"C:/CD/AutoRun.INF", "C:/CD/"}, TextCase{"AutoRun.INF", ""},
                      TextCase{"C:AutoRun.INF", "C:"}, TextCase{"  C:\\CD\\a.b", "C:\\CD\\"},
                      TextCase{"C:\\CD\\..", "C:\\CD\\..\\"}, TextCase{"..", "..\\"},
                      TextCase{"", ""},
                      // Without a dot the path is copied, but only as much as a buffer holds.
                      TextCase{Repeat('d', 300), Repeat('d', 259)},
                      // Only the first 260 characters count: the separator after the
                      // directory lies beyond them.
                      TextCase{"C:\\" + Repeat('d', 300) + "\\x.y", "C:\\"}));

class FileNameOfTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FileNameOfTest, GivesNameAndExtension) {
    PathWorkspace paths;
    EXPECT_EQ(GetParam().expected, paths.FileNameOf(GetParam().path.c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileNameOfTest,
    ::testing::Values(TextCase{"C:\\CD\\BIN\\setup.exe", "setup.exe"},
                      TextCase{"C:/CD/setup.exe", "setup.exe"}, TextCase{"C:\\CD\\", ""},
                      TextCase{"C:\\CD\\..", ""}, TextCase{"C:\\CD\\.", ""},
                      TextCase{"  readme", "readme"}, TextCase{"C:\\Data.1\\README", "README"},
                      TextCase{"C:setup.exe", "setup.exe"},
                      // Name and extension of 255 characters each still give one path buffer.
                      TextCase{Repeat('n', 255) + "." + Repeat('e', 4), Repeat('n', 255) + ".eee"},
                      TextCase{"a." + Repeat('e', 300), "a." + Repeat('e', 254)}));

TEST(PathWorkspaceTest, EachResultOverwritesThePreviousOne) {
    PathWorkspace paths;
    const char* directory = paths.DirectoryOf("C:\\CD\\AutoRun.INF");
    const std::string copied = directory;
    const char* name = paths.FileNameOf("D:\\x\\setup.exe");
    EXPECT_EQ(directory, name);
    EXPECT_STREQ("setup.exe", directory);
    EXPECT_EQ("C:\\CD\\", copied);
}

TEST(PathWorkspaceTest, SplitReplacesEveryPartOfTheLastPath) {
    PathWorkspace paths;
    paths.SplitPath("C:\\CD\\AutoRun.INF");
    paths.SplitPath("readme");
    EXPECT_STREQ("", paths.Drive());
    EXPECT_STREQ("", paths.Directory());
    EXPECT_STREQ("", paths.Extension());
    EXPECT_STREQ("readme", paths.MergePath());
}

struct BackslashCase {
    std::string text;
    std::string expected;
};

void PrintTo(const BackslashCase& c, std::ostream* out) {
    *out << PathCaseName(c.text);
}

class AddBackslashTest : public ::testing::TestWithParam<BackslashCase> {};

TEST_P(AddBackslashTest, EndsThePathInABackslash) {
    char buffer[kPathBufferSize] = {};
    std::strcpy(buffer, GetParam().text.c_str());
    EXPECT_EQ(buffer, AddBackslash(buffer));
    EXPECT_EQ(GetParam().expected, buffer);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AddBackslashTest,
    ::testing::Values(BackslashCase{"D", "D:\\"}, BackslashCase{"C:\\CD\\", "C:\\CD\\"},
                      BackslashCase{"C:\\CD", "C:\\CD\\"}, BackslashCase{"", ""},
                      BackslashCase{Repeat('d', 258), Repeat('d', 258) + "\\"},
                      // No room for the backslash and the terminator: left as it is.
                      BackslashCase{Repeat('d', 259), Repeat('d', 259)}));

TEST(AddBackslashLimitTest, NeverWritesPastTheGivenCapacity) {
    char buffer[4] = {'D', '\0', '#', '#'};
    AddBackslash(buffer, 3);
    EXPECT_STREQ("D", buffer);
    EXPECT_EQ('#', buffer[2]);
    AddBackslash(buffer, 4);
    EXPECT_STREQ("D:\\", buffer);
}

TEST(AddBackslashLimitTest, LeavesABufferWithoutTerminatorAlone) {
    std::vector<char> buffer(kPathBufferSize, 'x');
    AddBackslash(buffer.data(), buffer.size());
    EXPECT_EQ(std::vector<char>(kPathBufferSize, 'x'), buffer);
}

} // namespace
