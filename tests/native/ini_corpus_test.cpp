// Real AutoRun.INF files: read untouched, written, read back, and looked up by string id in
// whatever letter case they were written.
#include "ini_describe.h"
#include "string_ids.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> CorpusFiles() {
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(QUILLOT_CORPUS_DIR)) {
        if (item.path().extension() == ".inf")
            names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class CorpusFile : public ::testing::TestWithParam<std::string> {
protected:
    CorpusFile() : original(ReadBytes(std::string(QUILLOT_CORPUS_DIR) + "/" + GetParam())) {
        WriteBytes(path, original);
    }
    const std::string original;
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
};

TEST_P(CorpusFile, IsLeftAloneWhenNothingChanged) {
    { INIFile document(path.c_str()); }
    EXPECT_EQ(original, ReadBytes(path));
}

TEST_P(CorpusFile, ReadsBackAsWrittenAndWritesTheSameBytesAgain) {
    std::string firstDocument;
    {
        INIFile document(path.c_str());
        firstDocument = DescribeAsWritten(document);
        MarkModified(document);
        ASSERT_TRUE(document.Save());
    }
    const std::string firstBytes = ReadBytes(path);
    {
        INIFile document(path.c_str());
        EXPECT_EQ(firstDocument, Describe(document));
        MarkModified(document);
        ASSERT_TRUE(document.Save());
    }
    EXPECT_EQ(firstBytes, ReadBytes(path));
}

INSTANTIATE_TEST_SUITE_P(Samples, CorpusFile, ::testing::ValuesIn(CorpusFiles()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             std::string name = param.param.substr(0, 2);
                             return "file" + name;
                         });

struct KnownValue {
    const char* file;
    unsigned keyId;
    const char* value;
};

void PrintTo(const KnownValue& c, std::ostream* out) {
    *out << c.file << " " << c.keyId;
}

class KnownValues : public ::testing::TestWithParam<KnownValue> {};

TEST_P(KnownValues, AreFoundByStringIdInAnyLetterCase) {
    INIFile document((std::string(QUILLOT_CORPUS_DIR) + "/" + GetParam().file).c_str());
    EXPECT_STREQ(GetParam().value, document.GetString(IDS_AUTORUN, GetParam().keyId, "<none>"));
}

INSTANTIATE_TEST_SUITE_P(
    Samples, KnownValues,
    ::testing::Values(KnownValue{"08-canon-upper-key-spaces.inf", IDS_OPEN, "AUTORUN.EXE"},
                      KnownValue{"09-combat-mixed-key-case.inf", IDS_OPEN, "autorunmlp.exe"},
                      KnownValue{"09-combat-mixed-key-case.inf", IDS_ICON, "combat.ico"},
                      KnownValue{"10-kujawiak-uppercase-section.inf", IDS_OPEN, "autoexec.bat"},
                      KnownValue{"29-self-server-aligned-equals.inf", IDS_ICON, "selfserver.ico"},
                      KnownValue{"49-ballber-indented-key-blank-space-line.inf", IDS_ICON,
                                 "<none>"}));

TEST(StringIdForms, DoWhatTheNameFormsDo) {
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
    WriteBytes(path, "[autorun]\r\nicon=i.ico\r\nopen=o.exe\r\n");
    INIFile document(path.c_str());
    EXPECT_STREQ(document.GetString("AutoRun", "Open", ""), document.GetString(750, 751, ""));
    EXPECT_EQ(2, document.EntryCount(IDS_AUTORUN));
    EXPECT_STREQ("open", document.GetKey(IDS_AUTORUN, 1));
    document.SetString(IDS_ORBILAN, IDS_EXEC, "run.exe");
    EXPECT_STREQ("run.exe", document.GetString("Orbilan", "Exec", ""));
    document.RemoveSection(IDS_AUTORUN);
    EXPECT_EQ(0, document.EntryCount("AutoRun"));
}

TEST(StringIdForms, AnIdTheTableLacksNamesNothing) {
    TempDir dir;
    INIFile document(dir.PathOf("AutoRun.INF").c_str());
    const char* fallback = "fallback";
    document.SetString(IDS_AUTORUN, 9999, "x");
    document.SetString(9999, IDS_OPEN, "x");
    document.AddText(9999, "t", 0);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(fallback, document.GetString(9999, IDS_OPEN, fallback));
    EXPECT_STREQ("", document.GetKey(9999, 0));
}

} // namespace
