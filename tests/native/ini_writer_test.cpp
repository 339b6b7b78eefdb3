// The writer's layout, byte for byte, and reading back what it wrote.
#include "ini_describe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

struct LayoutCase {
    const char* what;
    const char* input;
    std::function<void(INIFile&)> change;
    const char* written;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.what;
}

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, IsWrittenExactly) {
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
    WriteBytes(path, GetParam().input);
    {
        INIFile document(path.c_str());
        GetParam().change(document);
        ASSERT_TRUE(document.Save()) << GetParam().what;
        EXPECT_FALSE(document.IsModified());
    }
    EXPECT_EQ(GetParam().written, ReadBytes(path)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Documents, Layout,
    ::testing::Values(
        LayoutCase{"two sections from nothing", "",
                   [](INIFile& d) {
                       d.SetString("Orbilan", "Text", "t");
                       d.SetString("Orbilan", "Exec", "e");
                       d.SetString("AutoRun", "Open", "o");
                       d.SetString("Orbilan", "Headline", "h");
                       d.SetString("AutoRun", "Icon", "i");
                   },
                   "[AutoRun]\r\nIcon=i\r\nOpen=o\r\n\r\n"
                   "[Orbilan]\r\nExec=e\r\nHeadline=h\r\nText=t\r\n\r\n\r\n"},
        LayoutCase{"lines read are written back as read, ';' and all",
                   "[A] ; head \r\nk = v ;  on key\r\nline;on line\r\nn=1 ;   \r\ne=\r\n",
                   MarkModified,
                   "[A] ; head\r\ne=\r\nk = v ;  on key\r\nn=1 ;\r\nline;on line\r\n\r\n\r\n"},
        LayoutCase{"a changed value is written as key=value", "[A]\r\nk = v ; c\r\n",
                   [](INIFile& d) { d.SetString("A", "k", "w ; d"); },
                   "[A]\r\nk=w ; d\r\n\r\n\r\n"},
        LayoutCase{"a value the reader would trim or unquote is written in quotes", "",
                   [](INIFile& d) {
                       d.SetString("A", "a", " x ");
                       d.SetString("A", "b", "\"q\"");
                       d.SetString("A", "c", "\"q");
                   },
                   "[A]\r\na=\" x \"\r\nb=\"\"q\"\"\r\nc=\"q\r\n\r\n\r\n"},
        LayoutCase{"names in other letter case keep their order in the file",
                   "[b]\r\nopen=1\r\nOpen=2\r\n[B]\r\nk=3\r\n",
                   [](INIFile& d) { d.SetString("b", "x", "y"); },
                   "[b]\r\nopen=1\r\nOpen=2\r\nx=y\r\n\r\n[B]\r\nk=3\r\n\r\n\r\n"},
        LayoutCase{"a key added in its own spelling goes behind the one read",
                   "[AutoRun]\r\nopen=1\r\n",
                   [](INIFile& d) { d.SetExactString("AutoRun", "Open", "2"); },
                   "[AutoRun]\r\nopen=1\r\nOpen=2\r\n\r\n\r\n"},
        LayoutCase{"entries with empty values left out", "[A]\r\nk=1\r\n[B]\r\nx=2\r\n",
                   [](INIFile& d) {
                       d.SetString("A", "k", "");
                       d.SetString("B", "y", "");
                   },
                   "[A]\r\n\r\n[B]\r\nx=2\r\n\r\n\r\n"},
        LayoutCase{"every section removed", "[A]\r\nk=1\r\n",
                   [](INIFile& d) { d.RemoveSection("A"); }, "\r\n\r\n"},
        LayoutCase{"a value holding ';' is written as it is", "",
                   [](INIFile& d) { d.SetString("A", "k", "v;w"); }, "[A]\r\nk=v;w\r\n\r\n\r\n"},
        LayoutCase{"a mixed-case file gets no second section or key",
                   "[Orbilan]\r\nExec=e\r\n[autorun]\r\nopen=old\r\nicon=i\r\n",
                   [](INIFile& d) {
                       d.SetString("AutoRun", "Open", "new");
                       d.SetString("AUTORUN", "Icon", "j");
                   },
                   "[Orbilan]\r\nExec=e\r\n\r\n[autorun]\r\nicon=j\r\nopen=new\r\n\r\n\r\n"},
        LayoutCase{"a spaced key is the key", "[AutoRun]\r\nOPEN = old\r\n",
                   [](INIFile& d) { d.SetString("AutoRun", "Open", "new"); },
                   "[AutoRun]\r\nOPEN=new\r\n\r\n\r\n"}));

TEST(WrittenFile, ReadsBackToTheSameDocumentAndTheSameBytes) {
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
    WriteBytes(path, "; head\r\n[Orbilan]\r\nHeadline=Demo [Version 2]\r\nText=a=b\r\n"
                     "[AutoRun] ;c\r\nOpen=x.exe ; run\r\nfree text\r\nIcon=x.exe,0\r\n");
    std::string firstDocument;
    {
        INIFile document(path.c_str());
        firstDocument = Describe(document);
        MarkModified(document);
    }
    const std::string firstBytes = ReadBytes(path);
    {
        INIFile document(path.c_str());
        EXPECT_EQ(firstDocument, Describe(document));
        MarkModified(document);
    }
    EXPECT_EQ(firstBytes, ReadBytes(path));
}

} // namespace
