// The line file: line ends, lines that span buffer loads, over-long lines, and a writing
// pass that only replaces the file when it is committed.
#include "file_io.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadAllLines(const std::string& path) {
    FileIO file(path.c_str(), FileIO::kRead);
    std::vector<std::string> lines;
    while (!file.AtEnd()) {
        const std::string line = file.ReadLine();
        if (!file.AtEnd())
            lines.push_back(line);
    }
    EXPECT_STREQ("", file.ReadLine());
    return lines;
}

struct LineCase {
    const char* why;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.why;
}

class ReadLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReadLine, GivesEachLineWithoutItsLineEnd) {
    TempDir dir;
    WriteBytes(dir.PathOf("f.inf"), GetParam().bytes);
    EXPECT_EQ(GetParam().lines, ReadAllLines(dir.PathOf("f.inf"))) << GetParam().why;
}

const std::string k2034(2034, 'x');
const std::string k2035(2035, 'x');
const std::string k2036(2036, 'x');
const std::string k2047(2047, 'y');

// The first load holds 2048 bytes; "head" and its line end take 10 of them.
INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLine,
    ::testing::Values(
        LineCase{"CR LF lines", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"last line without line end", "a\r\nlast", {"a", "last"}},
        LineCase{"empty file", "", {}},
        LineCase{"LF alone keeps the last byte", "ab\ncd\n", {"ab", "cd"}},
        LineCase{"mixed line ends", "a\r\nb\nc", {"a", "b", "c"}},
        LineCase{"LF alone at the start", "\n\nx", {"", "", "x"}},
        LineCase{"CR alone ends a line", "a\rb\r\rc", {"a", "b", "", "c"}},
        LineCase{"CR CR LF is two line ends", "x\r\r\n", {"x", ""}},
        LineCase{"CR alone last of the first load", k2047 + "\rz", {k2047, "z"}},
        LineCase{"CR LF split by the end of the first load", k2047 + "\r\nz", {k2047, "z"}},
        LineCase{"CR and LF both in the next load",
                 "headxxxx\r\n" + k2036 + "\r\nend",
                 {"headxxxx", k2036, "end"}},
        LineCase{"CR last of the load, LF first of the next",
                 "headxxxx\r\n" + k2035 + "\r\nend",
                 {"headxxxx", k2035, "end"}},
        LineCase{"CR LF at the end of the load",
                 "headxxxx\r\n" + k2034 + "\r\nend",
                 {"headxxxx", k2034, "end"}},
        LineCase{"LF alone first of the next load",
                 "headxxxx\r\n" + k2036 + "\nend",
                 {"headxxxx", k2036, "end"}}));

class OverLongLine : public ::testing::TestWithParam<int> {};

// A line of any length comes back whole, however it lies across the buffer loads, and the
// lines around it are untouched.
TEST_P(OverLongLine, ComesBackWhole) {
    std::string longLine;
    for (int i = 0; i < GetParam(); ++i)
        longLine += static_cast<char>('a' + i % 26);
    TempDir dir;
    WriteBytes(dir.PathOf("f"), "head\r\n" + longLine + "\r\nend\r\n" + longLine);
    const std::vector<std::string> expected{"head", longLine, "end", longLine};
    EXPECT_EQ(expected, ReadAllLines(dir.PathOf("f")));
}

INSTANTIATE_TEST_SUITE_P(Lengths, OverLongLine,
                         ::testing::Values(2046, 2047, 2048, 2049, 4096, 5000, 100000));

// UTF-16: lines end at the character LF only, never at a byte 0x0A inside another character.
TEST(ReadLineOfUtf16, SplitsAtLineFeedCharactersOnly) {
    TempDir dir;
    const std::string tail(3000, 'y');
    std::string bytes("\xFF\xFE"
                      "a\0\x0D\x0A\x0A\x0D\r\0\n\0",
                      12);
    for (char c : tail)
        bytes += std::string{c, '\0'};
    WriteBytes(dir.PathOf("f"), bytes);
    FileIO file(dir.PathOf("f").c_str(), FileIO::kRead);
    const char* first = file.ReadLine();
    EXPECT_EQ(TextEncoding::kUtf16, file.Encoding());
    EXPECT_EQ(std::string("a\0\x0D\x0A\x0A\x0D", 6), std::string(first, file.LineLength()));
    const char* second = file.ReadLine();
    EXPECT_EQ(bytes.substr(12), std::string(second, file.LineLength()));
}

TEST(ReadLineOfMissingFile, IsNotOpenAndAtEnd) {
    TempDir dir;
    FileIO file(dir.PathOf("missing").c_str(), FileIO::kRead);
    EXPECT_EQ(0, file.IsOpen());
    EXPECT_TRUE(file.AtEnd());
    EXPECT_STREQ("", file.ReadLine());
}

class WritePass : public ::testing::TestWithParam<std::vector<std::string>> {};

// Pieces that fill the buffer exactly, overflow it, or bypass it still land in order.
TEST_P(WritePass, CommitLeavesThePiecesInTheOrderWritten) {
    TempDir dir;
    const std::string path = dir.PathOf("out");
    WriteBytes(path, "old content");
    std::string expected;
    {
        FileIO file(path.c_str(), FileIO::kCreateWrite);
        for (const std::string& piece : GetParam()) {
            file.Write(piece.c_str());
            expected += piece;
        }
        EXPECT_EQ("old content", ReadBytes(path));
        EXPECT_TRUE(file.Commit());
    }
    EXPECT_EQ(expected, ReadBytes(path));
    EXPECT_EQ(1, dir.CountEntries());
}

INSTANTIATE_TEST_SUITE_P(Pieces, WritePass,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"Open", "=", "x", "\r\n"},
                                           std::vector<std::string>{std::string(2047, 'a'), "b"},
                                           std::vector<std::string>{std::string(10, 'a'),
                                                                    std::string(3000, 'b'), "c"},
                                           std::vector<std::string>{std::string(3000, 'b')}),
                         [](const ::testing::TestParamInfo<std::vector<std::string>>& param) {
                             return "pieces" + std::to_string(param.index);
                         });

TEST(WritePassNotCommitted, LeavesTheFileAndNoTemporaryFile) {
    TempDir dir;
    const std::string path = dir.PathOf("out");
    WriteBytes(path, "old content");
    {
        FileIO file(path.c_str(), FileIO::kCreateWrite);
        file.Write(std::string(5000, 'n').c_str()).Write("more");
    }
    EXPECT_EQ("old content", ReadBytes(path));
    EXPECT_EQ(1, dir.CountEntries());
}

TEST(WritePassInMissingDirectory, FailsToCommit) {
    TempDir dir;
    FileIO file(dir.PathOf("no/such/dir").c_str(), FileIO::kCreateWrite);
    EXPECT_EQ(0, file.IsOpen());
    file.Write("x");
    EXPECT_FALSE(file.Commit());
}

} // namespace
