// What a CD cannot hold is refused before anything is written, naming the file; a failure or a
// cancel leaves no image and nothing beside it.
#include "image_command.h"
#include "utf8.h"
#include "image_trees.h"
#include "image_plan.h"
#include "iso_writer.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <filesystem>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
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

    // In the order of the names as Windows compares them.
    const std::vector<Refused> expected = {
        {RefusalKind::kForbiddenCharacter, "a:b"},
        {RefusalKind::kTooDeep, "flach/" + Nested(7).substr(0, Nested(7).size() - 1)},
        {RefusalKind::kForbiddenCharacter, "Frage?.txt"},
        {RefusalKind::kPathTooLong, "lang/" + std::string(60, 'p') + "/" + std::string(62, 'q')},
        {RefusalKind::kPathTooLong,
         "lang/" + std::string(60, 'p') + "/" + std::string(62, 'q') + "/datei.txt"},
        {RefusalKind::kNameTooLong, longName},
        {RefusalKind::kFileTooLarge, "vier.bin"},
        {RefusalKind::kForbiddenCharacter, "Zeile\x01.txt"},
    };
    EXPECT_EQ(RefusalsOf(cd_), expected);

    // UDF holds the file of 4 GiB; without it, Windows 95 could not read it.
    const iso_image::CommandResult withUdf = iso_image::RunImageCommand({cd_, iso_}, false);
    EXPECT_EQ(withUdf.exitCode, 1);
    EXPECT_EQ(withUdf.output.find("vier.bin"), std::string::npos) << withUdf.output;
    const iso_image::CommandResult result =
        iso_image::RunImageCommand({"--no-udf", cd_, iso_}, false);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Der Name enth\xC3\xA4lt ein Zeichen, das Windows oder Joliet "
                                 "nicht erlaubt (< > \" | * / : ; ? \\ oder ein Steuerzeichen): "
                                 "Frage?.txt\n"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("Der Name ist l\xC3\xA4nger als die 64 UTF-16-Einheiten (ein "
                                 "Zeichen jenseits von U+FFFF belegt zwei), die Joliet erlaubt: " +
                                 longName + "\n"),
              std::string::npos);
    EXPECT_NE(result.output.find("4 GiB gro\xC3\x9F oder gr\xC3\xB6\xC3\x9F"
                                 "er; ohne UDF, wie Windows 95 es liest, kann das Abbild sie "
                                 "nicht aufnehmen: vier.bin\n"),
              std::string::npos)
        << result.output;
    EXPECT_FALSE(fs::exists(iso_));
    EXPECT_EQ(temp_.CountEntries(), 1);
}

TEST_F(ImageRefusals, NamesWindowsCannotHoldOrTellApart) {
    const struct {
        std::vector<TreeFile> files;
        std::vector<Refused> expected;
    } rows[] = {
        {{{"readme.txt", "a"}, {"README.TXT", "b"}, {"Liesmich.txt", "c"}},
         {{RefusalKind::kSameName, "README.TXT"}, {RefusalKind::kSameName, "readme.txt"}}},
        {{{"Docs/a", "a"}, {"docs/b", "b"}},
         {{RefusalKind::kSameName, "Docs"}, {RefusalKind::kSameName, "docs"}}},
        {{{"notes.", "a"}, {"notes", "b"}, {"x ", "c"}, {"x", "d"}},
         {{RefusalKind::kSameName, "notes"},
          {RefusalKind::kSameName, "notes."},
          {RefusalKind::kSameName, "x"},
          {RefusalKind::kSameName, "x "}}},
        // A name in Latin-1 bytes is read as code page 1252: it meets its UTF-8 spelling.
        {{{"caf\xC3\xA9.txt", "a"}, {"caf\xE9.txt", "b"}, {"sub/CAF\xC3\x89.TXT", "c"}},
         {{RefusalKind::kSameName, "caf\xC3\xA9.txt"},
          {RefusalKind::kSameName, "caf\xC3\xA9.txt"}}},
        {{{"\xC3\x9C"
           "ber.txt",
           "a"},
          {"\xC3\xBC"
           "ber.txt",
           "b"}},
         {{RefusalKind::kSameName, "\xC3\x9C"
                                   "ber.txt"},
          {RefusalKind::kSameName, "\xC3\xBC"
                                   "ber.txt"}}},
        {{{"a<b", "a"}, {"a>b", "b"}, {"a\"b", "c"}, {"a|b", "d"}, {"a+b", "e"}},
         {{RefusalKind::kForbiddenCharacter, "a\"b"},
          {RefusalKind::kForbiddenCharacter, "a<b"},
          {RefusalKind::kForbiddenCharacter, "a>b"},
          {RefusalKind::kForbiddenCharacter, "a|b"}}},
        {{{"CON", "a"},
          {"aux", "b"},
          {"nul.txt", "c"},
          {"Com1.tar.gz", "d"},
          {"lpt9 .log", "e"},
          {"PRN/x", "f"},
          {"COM10", "g"},
          {"console.txt", "h"},
          {"LPT0", "i"}},
         {{RefusalKind::kDeviceName, "aux"},
          {RefusalKind::kDeviceName, "Com1.tar.gz"},
          {RefusalKind::kDeviceName, "CON"},
          {RefusalKind::kDeviceName, "lpt9 .log"},
          {RefusalKind::kDeviceName, "nul.txt"},
          {RefusalKind::kDeviceName, "PRN"}}},
    };
    for (const auto& row : rows) {
        fs::remove_all(cd_);
        MakeTree(cd_, row.files);
        EXPECT_EQ(RefusalsOf(cd_), row.expected) << row.files.front().path;
    }

    const iso_image::CommandResult result = iso_image::RunImageCommand({cd_, iso_}, false);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Der Name ist unter Windows ein Ger\xC3\xA4t (CON, PRN, AUX, "
                                 "NUL, COM1 bis COM9, LPT1 bis LPT9, mit jeder Endung): nul.txt\n"),
              std::string::npos)
        << result.output;
    EXPECT_FALSE(fs::exists(iso_));
}

TEST_F(ImageRefusals, LinksThatLeadNowhereInACircleOrOut) {
    MakeTree(cd_, {{"src/docs/a.txt", "a"}}, {"src/quer"});
    WriteBytes(temp_.PathOf("aussen.txt"), "outside");
    const struct {
        const char* link;
        std::string to;
    } links[] = {
        // An editor's lock file.
        {"src/docs/.#manual.txt", "user@host.4711:1700000000"},
        {"self", "self"},
        {"src/hoch", ".."},
        // Two that lead to each other's directories.
        {"src/docs/quer", "../quer"},
        {"src/quer/docs", "../docs"},
        {"aussen", temp_.PathOf("aussen.txt")},
        {"innen.txt", "src/docs/a.txt"},
    };
    for (const auto& link : links)
        fs::create_symlink(link.to, cd_ + "/" + link.link);

    const iso_image::SourceTree tree = iso_image::ReadSourceTree(cd_);
    const std::vector<Refused> expected = {
        {RefusalKind::kLinkLoop, "self"},
        {RefusalKind::kLinkLoop, "src/hoch"},
        {RefusalKind::kDanglingLink, "src/docs/.#manual.txt"},
        {RefusalKind::kLinkLoop, "src/docs/quer/docs"},
        {RefusalKind::kDanglingLink, "src/quer/docs/.#manual.txt"},
        {RefusalKind::kLinkLoop, "src/quer/docs/quer"}};
    EXPECT_EQ(RefusalsOf(cd_), expected);
    EXPECT_EQ(tree.skippedLinks, std::vector<std::u16string>{u"aussen"});
    iso_image::CommandResult result = iso_image::RunImageCommand({cd_, iso_}, false);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(
        result.output.find("Die Verkn\xC3\xBCpfung zeigt auf nichts: src/docs/.#manual.txt\n"),
        std::string::npos)
        << result.output;

    for (const char* refused : {"self", "src/hoch", "src/docs/.#manual.txt", "src/docs/quer"})
        fs::remove(cd_ + "/" + refused);
    result = iso_image::RunImageCommand({cd_, iso_}, false);
    EXPECT_EQ(result.exitCode, 0) << result.error;
    EXPECT_EQ(result.output.rfind("\xC3\x9C"
                                  "bersprungen: die Verkn\xC3\xBCpfung f\xC3\xBChrt aus dem "
                                  "Verzeichnis hinaus: aussen\n",
                                  0),
              0u)
        << result.output;
    // The link inside the tree stands for its file.
    EXPECT_EQ(RunTool("bsdtar -xOf " + Quoted(iso_) + " innen.txt").output, "a");
}

TEST_F(ImageRefusals, ImageBeyondTheSectorNumbers) {
    // 2047 holes of 4 GiB - 1 (2^21 sectors each) and the metadata fit in 2^32 sectors; one
    // more does not. Nothing is written: the layout alone tells.
    MakeTree(cd_, {}, {"teil"});
    const auto add = [&](int number) {
        MakeSparse(cd_ + "/teil/f" + std::to_string(10000 + number), (4ull << 30) - 1);
    };
    for (int number = 0; number < 2047; ++number)
        add(number);
    EXPECT_TRUE(iso_image::PlanImage(cd_, std::nullopt, iso_).tree.refusals.empty());
    add(2047);
    const iso_image::SourceTree tree = iso_image::PlanImage(cd_, std::nullopt, iso_).tree;
    ASSERT_EQ(tree.refusals.size(), 1u);
    EXPECT_EQ(tree.refusals[0].kind, RefusalKind::kImageTooLarge);
    EXPECT_EQ(utf8::OfUnits(tree.refusals[0].path), "teil/f12047");
}

TEST_F(ImageRefusals, AnImageInsideTheTreeNeverHoldsItself) {
    MakeTree(cd_, {{"a.txt", "a"}, {"cd.iso.part", "left over"}, {"cd.iso.part.txt", "mine"}});
    const std::string inside = cd_ + "/cd.iso";
    std::uintmax_t size = 0;
    for (int run = 0; run < 3; ++run) {
        ASSERT_EQ(iso_image::RunImageCommand({cd_, inside}, false).exitCode, 0);
        if (run > 0) {
            EXPECT_EQ(fs::file_size(inside), size) << run;
        }
        size = fs::file_size(inside);
    }
    std::vector<std::string> names;
    for (const iso_image::SourceNode& child : iso_image::ReadSourceTree(cd_, inside).root.children)
        names.push_back(utf8::OfUnits(child.name));
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "cd.iso.part.txt"}));
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

// Polls until done() or the seconds have passed; false then.
template <typename Done> bool WaitFor(Done done, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TEST_F(ImageRefusals, ASignalLeavesNothing) {
    MakeTree(cd_, {{"a.txt", "a"}});
    // Long enough to write that the signal comes while it is written; a hole, cheap to read.
    MakeSparse(cd_ + "/gross.bin", 3ull << 30);
    const std::string part = iso_ + ".part";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        std::string exe = QUILLOT_IMAGE_EXE;
        char* const arguments[] = {exe.data(), cd_.data(), iso_.data(), nullptr};
        // Its message on the cancel is not this test's output.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, exe.c_str(), &quiet, nullptr, arguments, environ);
        posix_spawn_file_actions_destroy(&quiet);
        ASSERT_EQ(spawned, 0);
        const bool writing = WaitFor(
            [&] {
                std::error_code error;
                return fs::file_size(part, error) > 0 && !error;
            },
            60);
        kill(child, writing ? signal : SIGKILL);
        int status = 0;
        if (!WaitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 60)) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        }
        ASSERT_TRUE(writing) << signal;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << signal << " " << status;
        EXPECT_EQ(temp_.CountEntries(), 1) << signal;
    }
}

TEST_F(ImageRefusals, PartialFilesOfKilledRunsAreTakenOver) {
    MakeTree(cd_, {{"a.txt", "a"}});
    // Left by killed runs: before, the hundredth run found no name.
    for (int number = 0; number < 100; ++number)
        WriteBytes(iso_ + ".part" + (number == 0 ? "" : std::to_string(number)), "alt");
    // One that a run is writing now, which holds its lock.
    const int writing = open((iso_ + ".part").c_str(), O_WRONLY);
    ASSERT_EQ(flock(writing, LOCK_EX | LOCK_NB), 0);

    ASSERT_EQ(iso_image::RunImageCommand({cd_, iso_}, false).exitCode, 0);
    EXPECT_EQ(ReadBytes(iso_ + ".part"), "alt");
    EXPECT_FALSE(fs::exists(iso_ + ".part1"));
    close(writing);
    ASSERT_EQ(iso_image::RunImageCommand({cd_, iso_}, false).exitCode, 0);
    EXPECT_FALSE(fs::exists(iso_ + ".part"));
    // The image, the tree and the 98 left over.
    EXPECT_EQ(temp_.CountEntries(), 100);
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
        EXPECT_EQ(iso_image::PlanImage(cd_, row.given, iso_).settings.label, row.volume) << row.inf;
    }
}

TEST_F(ImageRefusals, CommandExitCodes) {
    MakeTree(cd_, {{"a.txt", "a"}});
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* error;
    } rows[] = {
        {{cd_}, 2, "Aufruf: quillot-image [--label NAME] [--no-udf] VERZEICHNIS ABBILD.iso\n"},
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
