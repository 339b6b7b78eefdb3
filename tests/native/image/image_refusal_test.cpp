// What a CD cannot hold is refused before anything is written, naming the file; a failure or a
// cancel leaves no image and nothing beside it.
#include "image_command.h"
#include "utf8.h"
#include "image_trees.h"
#include "image_plan.h"
#include "iso_writer.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <optional>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using iso_image::RefusalKind;

namespace {

struct Refused {
    RefusalKind kind;
    std::string path;
    bool operator==(const Refused& other) const { return kind == other.kind && path == other.path; }
};

std::vector<Refused> RefusalsOf(const std::string& root) {
    std::vector<Refused> refused;
    for (const iso_image::Refusal& refusal : iso_image::ReadSourceTree(root).refusals)
        refused.push_back(Refused{refusal.kind, utf8::OfUnits(refusal.path)});
    return refused;
}

std::string Nested(int levels) {
    std::string path;
    for (int level = 1; level <= levels; ++level)
        path += "Ebene" + std::to_string(level) + "/";
    return path;
}

void MakeSparse(const std::string& path, std::uint64_t size) {
    const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(ftruncate(descriptor, static_cast<off_t>(size)), 0);
    close(descriptor);
}

class ImageRefusals : public testing::Test {
protected:
    TempDir temp_;
    std::string cd_ = temp_.PathOf("cd");
    std::string iso_ = temp_.PathOf("cd.iso");
};

TEST_F(ImageRefusals, NamesEveryFileTheImageCannotHold) {
    const std::string longName = std::string(65, 'n') + "";
    const std::string longestName = std::string(60, 'n') + ".txt";
    // Seven directories below the root make eight levels: allowed; an eighth is one too many.
    MakeTree(cd_,
             {{longName, "x"},
              {longestName, "x"},
              {"Frage?.txt", "x"},
              {"a:b", "x"},
              {"Zeile\x01.txt", "x"},
              {Nested(7) + "tief.txt", "x"},
              {"lang/" + std::string(60, 'p') + "/" + std::string(62, 'q') + "/datei.txt", "x"}},
             {"flach/" + Nested(8)});
    MakeSparse(cd_ + "/vier.bin", 4ull << 30);
    MakeSparse(cd_ + "/knapp.bin", (4ull << 30) - 1);

    const std::vector<Refused> expected = {
        {RefusalKind::kForbiddenCharacter, "Frage?.txt"},
        {RefusalKind::kForbiddenCharacter, "Zeile\x01.txt"},
        {RefusalKind::kForbiddenCharacter, "a:b"},
        {RefusalKind::kTooDeep, "flach/" + Nested(7).substr(0, Nested(7).size() - 1)},
        {RefusalKind::kPathTooLong, "lang/" + std::string(60, 'p') + "/" + std::string(62, 'q')},
        {RefusalKind::kPathTooLong,
         "lang/" + std::string(60, 'p') + "/" + std::string(62, 'q') + "/datei.txt"},
        {RefusalKind::kNameTooLong, longName},
        {RefusalKind::kFileTooLarge, "vier.bin"},
    };
    EXPECT_EQ(RefusalsOf(cd_), expected);

    const iso_image::CommandResult result = iso_image::RunImageCommand({cd_, iso_}, false);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Der Name enth\xC3\xA4lt ein Zeichen, das Joliet nicht "
                                 "erlaubt (* / : ; ? \\ oder ein Steuerzeichen): Frage?.txt\n"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("4 GiB gro\xC3\x9F oder gr\xC3\xB6\xC3\x9F"
                                 "er; ISO 9660 kann sie nicht aufnehmen: vier.bin\n"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(iso_));
    EXPECT_EQ(temp_.CountEntries(), 1);
}

TEST_F(ImageRefusals, CancelLeavesNothing) {
    MakeTree(cd_, {{"a.bin", std::string(9u << 20, 'a')}, {"b.txt", "b"}});
    const iso_image::SourceTree tree = iso_image::ReadSourceTree(cd_);
    int calls = 0;
    const iso_image::WriteResult result =
        iso_image::WriteImage(tree, {u"CD", 0}, iso_, [&](std::uint64_t written, std::uint64_t) {
            ++calls;
            return written < (8u << 20);
        });
    EXPECT_EQ(result.outcome, iso_image::WriteOutcome::kCancelled);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(temp_.CountEntries(), 1);
}

TEST_F(ImageRefusals, FilesThatChangeOrVanishLeaveNothing) {
    MakeTree(cd_, {{"a.bin", std::string(5000, 'a')}, {"b.txt", "b"}});
    const iso_image::SourceTree tree = iso_image::ReadSourceTree(cd_);

    WriteBytes(cd_ + "/a.bin", std::string(5001, 'a'));
    iso_image::WriteResult result = iso_image::WriteImage(tree, {u"CD", 0}, iso_, nullptr);
    EXPECT_EQ(result.outcome, iso_image::WriteOutcome::kChanged);
    EXPECT_EQ(result.path, cd_ + "/a.bin");

    WriteBytes(cd_ + "/a.bin", std::string(4999, 'a'));
    result = iso_image::WriteImage(tree, {u"CD", 0}, iso_, nullptr);
    EXPECT_EQ(result.outcome, iso_image::WriteOutcome::kChanged);

    fs::remove(cd_ + "/b.txt");
    WriteBytes(cd_ + "/a.bin", std::string(5000, 'a'));
    result = iso_image::WriteImage(tree, {u"CD", 0}, iso_, nullptr);
    EXPECT_EQ(result.outcome, iso_image::WriteOutcome::kCannotRead);
    EXPECT_EQ(temp_.CountEntries(), 1);
}

TEST_F(ImageRefusals, ThePlanNamesTheVolume) {
    const struct {
        const char* inf;
        std::optional<std::u16string> given;
        std::u16string volume;
    } rows[] = {
        // Windows' reader drops the quotes; so do the editor and quillot-image.
        {"[AutoRun]\r\nlabel='Meine CD'\r\n", std::nullopt, u"Meine CD"},
        {"[AutoRun]\r\nlabel='Meine CD'\r\n", u"Gesetzt", u"Gesetzt"},
        {"[AutoRun]\r\nopen=a.exe\r\n", std::nullopt, u"cd"},
    };
    for (const auto& row : rows) {
        MakeTree(cd_, {{"autorun.inf", row.inf}});
        EXPECT_EQ(iso_image::PlanImage(cd_, row.given).settings.label, row.volume) << row.inf;
    }
}

TEST_F(ImageRefusals, CommandExitCodes) {
    MakeTree(cd_, {{"a.txt", "a"}});
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* error;
    } rows[] = {
        {{cd_}, 2, "Aufruf: quillot-image [--label NAME] VERZEICHNIS ABBILD.iso\n"},
        {{"--json", cd_, iso_}, 2, "Aufruf:"},
        {{cd_ + "/fehlt", iso_}, 2, "Das Verzeichnis gibt es nicht:"},
        {{cd_, temp_.PathOf("fehlt/cd.iso")}, 2, "Das Abbild kann nicht angelegt werden:"},
        {{"--label", "Name", cd_, iso_}, 0, ""},
    };
    for (const auto& row : rows) {
        const iso_image::CommandResult result = iso_image::RunImageCommand(row.arguments, false);
        EXPECT_EQ(result.exitCode, row.exitCode) << result.error;
        EXPECT_EQ(result.error.rfind(row.error, 0), 0u) << result.error;
    }
    EXPECT_TRUE(fs::exists(iso_));
    EXPECT_EQ(temp_.CountEntries(), 2);
}

} // namespace
