// Which file a command line names, and how a program with blanks is written into one.
#include "command_program.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

namespace {

using command_program::CommandLineOf;
using command_program::ProgramOf;
using command_program::QuotesStrippedByReader;

struct ProgramRow {
    const char* line;
    std::set<std::string> files; // the files that exist
    const char* file;
    const char* arguments;
    bool quoted;
};

void PrintTo(const ProgramRow& row, std::ostream* out) {
    *out << '"' << row.line << "\" with " << row.files.size() << " existing files";
}

class ProgramOfLine : public testing::TestWithParam<ProgramRow> {};

TEST_P(ProgramOfLine, IsTheFileWindowsWouldStart) {
    const ProgramRow& row = GetParam();
    const auto program = ProgramOf(
        row.line, [&row](const std::string& candidate) { return row.files.count(candidate) != 0; });
    EXPECT_EQ(program.file, row.file);
    EXPECT_EQ(program.arguments, row.arguments);
    EXPECT_EQ(program.quoted, row.quoted);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ProgramOfLine,
    testing::Values(
        ProgramRow{"\"Neue Version\\setup.exe\" /q", {}, "Neue Version\\setup.exe", "/q", true},
        ProgramRow{"  \"a b.exe\"", {}, "a b.exe", "", true},
        ProgramRow{"\"a b.exe\"\t\"c d\"", {}, "a b.exe", "\"c d\"", true},
        // an unclosed quote runs to the end
        ProgramRow{"\"a b.exe /q", {}, "a b.exe /q", "", true},
        ProgramRow{"setup.exe /q", {"setup.exe"}, "setup.exe", "/q", false},
        // no part exists: the launcher's cut at the first blank
        ProgramRow{"Mein Setup.exe /q", {}, "Mein", "Setup.exe /q", false},
        ProgramRow{"Mein Setup.exe /q", {"Mein Setup.exe"}, "Mein Setup.exe", "/q", false},
        // the shortest part that exists wins over a longer one
        ProgramRow{"Mein Setup.exe /q", {"Mein", "Mein Setup.exe"}, "Mein", "Setup.exe /q", false},
        ProgramRow{"C:\\Temp\\Mein  Setup.exe",
                   {"C:\\Temp\\Mein  Setup.exe"},
                   "C:\\Temp\\Mein  Setup.exe",
                   "",
                   false},
        ProgramRow{"  notepad\tliesmich.txt  ", {}, "notepad", "liesmich.txt  ", false},
        ProgramRow{"", {}, "", "", false}, ProgramRow{"   ", {}, "", "", false}));

TEST(CommandLineOf, QuotesAProgramWithABlankOnly) {
    EXPECT_EQ(CommandLineOf("Mein Setup.exe", "/q"), "\"Mein Setup.exe\" /q");
    EXPECT_EQ(CommandLineOf("Neue Version\\setup.exe", ""), "\"Neue Version\\setup.exe\"");
    EXPECT_EQ(CommandLineOf("setup.exe", "/q \"C:\\x y\""), "setup.exe /q \"C:\\x y\"");
    EXPECT_EQ(CommandLineOf("setup.exe", ""), "setup.exe");
}

TEST(CommandLineOf, GivesBackWhatProgramOfFinds) {
    const std::string line = CommandLineOf("Mein Setup.exe", "/q /s");
    const auto program = ProgramOf(line, [](const std::string&) { return false; });
    EXPECT_EQ(program.file, "Mein Setup.exe");
    EXPECT_EQ(program.arguments, "/q /s");
}

TEST(QuotesStrippedByReader, OnlyAQuotedProgramWithAQuotedLastArgument) {
    EXPECT_TRUE(QuotesStrippedByReader("\"Neue Version\\setup.exe\" \"C:\\Daten\""));
    EXPECT_TRUE(QuotesStrippedByReader(" \"a.exe\" /q \"b c\" "));
    EXPECT_FALSE(QuotesStrippedByReader("\"Neue Version\\setup.exe\" /q"));
    EXPECT_FALSE(QuotesStrippedByReader("\"Neue Version\\setup.exe\""));
    EXPECT_FALSE(QuotesStrippedByReader("setup.exe \"C:\\Daten\""));
    EXPECT_FALSE(QuotesStrippedByReader("\""));
    EXPECT_FALSE(QuotesStrippedByReader(""));
}

} // namespace
