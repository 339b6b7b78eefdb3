// Typed access: what each operation does to the document and to the modified flag.
#include "ini_describe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

const char kBase[] = "[AutoRun]\r\nIcon=i.ico\r\nOpen=o.exe\r\n"
                     "[Notes]\r\nhello\r\n"
                     "[Orbilan]\r\nExec=x\r\nline one\r\nline two\r\n";

const char kBaseDocument[] = "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n"
                             "[Notes]\n  hello\n"
                             "[Orbilan]\n  Exec=x\n  line one\n  line two\n";

class Document : public ::testing::Test {
protected:
    Document() {
        WriteBytes(dir.PathOf("AutoRun.INF"), kBase);
        document = std::make_unique<INIFile>(dir.PathOf("AutoRun.INF").c_str());
    }
    TempDir dir;
    std::unique_ptr<INIFile> document;
};

struct ChangeCase {
    const char* what;
    std::function<void(INIFile&)> operation;
    bool modifies;
    // The whole document afterwards.
    const char* document;
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.what;
}

class Change : public Document, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(Change, SetsTheFlagExactlyWhenTheDocumentChanges) {
    GetParam().operation(*document);
    EXPECT_EQ(GetParam().modifies, document->IsModified()) << GetParam().what;
    EXPECT_EQ(GetParam().document, Describe(*document)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, Change,
    ::testing::Values(
        ChangeCase{"SetString, same bytes",
                   [](INIFile& d) { d.SetString("AutoRun", "Open", "o.exe"); }, false,
                   kBaseDocument},
        ChangeCase{"SetString, other case of letters",
                   [](INIFile& d) { d.SetString("autorun", "OPEN", "O.EXE"); }, true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=O.EXE\n[Notes]\n  hello\n"
                   "[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"SetString, new key, new section, empty value",
                   [](INIFile& d) {
                       d.SetString("AutoRun", "Label", "CD");
                       d.SetString("New", "k", "");
                   },
                   true,
                   "[AutoRun]\n  Icon=i.ico\n  Label=CD\n  Open=o.exe\n[New]\n  k=\n[Notes]\n"
                   "  hello\n[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"AddString of an existing key",
                   [](INIFile& d) { d.AddString("AutoRun", "icon", "other"); }, false,
                   kBaseDocument},
        ChangeCase{"AddString and AddFloat of new keys",
                   [](INIFile& d) {
                       d.AddString("Notes", "b", "2");
                       d.AddFloat("Notes", "a", 1.5f);
                   },
                   true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n[Notes]\n  a=1.5\n  b=2\n  hello\n"
                   "[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"RemoveEntry of missing key and section",
                   [](INIFile& d) {
                       d.RemoveEntry("AutoRun", "Label");
                       d.RemoveEntry("Nothing", "Open");
                   },
                   false, kBaseDocument},
        ChangeCase{"RemoveEntry of the last entries removes the section",
                   [](INIFile& d) {
                       d.RemoveEntry("AutoRun", "open");
                       d.RemoveEntry("AutoRun", "Icon");
                   },
                   true, "[Notes]\n  hello\n[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"RemoveEntry keeps a section with text lines",
                   [](INIFile& d) { d.RemoveEntry("Orbilan", "Exec"); }, true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n[Notes]\n  hello\n"
                   "[Orbilan]\n  line one\n  line two\n"},
        ChangeCase{"AddText of a line that is there in other case",
                   [](INIFile& d) { d.AddText("Orbilan", "LINE ONE", 1); }, false, kBaseDocument},
        ChangeCase{"AddText appends, replaces, creates",
                   [](INIFile& d) {
                       d.AddText("Orbilan", "last", INIFile::kAppend);
                       d.AddText("Orbilan", "first", 0);
                       d.AddText("Fresh", "t", 7);
                   },
                   true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n[Fresh]\n  t\n[Notes]\n  hello\n"
                   "[Orbilan]\n  Exec=x\n  first\n  line two\n  last\n"},
        ChangeCase{"RemoveText past the end, of a missing text",
                   [](INIFile& d) {
                       d.RemoveText("Orbilan", 2u);
                       d.RemoveText("AutoRun", "hello");
                   },
                   false, kBaseDocument},
        ChangeCase{"RemoveText by index and by text",
                   [](INIFile& d) {
                       d.RemoveText("Orbilan", 1u);
                       d.RemoveText("notes", "HELLO");
                   },
                   true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n[Orbilan]\n  Exec=x\n  line one\n"},
        ChangeCase{"RemoveSection of a missing section",
                   [](INIFile& d) { d.RemoveSection("Nothing"); }, false, kBaseDocument},
        ChangeCase{"RemoveSection", [](INIFile& d) { d.RemoveSection("ORBILAN"); }, true,
                   "[AutoRun]\n  Icon=i.ico\n  Open=o.exe\n[Notes]\n  hello\n"},
        ChangeCase{"exact keys leave a key in other letter case alone",
                   [](INIFile& d) {
                       d.RemoveExactEntry("AutoRun", "open");
                       d.SetExactString("AutoRun", "OPEN", "new");
                       d.SetExactString("AutoRun", "Icon", "j.ico");
                       EXPECT_STREQ("new", d.GetExactString("AutoRun", "OPEN", ""));
                   },
                   true,
                   "[AutoRun]\n  Icon=j.ico\n  OPEN=new\n  Open=o.exe\n"
                   "[Notes]\n  hello\n"
                   "[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"an exact removal takes the key itself",
                   [](INIFile& d) {
                       d.SetExactString("AutoRun", "OPEN", "new");
                       d.RemoveExactEntry("AutoRun", "Open");
                   },
                   true,
                   "[AutoRun]\n  Icon=i.ico\n  OPEN=new\n"
                   "[Notes]\n  hello\n"
                   "[Orbilan]\n  Exec=x\n  line one\n  line two\n"},
        ChangeCase{"an empty section name creates nothing",
                   [](INIFile& d) {
                       d.SetString("", "k", "v");
                       d.AddString("", "k", "v");
                       d.AddText("", "t", 0);
                       d.SetFloat("", "f", 1.0f);
                   },
                   false, kBaseDocument}));

TEST_F(Document, GettersHandBackTheDefaultItselfAndStoredEmptyValues) {
    const char* fallback = "fallback";
    EXPECT_EQ(fallback, document->GetString("Nothing", "Open", fallback));
    EXPECT_EQ(fallback, document->GetString("AutoRun", "Label", fallback));
    EXPECT_STREQ("o.exe", document->GetString("AUTORUN", "open", fallback));
    document->SetString("AutoRun", "Label", "");
    EXPECT_STREQ("", document->GetString("AutoRun", "Label", fallback));
}

TEST_F(Document, IndexesPastTheEndGiveTheLastAndEmptyArraysGiveNothing) {
    EXPECT_EQ(2, document->EntryCount("AutoRun"));
    EXPECT_EQ(0, document->EntryCount("Nothing"));
    EXPECT_STREQ("Icon", document->GetKey("AutoRun", 0));
    EXPECT_STREQ("Open", document->GetKey("AutoRun", 2));
    EXPECT_STREQ("", document->GetKey("Nothing", 0));
    EXPECT_STREQ("", document->GetKey("Notes", 0));
    EXPECT_EQ(2, document->TextCount("Orbilan"));
    EXPECT_STREQ("line two", document->GetText("Orbilan", 9));
    EXPECT_STREQ("", document->GetText("AutoRun", 0));
    EXPECT_FALSE(document->IsModified());
}

TEST_F(Document, FloatsRoundTripAndNonNumbersReadAsZero) {
    document->SetFloat("Numbers", "tenth", 0.1f);
    document->SetFloat("Numbers", "big", 3.0e30f);
    EXPECT_EQ(0.1f, document->GetFloat("Numbers", "tenth", 7.0f));
    EXPECT_EQ(3.0e30f, document->GetFloat("Numbers", "big", 7.0f));
    EXPECT_EQ(7.25f, document->GetFloat("Numbers", "missing", 7.25f));
    EXPECT_EQ(0.0f, document->GetFloat("AutoRun", "Open", 7.0f));
    document->SetFloat("Numbers", "whole", 100.0f);
    EXPECT_STREQ("100", document->GetString("Numbers", "whole", ""));
}

} // namespace
