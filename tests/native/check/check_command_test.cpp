// The command line: its exit codes, the JSON that other tools read and the German text in
// UTF-8.
#include "check_command.h"
#include "findings.h"
#include "string_table.h"

#include "cd_trees.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

using cd_check::RunCheckCommand;

struct ExitCase {
    const char* name;
    CdFiles files;
    // Arguments; "CD" stands for the directory of the files.
    std::vector<std::string> arguments;
    int exitCode;
};

void PrintTo(const ExitCase& c, std::ostream* out) {
    *out << c.name;
}

class ExitCodes : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitCodes, TellErrorsFromWarningsAndFailures) {
    TempDir dir;
    WriteTree(dir, GetParam().files);
    const cd_check::CommandResult result = RunCommand(dir, GetParam().arguments);
    EXPECT_EQ(GetParam().exitCode, result.exitCode) << result.output << result.error;
    // Whatever could not be checked is told on the error stream only.
    EXPECT_EQ(GetParam().exitCode == 2, result.output.empty());
    EXPECT_EQ(GetParam().exitCode == 2, !result.error.empty());
}

const CdFiles kClean = {{"AutoRun.INF", "[AutoRun]\r\nlabel=CD\r\n"}};
const CdFiles kWarning = {{"AutoRun.INF", "[AutoRun]\r\nlabel=CD\r\nlabel=DVD\r\n"}};
const CdFiles kError = {{"AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\n"}};

// A directory deeper than the walk through the CD goes.
std::string TooDeep() {
    std::string path;
    for (int level = 0; level < 130; ++level)
        path += "d/";
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExitCodes,
    testing::Values(ExitCase{"Clean", kClean, {"CD"}, 0},
                    ExitCase{"WarningsOnly", kWarning, {"--json", "CD"}, 0},
                    ExitCase{"AnError", kError, {"CD", "--iso9660"}, 1},
                    ExitCase{"NoInfIsAnError", {{"setup.exe", ""}}, {"CD"}, 1},
                    ExitCase{"NoSuchPath", kClean, {"/nirgends/AutoRun.INF"}, 2},
                    ExitCase{"NoPath", kClean, {"--json"}, 2},
                    ExitCase{"WalkCannotFinish",
                             {{"AutoRun.INF", "[AutoRun]\r\n"}, {TooDeep(), ""}},
                             {"--json", "CD"},
                             2},
                    ExitCase{"TwoPaths", kClean, {"CD", "CD"}, 2},
                    ExitCase{"UnknownOption", kClean, {"--yaml", "CD"}, 2}));

TEST(Json, HoldsEveryFindingWithItsParts) {
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", "[AutoRun]\r\nopen=\"Neu \\\"x\\\".exe\"\r\nOpen=a\r\n"}});
    const cd_check::CommandResult result = RunCommand(dir, {"--json", "CD"});
    const std::string inf = dir.Path() + "/AutoRun.INF";
    EXPECT_EQ(
        "{\n"
        "  \"inf\": \"" +
            inf +
            "\",\n"
            "  \"errors\": 1,\n"
            "  \"warnings\": 1,\n"
            "  \"findings\": [\n"
            "    {\"code\": \"Q206\", \"severity\": \"error\", \"section\": \"AutoRun\", "
            "\"key\": \"open\", \"line\": 2, \"message\": \"Die Zeile beginnt und endet mit "
            "Anf\xC3\xBChrungszeichen: Windows entfernt beim Lesen dieses Paar, und das Programm "
            "wird dann nicht gefunden. Schreiben Sie das letzte Argument ohne "
            "Anf\xC3\xBChrungszeichen oder h\xC3\xA4ngen Sie ein weiteres an.\", \"detail\": "
            "\"Neu \\\\\\\"x\\\\\\\".exe\"},\n"
            "    {\"code\": \"Q203\", \"severity\": \"warning\", \"section\": \"AutoRun\", "
            "\"key\": \"Open\", \"line\": 3, \"message\": \"Der Schl\xC3\xBCssel steht zweimal "
            "im Abschnitt; Windows nimmt den ersten.\", \"detail\": null}\n"
            "  ]\n"
            "}\n",
        result.output);
}

TEST(Json, EscapesQuotesAndBackslashesAndHasNoFindingsWhenClean) {
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", "[AutoRun]\r\nicon=a\\\"b\".ico\r\n"}});
    const std::string withFinding = RunCommand(dir, {"--json", "CD"}).output;
    EXPECT_NE(std::string::npos, withFinding.find("\"detail\": \"a\\\\\\\"b\\\".ico\""))
        << withFinding;

    TempDir clean;
    WriteTree(clean, kClean);
    const std::string none = RunCommand(clean, {"--json", "CD"}).output;
    EXPECT_NE(std::string::npos,
              none.find("\"errors\": 0,\n  \"warnings\": 0,\n  \"findings\": []"))
        << none;
}

TEST(Text, IsGermanInUtf8) {
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", "[AutoRun]\r\nshell\\Pr\374fen=Pr\374fen\r\n"}});
    const std::string text = RunCommand(dir, {"CD"}).output;
    EXPECT_NE(std::string::npos,
              text.find("Fehler  Q401 [AutoRun] shell\\Pr\xC3\xBC"
                        "fen, Zeile 2: Der Eintrag im "
                        "Kontextmen\xC3\xBC hat keine Befehlszeile (Schl\xC3\xBCssel \\Command): "
                        "Pr\xC3\xBC"
                        "fen\n"))
        << text;
    EXPECT_NE(std::string::npos, text.find("\n1 Fehler, 0 Warnungen\n")) << text;
}

TEST(Text, TellsWhyTheWalkStopped) {
    TempDir dir;
    WriteTree(dir, {{"AutoRun.INF", "[AutoRun]\r\nopen=fehlt.exe\r\n"}, {TooDeep(), ""}});
    const std::string error = RunCommand(dir, {"CD"}).error;
    EXPECT_NE(std::string::npos, error.find("(mehr als 128 Verzeichnisebenen)\n")) << error;
}

// The codes are the contract with scripts: each names one kind for good.
TEST(FindingTable, HasOneRowPerKindWithItsOwnCode) {
    const auto& texts = cd_check::AllFindingTexts();
    std::set<std::string> codes;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        EXPECT_EQ(index, static_cast<std::size_t>(texts[index].kind)) << texts[index].code;
        EXPECT_TRUE(codes.insert(texts[index].code).second) << texts[index].code;
        EXPECT_NE('\0', *texts[index].message);
    }
    EXPECT_EQ(static_cast<std::size_t>(cd_check::FindingKind::kSignatureBroken) + 1, texts.size());
}

// The checker and the editor's field check tell of the quote trap in the same words.
TEST(FindingTable, SaysWhatTheEditorSaysOfTheQuoteTrap) {
    EXPECT_STREQ(StringTableText(IDS_QUOTES_STRIPPED),
                 cd_check::TextOf(cd_check::FindingKind::kQuotesBreakCommandLine).message);
}

} // namespace
