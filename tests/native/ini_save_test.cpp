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

TEST_F(Saving, AUtf16FileIsNeverWrittenOver) {
    const std::string utf16("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0v\0\r\0\n\0", 22);
    WriteBytes(path, utf16);
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "w");
        EXPECT_FALSE(document.Save());
    }
    EXPECT_EQ(utf16, ReadBytes(path));
}

} // namespace
