// The parser, one annotated input per rule. The document is compared as Describe prints it.
#include "ini_describe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct ParseCase {
    const char* rule;
    std::string input;
    const char* document;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.rule;
}

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, BuildsTheDocumentTheRuleDescribes) {
    TempDir dir;
    WriteBytes(dir.PathOf("AutoRun.INF"), GetParam().input);
    const INIFile document(dir.PathOf("AutoRun.INF").c_str());
    EXPECT_EQ(GetParam().document, Describe(document)) << GetParam().rule;
    EXPECT_FALSE(document.IsModified());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Parse,
    ::testing::Values(
        ParseCase{"a section and a key", "[AutoRun]\r\nOpen=x\r\n", "[AutoRun]\n  Open=x\n"},
        ParseCase{"header comment, trimmed", "[AutoRun] ;  the start \r\n",
                  "[AutoRun] ;the start\n"},
        ParseCase{"a ';' inside a value is part of it", "[A]\r\nOpen=x.exe  ; run it\r\n",
                  "[A]\n  Open=x.exe  ; run it\n"},
        ParseCase{"a ';' between the brackets is part of the name",
                  "[A]\r\nk=1\r\n[B;c]\r\nm=2\r\n", "[A]\n  k=1\n[B;c]\n  m=2\n"},
        ParseCase{"brackets in a value keep the key line",
                  "[A]\r\nHeadline=Demo [Version 2]\r\nk=[x\r\n",
                  "[A]\n  Headline=Demo [Version 2]\n  k=[x\n"},
        ParseCase{"only a line that begins with '[' is a header",
                  "[A]\r\nx[y]=z\r\nsiehe [Orbilan]\r\nk=1\r\n",
                  "[A]\n  k=1\n  x[y]=z\n  siehe [Orbilan]\n"},
        ParseCase{"'[' without ']' is a line of the section", "[A]\r\nk=1\r\n[B\r\nx=2",
                  "[A]\n  k=1\n  x=2\n  [B\n"},
        ParseCase{"split at the first '='", "[A]\r\nk=a=b\r\n", "[A]\n  k=a=b\n"},
        ParseCase{"empty value kept", "[A]\r\nk=\r\n", "[A]\n  k=\n"},
        ParseCase{"empty key kept", "[A]\r\n = v\r\n", "[A]\n  =v\n"},
        ParseCase{"one pair of enclosing quotes taken off",
                  "[A]\r\na=\"x y\"\r\nb='s'\r\nc=\"q\r\nd=\"\"x\"\"\r\ne=\"p' \r\n",
                  "[A]\n  a=x y\n  b=s\n  c=\"q\n  d=\"x\"\n  e=\"p'\n"},
        ParseCase{"Ctrl+Z is white space", "\x1A[A\x1A]\r\nk=1\x1A\r\n\x1A", "[A]\n  k=1\n"},
        ParseCase{"CR alone ends a line", "[A]\rk=1\r\rj=2\r", "[A]\n  j=2\n  k=1\n"},
        ParseCase{"UTF-8 behind its mark, what code page 1252 lacks as '?'",
                  "\xEF\xBB\xBF[A]\r\nk=\xC3\xA4\xE2\x82\xAC\xE4\xB8\xAD\r\n",
                  "[A]\n  k=\xE4\x80?\n"},
        ParseCase{"key trimmed at both ends", "[A]\r\n  open  =  x  \r\n", "[A]\n  open=x\n"},
        ParseCase{"lines before the first section dropped", "pre=1\r\nfree\r\n[A]\r\nt\r\n",
                  "[A]\n  t\n"},
        ParseCase{"blank and comment lines dropped", "[A]\r\n\r\n \t \r\n; c\r\n \t;d=1\r\nk=1\r\n",
                  "[A]\n  k=1\n"},
        ParseCase{"entries sorted, text lines in order behind them",
                  "[A]\r\nz=1\r\nsecond\r\na=2\r\nfirst ;c\r\n",
                  "[A]\n  a=2\n  z=1\n  second\n  first ;c\n"},
        ParseCase{"duplicate sections both kept, in order",
                  "[B]\r\n[A]\r\nk=1\r\n[B]\r\nj=2\r\n[A]\r\nk=3\r\n",
                  "[A]\n  k=1\n[A]\n  k=3\n[B]\n[B]\n  j=2\n"},
        ParseCase{"duplicate keys both kept, in order", "[A]\r\nk=2\r\nj=0\r\nk=1\r\n",
                  "[A]\n  j=0\n  k=2\n  k=1\n"},
        ParseCase{"sections sorted case-sensitively", "[Orbilan]\r\n[AutoRun]\r\n[autorun]\r\n",
                  "[AutoRun]\n[Orbilan]\n[autorun]\n"},
        ParseCase{"text behind the ']' is the header's comment", "[ A ] ; more\r\n", "[A] ;more\n"},
        ParseCase{"the name runs to the last ']'", "[A]]x\r\n[d]e]f\r\n", "[A]] ;x\n[d]e] ;f\n"},
        ParseCase{"empty header", "[]\r\nk=1\r\n", "[]\n  k=1\n"},
        ParseCase{"LF line ends keep every byte", "[A]\nk=1\nj=2", "[A]\n  j=2\n  k=1\n"},
        ParseCase{"UTF-16 behind its mark, a character of code page 1252 as its byte",
                  std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xAC\x20", 18), "[A]\n  k=\x80\n"},
        ParseCase{"big-endian UTF-16 is not read",
                  std::string("\xFE\xFF\0[\0A\0]\0\r\0\n\0k\0=\0v", 18), ""},
        ParseCase{"UTF-16 without a mark is not read",
                  std::string("[\0A\0]\0\r\0\n\0k\0=\0v\0", 16), ""}));

// Names in other letter case sort apart, so the line is what tells which came first.
TEST(ParseLines, EveryElementKnowsItsLine) {
    TempDir dir;
    WriteBytes(dir.PathOf("AutoRun.INF"), "; c\r\n[autorun]\r\nopen=b\r\n\r\nOPEN=a\r\nt\r\n"
                                          "[AutoRun]\r\n");
    const INIFile document(dir.PathOf("AutoRun.INF").c_str());
    const auto& sections = document.Sections();
    ASSERT_EQ(2u, sections.GetItemsInContainer());
    EXPECT_EQ(7u, sections[0].line);
    const section& lower = sections[1];
    EXPECT_EQ(2u, lower.line);
    ASSERT_EQ(2u, lower.entries.GetItemsInContainer());
    EXPECT_EQ("OPEN", static_cast<const std::string&>(lower.entries[0]));
    EXPECT_EQ(5u, lower.entries[0].line);
    EXPECT_EQ(3u, lower.entries[1].line);
    EXPECT_EQ(6u, lower.textLines[0].line);
}

TEST(ParseMissingFile, GivesAnEmptyDocumentThatWritesNothing) {
    TempDir dir;
    {
        INIFile document(dir.PathOf("AutoRun.INF").c_str());
        EXPECT_EQ("", Describe(document));
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ(0, dir.CountEntries());
}

} // namespace
