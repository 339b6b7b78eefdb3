// Paths compared by their text: the guard that keeps a copy from emptying its own source, and
// the normal form in which a reference climbing out of its directory shows.
#include "path_identity.h"

#include "path_case_names.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using filehelp::NameSameFile;
using filehelp::NormalizePath;

struct NormalCase {
    std::string path;
    std::string expected;
};

void PrintTo(const NormalCase& c, std::ostream* out) {
    *out << PathCaseName(c.path);
}

class NormalizePathTest : public ::testing::TestWithParam<NormalCase> {};

TEST_P(NormalizePathTest, ResolvesDotsAndKeepsCase) {
    EXPECT_EQ(GetParam().expected, NormalizePath(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NormalizePathTest,
    ::testing::Values(NormalCase{"C:\\CD\\.\\Bin\\..\\Setup.EXE", "C:\\CD\\Setup.EXE"},
                      NormalCase{"C:/CD/Bin/", "C:\\CD\\Bin\\"},
                      NormalCase{"C:\\CD\\Bin\\..", "C:\\CD"}, NormalCase{"C:\\..\\..\\x", "C:\\x"},
                      NormalCase{"\\..\\x", "\\x"}, NormalCase{"C:\\\\CD\\\\\\x", "C:\\CD\\x"},
                      NormalCase{"Bin\\..\\..\\x.exe", "..\\x.exe"},
                      NormalCase{"..\\..\\a", "..\\..\\a"}, NormalCase{"a\\..", "."},
                      NormalCase{"./setup.exe", "setup.exe"}, NormalCase{"C:a\\..\\..", "C:.."},
                      NormalCase{"\\\\server\\share\\a\\..\\b", "\\\\server\\share\\b"},
                      NormalCase{"C:\\", "C:\\"}, NormalCase{"", ""}));

struct SameCase {
    std::string a;
    std::string b;
    bool same;
};

void PrintTo(const SameCase& c, std::ostream* out) {
    *out << PathCaseName(c.a) << "_vs_" << PathCaseName(c.b);
}

class NameSameFileTest : public ::testing::TestWithParam<SameCase> {};

TEST_P(NameSameFileTest, ComparesAsWindowsWould) {
    EXPECT_EQ(GetParam().same, NameSameFile(GetParam().a, GetParam().b));
    EXPECT_EQ(GetParam().same, NameSameFile(GetParam().b, GetParam().a));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, NameSameFileTest,
    ::testing::Values(SameCase{"C:\\CD\\setup.exe", "c:\\cd\\SETUP.EXE", true},
                      SameCase{"C:\\CD\\setup.exe", "C:\\CD\\Bin\\..\\.\\setup.exe", true},
                      SameCase{"C:\\CD\\setup.exe", "C:/CD//setup.exe", true},
                      SameCase{"C:\\CD\\a", "C:\\CD\\Bin\\..\\..\\CD\\a", true},
                      SameCase{"C:\\CD\\a.txt", "C:\\CD\\a.txt\\", true},
                      SameCase{"C:\\CD\\\xdc"
                               "bung.txt",
                               "c:\\cd\\\xfc"
                               "bung.TXT",
                               true},
                      SameCase{"C:\\CD\\\x8a\x8c\x8e\x9f", "C:\\CD\\\x9a\x9c\x9e\xff", true},
                      SameCase{"C:\\CD\\setup.exe", "C:\\CD\\setup.ex", false},
                      SameCase{"C:\\CD\\setup.exe", "D:\\CD\\setup.exe", false},
                      SameCase{"C:\\CD\\setup.exe", "C:\\CD\\Bin\\setup.exe", false},
                      SameCase{"C:\\CD\\a\xd7", "C:\\CD\\a\xf7", false},
                      SameCase{"C:\\CD\\a[", "C:\\CD\\a{", false}));

} // namespace
