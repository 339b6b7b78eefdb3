// One small CD directory per finding, and one correct CD with none: the check finds exactly
// what each directory was made to show.
#include "cd_check.h"

#include "cd_trees.h"
#include "tiny_images.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<std::string>;

struct TreeCase {
    const char* name;
    CdFiles files;
    Codes codes;
    // What the command names: the root, or a file below it.
    std::string target = "";
    bool iso9660 = false;
};

void PrintTo(const TreeCase& c, std::ostream* out) {
    *out << c.name;
}

cd_check::CheckResult CheckTree(const TempDir& dir, const TreeCase& c) {
    WriteTree(dir, c.files);
    cd_check::CheckOptions options;
    options.iso9660 = c.iso9660;
    return cd_check::CheckCd(std::filesystem::path(dir.Path()) / c.target, options);
}

class Trees : public testing::TestWithParam<TreeCase> {};

TEST_P(Trees, GiveExactlyTheirFindings) {
    TempDir dir;
    const cd_check::CheckResult result = CheckTree(dir, GetParam());
    ASSERT_EQ(cd_check::Problem::kNone, result.problem);
    EXPECT_EQ(GetParam().codes, CodesOf(result));
}

// An INF whose Open names setup.exe, which lies beside it.
CdFiles WithSetup(const std::string& inf) {
    return {{"AutoRun.INF", inf}, {"setup.exe", SignedTinyProgram({0, {1}})}};
}

// An INF in UTF-16 with its mark, whose [AutoRun] has only the label.
std::string Utf16Inf(const std::u16string& label) {
    const std::u16string text = u"\uFEFF[AutoRun]\r\nlabel=" + label + u"\r\n";
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// count times U+1F4BF (an optical disc), one surrogate pair each.
std::u16string EmojiLabel(int count) {
    std::u16string label;
    for (int i = 0; i < count; ++i)
        label += u"\U0001F4BF";
    return label;
}

const std::string kUtf16WithoutMark("[\0A\0u\0t\0o\0R\0u\0n\0]\0\r\0\n\0", 22);

// Everything a CD can hold, right (its programs signed): names in other letter case than the INF
// writes them, a quoted path with a blank, a negative icon number naming a resource id, a program
// of the system, an address, the starter with its program, a platform section that reads the same
// as [AutoRun] (keys in another order and letter case, a value in quotes Windows strips).
const CdFiles kCorrectCd = {
    {"autorun.inf", "[AutoRun]\r\n"
                    "open=Orbilan.EXE\r\n"
                    "icon=bin\\..\\Setup.exe,-101\r\n"
                    "label=Zweiunddrei\337ig Zeichen: so viele\r\n"
                    "shellexecute=http://example.org/\r\n"
                    "shell=install\r\n"
                    "shell\\install=&Installieren\r\n"
                    "shell\\install\\command=\"Neue Version\\setup\" /q\r\n"
                    "Shell\\Lies\\Command=notepad liesmich.txt\r\n"
                    "[AutoRun.Amd64]\r\n"
                    "Shell\\Lies\\Command=notepad liesmich.txt\r\n"
                    "OPEN=Orbilan.EXE\r\n"
                    "icon=\"bin\\..\\Setup.exe,-101\"\r\n"
                    "label=Zweiunddrei\337ig Zeichen: so viele\r\n"
                    "shellexecute=http://example.org/\r\nshell=install\r\n"
                    "shell\\install=&Installieren\r\n"
                    "shell\\install\\command=\"Neue Version\\setup\" /q\r\n"
                    "[Orbilan]\r\nHeadline=Demo\r\nExec=\"Neue Version\\SETUP.exe\" /q\r\n"},
    {"ORBILAN.EXE", SignedTinyProgram({})},
    {"SETUP.EXE", SignedTinyProgram({2, {101, 102}})},
    {"bin/", ""},
    {"Neue Version/setup.exe", SignedTinyProgram({})},
    {"ICONS/CD.ICO", TinyIconFile(2)},
    {"liesmich.txt", "Hallo"},
};

INSTANTIATE_TEST_SUITE_P(
    Findings, Trees,
    testing::Values(
        TreeCase{"CorrectCd", kCorrectCd, {}},
        TreeCase{"CorrectCdNamedByItsInf", kCorrectCd, {}, "autorun.inf"},
        TreeCase{"UnicodeInfWithItsMark",
                 {{"AutoRun.INF", std::string("\xFF\xFE", 2) + kUtf16WithoutMark}},
                 {}},
        TreeCase{"NoInf", {{"setup.exe", ""}}, {"Q001"}},
        TreeCase{"TwoInfs",
                 {{"AutoRun.INF", "[AutoRun]\r\n"}, {"autorun.inf", "[AutoRun]\r\n"}},
                 {"Q002"}},
        TreeCase{"InfOfAnotherName", {{"Start.inf", "[AutoRun]\r\n"}}, {"Q003"}, "Start.inf"},
        // the mark takes the first section with it
        TreeCase{
            "Utf8Mark", WithSetup("\xEF\xBB\xBF[AutoRun]\r\nopen=setup.exe\r\n"), {"Q101", "Q201"}},
        TreeCase{"Utf16WithoutMark", {{"AutoRun.INF", kUtf16WithoutMark}}, {"Q102"}},
        TreeCase{"Utf8WithoutMark",
                 {{"AutoRun.INF", "[AutoRun]\r\nlabel=Pr\xC3\xBC"
                                  "fung\r\n"}},
                 {"Q103"}},
        TreeCase{"AutoRunMissing", WithSetup("[Setup]\r\nopen=setup.exe\r\n"), {"Q201"}},
        TreeCase{
            "ProcessorSectionsOnly", WithSetup("[AutoRun.Amd64]\r\nopen=setup.exe\r\n"), {"Q210"}},
        TreeCase{
            "SectionTwice", WithSetup("[AutoRun]\r\nopen=setup.exe\r\n[autorun]\r\n"), {"Q202"}},
        TreeCase{"KeyTwice", WithSetup("[AutoRun]\r\nopen=setup.exe\r\nOPEN=x.exe\r\n"), {"Q203"}},
        TreeCase{"PlatformSectionLacksAKey",
                 WithSetup("[AutoRun]\r\nopen=setup.exe\r\nlabel=CD\r\n"
                           "[AutoRun.Amd64]\r\nopen=setup.exe\r\n"),
                 {"Q204"}},
        TreeCase{"PlatformSectionDiffers",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\n"
                                  "[AutoRun.Amd64]\r\nOpen=SETUP.EXE /x64\r\n"
                                  "icon=Icons\\cd.ico\r\nshellexecute=liesmich.txt\r\n"
                                  "shell\\lies\\command=liesmich.txt\r\n"},
                  {"SETUP.EXE", SignedTinyProgram({})},
                  {"ICONS/CD.ICO", TinyIconFile(1)},
                  {"liesmich.txt", "Hallo"}},
                 {"Q204"}},
        TreeCase{"LabelTooLong",
                 {{"AutoRun.INF", "[AutoRun]\r\nlabel=Dreiunddrei\337ig Zeichen: zu viele!\r\n"}},
                 {"Q205"}},
        // 32 characters beyond the first plane, in 64 code units
        TreeCase{"LabelOfSurrogatePairs", {{"AutoRun.INF", Utf16Inf(EmojiLabel(32))}}, {}},
        TreeCase{
            "LabelOfSurrogatePairsTooLong", {{"AutoRun.INF", Utf16Inf(EmojiLabel(33))}}, {"Q205"}},
        TreeCase{"QuotesBreakTheStartersCommandLine",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Orbilan.EXE\r\n[Orbilan]\r\n"
                                  "Exec=\"Neue Version\\setup.exe\" \"C:\\Daten\"\r\n"},
                  {"Orbilan.EXE", SignedTinyProgram({})},
                  {"Neue Version/setup.exe", SignedTinyProgram({})}},
                 {"Q206"}},
        TreeCase{"QuotesChangeTheLabel",
                 {{"AutoRun.INF", "[AutoRun]\r\nlabel=\"Rock\" und \"Pop\"\r\n"}},
                 {"Q207"}},
        TreeCase{"FileMissing", {{"AutoRun.INF", "[AutoRun]\r\nopen=setup.exe /q\r\n"}}, {"Q301"}},
        // Unquoted, with a blank: the shortest part that is a file on the CD is the program,
        // as Windows finds it; where none is, the part up to the first blank is missing.
        TreeCase{"UnquotedProgramWithABlank",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Neue Version\\setup /q\r\n"},
                  {"Neue Version/setup.exe", SignedTinyProgram({})}},
                 {}},
        TreeCase{"UnquotedProgramWithABlankMissing",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Neue Version\\setup /q\r\n"},
                  {"Neue Version/other.exe", SignedTinyProgram({})}},
                 {"Q301"}},
        TreeCase{"FileMissingInASubdirectory",
                 WithSetup("[AutoRun]\r\nopen=bin\\setup.exe\r\n"),
                 {"Q301"}},
        TreeCase{
            "FileClimbsOutOfTheRoot", WithSetup("[AutoRun]\r\nopen=..\\setup.exe\r\n"), {"Q302"}},
        TreeCase{"FileOnADrive", WithSetup("[AutoRun]\r\nicon=C:\\setup.exe\r\n"), {"Q302"}},
        TreeCase{"IconNumberMissing", WithSetup("[AutoRun]\r\nicon=setup.exe,1\r\n"), {"Q303"}},
        TreeCase{"IconFileWithoutIcons",
                 {{"AutoRun.INF", "[AutoRun]\r\nicon=start.bat\r\n"}, {"start.bat", "@echo"}},
                 {"Q304"}},
        TreeCase{"IconsOfASixteenBitProgram",
                 {{"AutoRun.INF", "[AutoRun]\r\nicon=alt.exe\r\n"},
                  {"alt.exe", TinySixteenBitProgram()}},
                 {"Q305"}},
        TreeCase{"VerbWithoutCommand",
                 WithSetup("[AutoRun]\r\nshell\\install=Installieren\r\n"
                           "shell\\lies\\command=setup.exe\r\n"),
                 {"Q401"}},
        TreeCase{"VerbCommandMissing",
                 WithSetup("[AutoRun]\r\nshell\\install\\command=install.exe\r\n"),
                 {"Q301"}},
        TreeCase{"DefaultVerbMissing",
                 WithSetup("[AutoRun]\r\nshell=repair\r\nshell\\install\\command=setup.exe\r\n"),
                 {"Q402"}},
        TreeCase{"StarterMissing",
                 WithSetup("[AutoRun]\r\nopen=orbilan.exe\r\n[Orbilan]\r\nExec=setup.exe\r\n"),
                 {"Q501"}},
        TreeCase{"StarterWithoutExec",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Orbilan.EXE\r\n[Orbilan]\r\nText=Los?\r\n"},
                  {"Orbilan.EXE", SignedTinyProgram({})}},
                 {"Q502"}},
        TreeCase{"StarterProgramMissing",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Orbilan.EXE\r\n[Orbilan]\r\nExec=go.exe\r\n"},
                  {"Orbilan.EXE", SignedTinyProgram({})}},
                 {"Q301"}},
        // Every key that starts a program: Open (here the starter), ShellExecute, a menu
        // entry's command and the starter's Exec; not the icon's file nor a program of Windows.
        TreeCase{"UnsignedProgramsOfEveryKey",
                 {{"AutoRun.INF", "[AutoRun]\r\nopen=Orbilan.EXE\r\nshellexecute=setup.exe\r\n"
                                  "icon=setup.exe\r\nshell\\lies\\command=notepad lies.txt\r\n"
                                  "shell\\inst\\command=setup /q\r\n"
                                  "[Orbilan]\r\nExec=tools\\run.exe\r\n"},
                  {"Orbilan.EXE", TinyProgram({})},
                  {"setup.exe", TinyProgram({0, {1}})},
                  {"lies.txt", ""},
                  {"tools/run.exe", TinyProgram({}, true)}},
                 {"Q701", "Q701", "Q701", "Q701"}},
        TreeCase{"UnsignedProgramOfAProcessorSection",
                 {{"AutoRun.INF", "[AutoRun.Amd64]\r\nopen=setup.exe\r\n"},
                  {"setup.exe", TinyProgram({})}},
                 {"Q210", "Q701"}},
        // ShellExecute opens a document with its program, whatever the document's bytes.
        TreeCase{"ShellExecuteOfADocument",
                 {{"AutoRun.INF", "[AutoRun]\r\nshellexecute=daten.bin\r\n"},
                  {"daten.bin", TinyProgram({})}},
                 {}},
        TreeCase{"NameTooLongForJoliet",
                 {{"AutoRun.INF", "[AutoRun]\r\n"}, {std::string(61, 'n') + ".txt", ""}},
                 {"Q601"}},
        // Counted in UTF-16 units, as the image's writer counts them: a character beyond U+FFFF
        // takes two. 64 characters are 65 units here; 63 are the 64 Joliet holds.
        TreeCase{
            "NameBeyondTheBmpTooLongForJoliet",
            {{"AutoRun.INF", "[AutoRun]\r\n"}, {std::string(59, 'n') + "\xF0\x9F\x98\x80.txt", ""}},
            {"Q601"}},
        TreeCase{
            "NameBeyondTheBmpJolietHolds",
            {{"AutoRun.INF", "[AutoRun]\r\n"}, {std::string(58, 'n') + "\xF0\x9F\x98\x80.txt", ""}},
            {}},
        TreeCase{"NameNotEightDotThree",
                 {{"AUTORUN.INF", "[AutoRun]\r\n"}, {"Handbuch.html", ""}, {"DOCS/A_1.TXT", ""}},
                 {"Q602"},
                 "",
                 true}));

TEST(Findings, NameWhereTheyAre) {
    TempDir dir;
    const cd_check::CheckResult result =
        CheckTree(dir, {"", WithSetup("[AutoRun]\r\nlabel=CD\r\n\r\nicon=setup.exe,3\r\n"), {}});
    ASSERT_EQ(1u, result.findings.size());
    const cd_check::Finding& finding = result.findings.front();
    EXPECT_EQ("AutoRun", finding.section);
    EXPECT_EQ("icon", finding.key);
    EXPECT_EQ(4u, finding.line);
    EXPECT_EQ("setup.exe,3", finding.detail);
    EXPECT_EQ(std::filesystem::path(dir.Path()) / "AutoRun.INF", result.inf);
}

// What differs between [AutoRun] and a platform section, and what of [AutoRun] that
// platform's Windows never reads.
TEST(Findings, PlatformSectionNamesTheKeysThatDiffer) {
    TempDir dir;
    const cd_check::CheckResult result =
        CheckTree(dir, {"",
                        WithSetup("[AutoRun]\r\nopen=setup.exe\r\nlabel=CD\r\n"
                                  "icon=setup.exe\r\nshell\\a\\command=setup.exe\r\n"
                                  "[AutoRun.x86]\r\nICON=\"setup.exe\"\r\nopen=setup.exe /q\r\n"
                                  "shellexecute=setup.exe\r\n"),
                        {}});
    ASSERT_EQ(1u, result.findings.size());
    const cd_check::Finding& finding = result.findings.front();
    EXPECT_EQ("AutoRun.x86", finding.section);
    EXPECT_EQ(6u, finding.line);
    EXPECT_EQ("open, label, shell\\a\\command, shellexecute; Windows dieser Plattform sieht "
              "nicht: label, shell\\a\\command",
              finding.detail);
}

// A file of processor sections only: Windows before the NT family, and each whose processor
// has no section, read nothing from it.
TEST(Findings, ProcessorSectionsOnlyNameTheWindowsThatReadNothing) {
    const struct {
        const char* sections;
        const char* detail;
    } cases[] = {
        {"[AutoRun.Amd64]\r\nopen=setup.exe\r\n",
         "Windows 95, 98 und Me, Windows f\374r x86 (32 Bit)"},
        {"[autorun.X86]\r\nopen=setup.exe\r\n[AUTORUN.AMD64]\r\nopen=setup.exe\r\n",
         "Windows 95, 98 und Me"},
        {"[AutoRun.Arm64]\r\nopen=setup.exe\r\n",
         "Windows 95, 98 und Me, Windows f\374r x86 (32 Bit), Windows f\374r x64 (64 Bit)"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const cd_check::CheckResult result = CheckTree(dir, {"", WithSetup(c.sections), {}});
        ASSERT_EQ(1u, result.findings.size()) << c.sections;
        EXPECT_STREQ("Q210", cd_check::TextOf(result.findings.front().kind).code);
        EXPECT_EQ(c.detail, result.findings.front().detail) << c.sections;
    }
}

// The keys AutoPlay reads, with the values Windows documents for them.
INSTANTIATE_TEST_SUITE_P(
    AutoPlayKeys, Trees,
    testing::Values(
        TreeCase{"ContentInAnyLetterCase",
                 {{"AutoRun.INF", "[AutoRun]\r\nlabel=CD\r\n[Content]\r\nMusicFiles=YES\r\n"
                                  "picturefiles=f\r\nVideoFiles=0\r\nOther=vielleicht\r\n"}},
                 {}},
        TreeCase{
            "ContentValueUnknown",
            {{"AutoRun.INF", "[AutoRun]\r\nlabel=CD\r\n[Content]\r\nVideoFiles=vielleicht\r\n"}},
            {"Q208"}},
        TreeCase{"UseAutoPlayOne", {{"AutoRun.INF", "[AutoRun]\r\nUseAutoPlay=1\r\n"}}, {}},
        TreeCase{"UseAutoPlayOtherValue",
                 {{"AutoRun.INF", "[AutoRun]\r\nuseautoplay=true\r\n"}},
                 {"Q209"}},
        TreeCase{"ActionPlainText",
                 {{"AutoRun.INF", "[AutoRun]\r\naction=@Home, -1 Programm starten\r\n"}},
                 {}},
        TreeCase{"ActionTextFromAFileOnTheCd",
                 {{"AutoRun.INF", "[AutoRun]\r\naction=@Texte\\cd.dll,-101\r\n"},
                  {"TEXTE/CD.DLL", SignedTinyProgram({})}},
                 {}},
        TreeCase{
            "ActionTextFromAFileOfTheSystem",
            {{"AutoRun.INF", "[AutoRun]\r\naction=@%SystemRoot%\\system32\\shell32.dll,-8496\r\n"}},
            {}},
        TreeCase{"ActionTextFromAMissingFile",
                 {{"AutoRun.INF", "[AutoRun]\r\naction=@Texte\\cd.dll,-101\r\n"
                                  "[AutoRun.Amd64]\r\naction=@Texte\\cd.dll,-101\r\n"}},
                 {"Q306", "Q306"}}));

// How Windows' profile reader reads what the INI document once read otherwise: each file
// would pass, or fail, if the check read it another way.
INSTANTIATE_TEST_SUITE_P(
    ReadingRules, Trees,
    testing::Values(TreeCase{"SemicolonInsideAValue",
                             {{"AutoRun.INF", "[AutoRun]\r\nopen=start.exe;x\r\n"},
                              {"start.exe", ""}},
                             {"Q301"}},
                    TreeCase{"SemicolonInsideTheLabel",
                             {{"AutoRun.INF",
                               "[AutoRun]\r\nlabel=Rock;Pop;Jazz;Blues;Soul;Funk;Folk;Punk\r\n"}},
                             {"Q205"}},
                    TreeCase{"LinesEndingInCarriageReturnsAlone",
                             {{"AutoRun.INF", "[AutoRun]\rlabel=CD\ropen=fehlt.exe\r"}},
                             {"Q301"}},
                    TreeCase{"BracketsInATextLineOpenNoSection",
                             WithSetup("[AutoRun]\r\nopen=setup.exe\r\nsiehe [Orbilan]\r\n"),
                             {}},
                    TreeCase{"ShellKeysInAnyLetterCase",
                             WithSetup("[AutoRun]\r\nSHELL=Go\r\nsHeLl\\go\\COMMAND=fehlt.exe\r\n"),
                             {"Q301"}}));

TEST(Findings, AMissingPathCannotBeChecked) {
    TempDir dir;
    const cd_check::CheckResult result =
        cd_check::CheckCd(std::filesystem::path(dir.Path()) / "nirgends", {});
    EXPECT_EQ(cd_check::Problem::kNoSuchPath, result.problem);
}

} // namespace
