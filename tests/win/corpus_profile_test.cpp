// Real AutoRun.INF files through the INI document: each is read, given one new key in a new
// section, which makes the document write the whole file anew, and saved. Windows' own profile
// reader must then see every key of the original with its value, except where a documented
// rule of the document changes it; the test reports those exceptions file by file.
#include "corpus_files.h"
#include "ini_file.h"
#include "profile_comparison.h"
#include "profile_view.h"
#include "save_rules.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cctype>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kAddedSection[] = "QuillotCorpusCheck";
const char kAddedKey[] = "Added";
const char kAddedValue[] = "by the corpus test";

TEST(CorpusThroughDocument, TheReaderSeesEveryKeyAfterASaveButWhereARuleSaysOtherwise) {
    const std::vector<std::string> names = CorpusFileNames();
    ASSERT_EQ(names.size(), 60u) << "tests/corpus lists 60 files in its manifest";
    ScratchDir scratch("corpus");
    ComparisonReport report;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string copy = scratch.PathOf(name);
        ASSERT_TRUE(CopyFileA(CorpusPath(name).c_str(), copy.c_str(), FALSE));
        {
            INIFile document(copy.c_str());
            document.SetString(kAddedSection, kAddedKey, kAddedValue);
            ASSERT_TRUE(document.Save());
        }
        const Profile original = ReadProfile(CorpusPath(name));
        ASSERT_FALSE(original.sections.empty()) << "the reader sees nothing of the original";
        Profile saved = ReadProfile(copy);
        const ProfileSection* added = saved.Find(kAddedSection);
        ASSERT_NE(added, nullptr);
        ASSERT_NE(added->Find(kAddedKey), nullptr);
        EXPECT_EQ(added->Find(kAddedKey)->value, std::string(kAddedValue));
        EXPECT_TRUE(saved.Remove(kAddedSection, kAddedKey));
        saved.sections.erase(saved.sections.begin() + (added - saved.sections.data()));
        report.Add(name, original, CompareProfiles(original, saved, DocumentRules()));
    }
    std::cout << report.Text();
    EXPECT_EQ(report.Unexplained(), 0) << "data lost or changed against the rules, see above";
}

// The comparison on small hand-made files: a rule explains only the change it describes, and
// a key lost or changed otherwise stays unexplained.
struct RuleCase {
    const char* title;
    const char* original;
    const char* saved;
    const char* rule;               // nullptr: unexplained
    const char* iconFile = nullptr; // the icon file on the CD; nullptr: none
};

void PrintTo(const RuleCase& c, std::ostream* out) {
    *out << c.title;
}

class RuleCases : public testing::TestWithParam<RuleCase> {};

void WriteText(const std::string& path, const std::string& text) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

TEST_P(RuleCases, NameTheRuleThatExplainsTheDifference) {
    ScratchDir scratch("rules");
    WriteText(scratch.PathOf("original.inf"), GetParam().original);
    WriteText(scratch.PathOf("saved.inf"), GetParam().saved);
    std::optional<IconOnCd> icon;
    if (GetParam().iconFile != nullptr)
        icon = IconOnCd{GetParam().iconFile};
    const std::vector<Difference> found =
        CompareProfiles(ReadProfile(scratch.PathOf("original.inf")),
                        ReadProfile(scratch.PathOf("saved.inf")), EditorRules(icon));
    ASSERT_FALSE(found.empty());
    for (const Difference& difference : found) {
        if (GetParam().rule == nullptr)
            EXPECT_EQ(difference.rule, nullptr) << difference.rule;
        else
            EXPECT_STREQ(difference.rule, GetParam().rule);
    }
}

const RuleCase kRuleCases[] = {
    {"value cut at the semicolon", "[a]\r\nk=v ;c\r\n", "[a]\r\nk=v\t; c\r\n", nullptr},
    {"value lost at the semicolon", "[a]\r\nk=v ;c\r\n", "[a]\r\n", nullptr},
    {"empty value", "[a]\r\nk=\r\n", "[a]\r\n", "empty value not written"},
    {"value lost", "[a]\r\nk=v\r\n", "[a]\r\n", nullptr},
    {"value changed", "[a]\r\nk=v\r\n", "[a]\r\nk=w\r\n", nullptr},
    {"key moved to another section", "[a]\r\nk=v\r\n[b]\r\n", "[a]\r\n[b]\r\nk=v\r\n", nullptr},
    {"key renamed", "[a]\r\nk=v\r\n", "[a]\r\nk2=v\r\n", nullptr},
    {"icon not on the CD cleared", "[AutoRun]\r\nicon=x.ico,2\r\n", "[AutoRun]\r\nicon=,0\r\n",
     nullptr},
    {"icon kept in another form", "[AutoRun]\r\nicon=x.ico\r\n", "[AutoRun]\r\nicon=x.ico,0\r\n",
     nullptr},
    {"icon on the CD written as file and number", "[AutoRun]\r\nicon=x.ico, 2\r\n",
     "[AutoRun]\r\nicon=x.ico,2\r\n", "Icon written as file,number", "x.ico"},
    {"icon path resolved", "[AutoRun]\r\nicon=.\\a/b.ico,1\r\n", "[AutoRun]\r\nicon=a\\b.ico,1\r\n",
     "Icon written as file,number, its path resolved", ".\\a/b.ico"},
    {"icon path changed", "[AutoRun]\r\nicon=.\\a/b.ico,1\r\n", "[AutoRun]\r\nicon=b.ico,1\r\n",
     nullptr, ".\\a/b.ico"},
    {"quoted icon written as file and number", "[AutoRun]\r\nicon=\"x.ico\"\r\n",
     "[AutoRun]\r\nicon=x.ico,0\r\n", "Icon written as file,number", "x.ico"},
    {"quoted icon on the CD cleared", "[AutoRun]\r\nicon=\"x.ico\"\r\n", "[AutoRun]\r\nicon=,0\r\n",
     nullptr, "x.ico"},
    {"icon on the CD cleared", "[AutoRun]\r\nicon=x.ico,2\r\n", "[AutoRun]\r\nicon=,0\r\n", nullptr,
     "x.ico"},
    {"icon added", "[AutoRun]\r\nopen=x\r\n", "[AutoRun]\r\nIcon=,0\r\nopen=x\r\n",
     "Icon always written"},
    {"other key added", "[AutoRun]\r\nopen=x\r\n", "[AutoRun]\r\nLabel=,0\r\nopen=x\r\n", nullptr},
};

INSTANTIATE_TEST_SUITE_P(Comparison, RuleCases, testing::ValuesIn(kRuleCases),
                         [](const testing::TestParamInfo<RuleCase>& param) {
                             std::string name;
                             for (const char* c = param.param.title; *c != '\0'; ++c) {
                                 if (isalnum(static_cast<unsigned char>(*c)))
                                     name += *c;
                             }
                             return name;
                         });

} // namespace
