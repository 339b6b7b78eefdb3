// What each Windows does with a CD, one row per documented rule: the section it reads, what
// inserting does, the name and the context menu it shows, the content AutoPlay is told of.
#include "cd_trees.h"
#include "check_command.h"
#include "targets.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using cd_check::OnInsert;

const cd_check::TargetAnswer* AnswerOf(const cd_check::CheckResult& result, const char* target) {
    for (const cd_check::TargetAnswer& answer : result.targets)
        if (std::string(answer.target->name) == target)
            return &answer;
    return nullptr;
}

struct TargetCase {
    const char* name;
    std::string inf;
    const char* target;
    const char* section;
    OnInsert onInsert;
    const char* command;
    const char* label;
    std::vector<std::string> entries;
    const char* content;
    // A note the answer holds; empty: none expected.
    const char* note;
};

void PrintTo(const TargetCase& row, std::ostream* out) {
    *out << row.name;
}

const std::string kBoth = "[AutoRun.Amd64]\r\nopen=x64.exe\r\n[AutoRun]\r\nopen=x86.exe\r\n";
const std::string kFourtyLetters = "Ein Name von vierzig Zeichen, zu lang!!!";
const char* const kXpX86 = "Windows XP x86 (CD)";
const char* const kVistaX64 = "Windows Vista bis 11 x64 (CD/DVD)";
const char* const kWin95 = "Windows 95/98 (CD)";

class Targets : public testing::TestWithParam<TargetCase> {};

TEST_P(Targets, AnswerAsWindowsDocumentsIt) {
    const TargetCase& row = GetParam();
    TempDir dir;
    WriteTree(
        dir,
        {{"AutoRun.INF", row.inf}, {"x64.exe", ""}, {"x86.exe", ""}, {"a.exe", ""}, {"a.htm", ""}});
    cd_check::CheckOptions options;
    options.targets = true;
    const cd_check::CheckResult result = cd_check::CheckCd(dir.Path(), options);
    ASSERT_EQ(result.targets.size(), cd_check::AllTargets().size());
    const cd_check::TargetAnswer* answer = AnswerOf(result, row.target);
    ASSERT_NE(answer, nullptr) << row.target;
    EXPECT_EQ(answer->section, row.section);
    EXPECT_EQ(answer->onInsert, row.onInsert);
    EXPECT_EQ(answer->command, row.command);
    EXPECT_EQ(answer->label, row.label);
    EXPECT_EQ(answer->entries, row.entries);
    EXPECT_EQ(answer->content, row.content);
    std::string notes;
    for (const cd_check::TargetNote& note : answer->notes)
        notes += cd_check::TextOf(note) + "; ";
    if (*row.note == '\0')
        EXPECT_EQ(notes, "");
    else
        EXPECT_NE(notes.find(row.note), std::string::npos) << notes;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Targets,
    testing::Values(
        TargetCase{"X64ReadsItsSection",
                   kBoth,
                   kVistaX64,
                   "AutoRun.Amd64",
                   OnInsert::kOffered,
                   "x64.exe",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"X86ReadsAutoRunWithoutItsSection",
                   kBoth,
                   "Windows Vista bis 11 x86 (CD/DVD)",
                   "AutoRun",
                   OnInsert::kOffered,
                   "x86.exe",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"Windows95ReadsAutoRunOnly",
                   kBoth,
                   kWin95,
                   "AutoRun",
                   OnInsert::kStarted,
                   "x86.exe",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"Arm64IsNotDocumented",
                   kBoth,
                   "Windows 10/11 ARM64 (CD/DVD)",
                   "AutoRun",
                   OnInsert::kOffered,
                   "x86.exe",
                   "",
                   {},
                   "",
                   "nicht dokumentiert"},
        TargetCase{"ProcessorSectionsOnlyGiveWindows95Nothing",
                   "[AutoRun.Amd64]\r\nopen=x64.exe\r\n",
                   kWin95,
                   "",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   "liest nichts"},
        TargetCase{
            "UsbStickShowsIconAndNameOnly",
            "[AutoRun]\r\nopen=a.exe\r\nlabel=Stick\r\nshell\\x=X\r\nshell\\x\\command=a.exe\r\n",
            "Windows XP bis 11 x64 (USB-Stick)",
            "AutoRun",
            OnInsert::kNothing,
            "",
            "Stick",
            {},
            "",
            "kein Kontextmen\xFC"},
        TargetCase{"UseAutoPlayOffersOnXp",
                   "[AutoRun]\r\nopen=a.exe\r\nUseAutoPlay=1\r\n",
                   kXpX86,
                   "AutoRun",
                   OnInsert::kOffered,
                   "a.exe",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"UseAutoPlayHidesTheProgramFromVistaOn",
                   "[AutoRun]\r\nopen=a.exe\r\nUseAutoPlay=1\r\n",
                   kVistaX64,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   "UseAutoPlay=1"},
        TargetCase{"LabelShowsItsFirst32Characters",
                   "[AutoRun]\r\nlabel=" + kFourtyLetters + "\r\n",
                   kXpX86,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "Ein Name von vierzig Zeichen, zu",
                   {},
                   "",
                   "32 Zeichen"},
        TargetCase{"LabelOnWindows95IsNotDocumented",
                   "[AutoRun]\r\nlabel=CD\r\n",
                   kWin95,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   "nicht dokumentiert"},
        TargetCase{"Windows95ReadsNoShellExecute",
                   "[AutoRun]\r\nshellexecute=a.htm\r\n",
                   kWin95,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   "shellexecute nicht"},
        TargetCase{"WindowsMeStartsTheDocument",
                   "[AutoRun]\r\nshellexecute=a.htm\r\n",
                   "Windows Me (CD)",
                   "AutoRun",
                   OnInsert::kStarted,
                   "a.htm",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"ContentForcedAndHiddenFromVistaOn",
                   "[AutoRun]\r\n[Content]\r\nMusicFiles=YES\r\nPictureFiles=0\r\n",
                   kVistaX64,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "Musik: ja, Bilder: nein",
                   ""},
        TargetCase{"XpKnowsNoContent",
                   "[AutoRun]\r\n[Content]\r\nMusicFiles=YES\r\n",
                   kXpX86,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{
            "EntriesAndTheirDefault",
            "[AutoRun]\r\nshell=Lies\r\nshell\\lies=Lies mich\r\nshell\\lies\\command=a.exe\r\n",
            kXpX86,
            "AutoRun",
            OnInsert::kNothing,
            "",
            "",
            {"lies"},
            "",
            ""},
        TargetCase{"AnIconOfNoFileIsTheDrivesOwn",
                   "[AutoRun]\r\nicon=,0\r\n",
                   kXpX86,
                   "AutoRun",
                   OnInsert::kNothing,
                   "",
                   "",
                   {},
                   "",
                   ""},
        TargetCase{"AMissingProgramIsNoted",
                   "[AutoRun]\r\nopen=fehlt.exe\r\n",
                   kXpX86,
                   "AutoRun",
                   OnInsert::kStarted,
                   "fehlt.exe",
                   "",
                   {},
                   "",
                   "fehlt auf der CD: fehlt.exe"}),
    [](const testing::TestParamInfo<TargetCase>& param) { return std::string(param.param.name); });

// quillot-check prints the same table as text and names every target in JSON.
TEST(TargetsCommand, PrintsTheTableAfterTheFindings) {
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", kBoth}, {"x64.exe", ""}, {"x86.exe", ""}});
    const std::string text = RunCommand(dir, {"--targets", "CD"}).output;
    EXPECT_NE(text.find("\n\nWindows\tAbschnitt\tBeim Einlegen\tSymbol\tName\tKontextmen\xC3\xBC"
                        "\tInhalte\tHinweise\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Windows XP x64 (CD)\t[AutoRun.Amd64]\tstartet sofort: x64.exe\t"),
              std::string::npos)
        << text;
    const std::string json = RunCommand(dir, {"--targets", "--json", "CD"}).output;
    EXPECT_NE(json.find("\"targets\": [\n    {\"windows\": \"Windows 95/98 (CD)\", \"section\": "
                        "\"AutoRun\", \"onInsert\": \"started\", \"command\": \"x86.exe\""),
              std::string::npos)
        << json;
    EXPECT_EQ(RunCommand(dir, {"CD"}).output.find("Beim Einlegen"), std::string::npos);
}

} // namespace
