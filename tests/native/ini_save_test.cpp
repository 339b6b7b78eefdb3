// When the document is written, and that a failed save leaves the old file as it was.
#include "ini_describe.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <sys/resource.h>

namespace {

const char kOddLayout[] = "\r\n; kept as it is\r\n[b]\r\nk = v\r\n\r\n[A]\r\n";

class Saving : public ::testing::Test {
protected:
    TempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
};

TEST_F(Saving, NothingIsWrittenForADocumentThatWasOnlyRead) {
    WriteBytes(path, kOddLayout);
    {
        INIFile document(path.c_str());
        EXPECT_STREQ("v", document.GetString("B", "K", ""));
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ(kOddLayout, ReadBytes(path));
}

TEST_F(Saving, DestructionSavesWhatTheOwnerDidNotSave) {
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "v");
    }
    EXPECT_EQ("[A]\r\nk=v\r\n\r\n\r\n", ReadBytes(path));
}

TEST_F(Saving, AnExplicitSaveIsTheLastWrite) {
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "v");
        EXPECT_TRUE(document.Save());
        WriteBytes(path, "changed by someone else");
    }
    EXPECT_EQ("changed by someone else", ReadBytes(path));
}

TEST_F(Saving, KeepsThePermissionsOfTheFileItReplaces) {
    WriteBytes(path, "[A]\r\n");
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "v");
        ASSERT_TRUE(document.Save());
    }
    EXPECT_EQ(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
              fs::status(path).permissions());
}

// Lowers the largest size a file may be written to, for the lifetime of the object; writes
// beyond it fail with EFBIG as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int);
};

TEST_F(Saving, AFailingWriteLeavesTheOldFileAndTheDocumentModified) {
    WriteBytes(path, kOddLayout);
    INIFile document(path.c_str());
    document.SetString("AutoRun", "Open", std::string(3000, 'x').c_str());
    {
        FileSizeLimit limit(1024);
        EXPECT_FALSE(document.Save());
    }
    EXPECT_EQ(kOddLayout, ReadBytes(path));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(1, dir.CountEntries());
    EXPECT_TRUE(document.Save());
    EXPECT_NE(std::string::npos, ReadBytes(path).find(std::string(3000, 'x')));
}

TEST_F(Saving, AFileThatCannotBeReplacedIsReportedAndLeftAlone) {
    std::filesystem::create_directory(path);
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "v");
        EXPECT_FALSE(document.Save());
        EXPECT_TRUE(document.IsModified());
    }
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(1, dir.CountEntries());
}

TEST_F(Saving, AFileInAMissingDirectoryIsReportedAsNotSaved) {
    INIFile document(dir.PathOf("gone/AutoRun.INF").c_str());
    document.SetString("A", "k", "v");
    EXPECT_FALSE(document.Save());
    EXPECT_TRUE(document.IsModified());
}

class LongLines : public Saving, public ::testing::WithParamInterface<std::size_t> {};

// A comment, a value and a text line of any length are written back whole, byte for byte:
// no piece of them turns into a line of its own.
TEST_P(LongLines, AreWrittenBackWhole) {
    std::string filler;
    for (std::size_t i = 0; filler.size() < GetParam(); ++i)
        filler += static_cast<char>('a' + i % 26);
    // Each line is GetParam() bytes long, its line end not counted.
    const std::string comment = "[AutoRun]\t; " + filler.substr(0, GetParam() - 13);
    const std::string value = "Open=" + filler.substr(0, GetParam() - 5);
    const std::string text = filler;
    const std::string bytes = comment + "\r\n" + value + "\r\n" + text + "\r\n\r\n\r\n";
    WriteBytes(path, bytes);
    {
        INIFile document(path.c_str());
        EXPECT_EQ(GetParam() - 5, std::string(document.GetString("AutoRun", "Open", "")).size());
        MarkModified(document);
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ(bytes, ReadBytes(path));
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongLines, ::testing::Values(2047, 2048, 5000, 100000));

class UnreadableText : public Saving, public ::testing::WithParamInterface<std::string> {};

// Text that cannot be taken apart into lines is never written over: the document lacks it.
TEST_P(UnreadableText, IsNeverWrittenOver) {
    WriteBytes(path, GetParam());
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "w");
        EXPECT_FALSE(document.Save());
    }
    EXPECT_EQ(GetParam(), ReadBytes(path));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, UnreadableText,
    ::testing::Values(std::string("\xFE\xFF\0[\0A\0]\0\r\0\n\0k\0=\0v\0\r\0\n", 22),
                      std::string("[\0A\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 20),
                      std::string("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0v\0\r", 19)));

} // namespace
