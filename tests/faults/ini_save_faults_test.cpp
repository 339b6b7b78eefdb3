// A save of the INI document that fails at any of its steps, the failure injected in place of
// the platform functions: the file it would replace keeps its bytes and its look, no file of
// the save is left behind, the failure is reported, and the document stays modified, so that
// the next save succeeds once the fault is gone. Runs on the POSIX and the Win32 platform.
#include "fault_test_files.h"
#include "ini_file.h"
#include "ini_platform_faults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

namespace fs = std::filesystem;
using ini_faults::Step;

// The file before the save: a layout the writer never makes, so any rewrite shows.
const char kOriginal[] = "; vorher\r\n[AutoRun]\r\nOpen=alt.exe\r\n\r\n[Alt]\r\nk = v\r\n";

// Changes that make the new content span several buffer loads and a write of a value longer
// than the buffer.
void Edit(INIFile& document) {
    document.SetString("AutoRun", "Open", std::string(3000, 'x').c_str());
    for (int i = 0; i < 100; ++i) {
        char key[32];
        char value[32];
        std::snprintf(key, sizeof key, "Schluessel%03d", i);
        std::snprintf(value, sizeof value, "Wert %03d", i);
        document.SetString("Lang", key, value);
    }
}

// A fresh directory of the test's own, removed with its content.
class ScratchDirectory {
public:
    ScratchDirectory() {
        for (int attempt = 0;; ++attempt) {
            path_ = fs::temp_directory_path() / ("ini-faults-" + std::to_string(attempt));
            if (fs::create_directory(path_))
                return;
        }
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string PathOf(const char* name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const { return NamesIn(path_.string()); }

private:
    fs::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// What a file shows besides its bytes.
struct FileLook {
    int permissions;
    long long writeTime;
    unsigned long attributes; // Windows' file attributes; 0 elsewhere
};

bool operator==(const FileLook& a, const FileLook& b) {
    return a.permissions == b.permissions && a.writeTime == b.writeTime &&
           a.attributes == b.attributes;
}

void PrintTo(const FileLook& look, std::ostream* out) {
    *out << "permissions " << std::oct << look.permissions << std::dec << ", written at "
         << look.writeTime << ", attributes " << std::hex << look.attributes << std::dec;
}

FileLook LookOf(const std::string& path) {
    FileLook look{static_cast<int>(fs::status(path).permissions()),
                  static_cast<long long>(fs::last_write_time(path).time_since_epoch().count()), 0};
#ifdef _WIN32
    look.attributes = GetFileAttributesA(path.c_str());
#endif
    return look;
}

// Permissions, attributes and a time that no file gets by itself.
void GiveAnUnusualLook(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(49));
#ifdef _WIN32
    const DWORD unusual = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), unusual));
    ASSERT_EQ(GetFileAttributesA(path.c_str()) & unusual, unusual)
        << "the system kept no attributes";
#endif
}

// What the edited document is when its save succeeds.
const std::string& SavedContent() {
    static const std::string content = [] {
        ScratchDirectory directory;
        const std::string path = directory.PathOf("AutoRun.INF");
        WriteBytes(path, kOriginal);
        INIFile document(path.c_str());
        Edit(document);
        document.Save();
        return ReadFileBytes(path);
    }();
    return content;
}

// Where a write fails: how many bytes of the new content reach the file before.
std::size_t BytesBefore(At at) {
    return ::BytesBefore(at, SavedContent().size());
}

struct SaveFault {
    std::string name;
    Step step;
    At at;
};

void PrintTo(const SaveFault& fault, std::ostream* out) {
    *out << fault.name;
}

// Every step of a save, the write steps at every byte position.
std::vector<SaveFault> AllSaveFaults() {
    const struct {
        const char* name;
        Step step;
        bool atPositions;
    } steps[] = {
        {"CreateFails", Step::kCreate, false},     {"WritesFailFrom", Step::kWriteFrom, true},
        {"OneWriteFailsAt", Step::kWriteAt, true}, {"CloseFails", Step::kClose, false},
        {"ReplaceFails", Step::kReplace, false},
    };
    std::vector<SaveFault> faults;
    for (const auto& step : steps) {
        if (!step.atPositions) {
            faults.push_back({step.name, step.step, At::kNowhere});
            continue;
        }
        for (const WritePosition& position : kWritePositions)
            faults.push_back({std::string(step.name) + position.name, step.step, position.at});
    }
    return faults;
}

class SavingWithAFault : public testing::TestWithParam<SaveFault> {
protected:
    // Saves the document with the fault armed; the fault must have been reached.
    void SaveFailing(INIFile& document) {
        ini_faults::ArmedFault fault(GetParam().step, BytesBefore(GetParam().at));
        EXPECT_FALSE(document.Save());
        EXPECT_TRUE(fault.Fired()) << "the save never reached the fault";
    }

    ScratchDirectory directory_;
    const std::string path_ = directory_.PathOf("AutoRun.INF");
};

TEST_P(SavingWithAFault, LeavesTheFileAsItWasAndSucceedsOnceTheFaultIsGone) {
    ASSERT_FALSE(SavedContent().empty());
    WriteBytes(path_, kOriginal);
    GiveAnUnusualLook(path_);
    const FileLook before = LookOf(path_);
    INIFile document(path_.c_str());
    Edit(document);

    SaveFailing(document);
    EXPECT_EQ(ReadFileBytes(path_), kOriginal);
    EXPECT_EQ(LookOf(path_), before);
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{"AutoRun.INF"});
    EXPECT_TRUE(document.IsModified());

    EXPECT_TRUE(document.Save());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(ReadFileBytes(path_), SavedContent());
    EXPECT_EQ(LookOf(path_).attributes, before.attributes);
    EXPECT_EQ(LookOf(path_).permissions, before.permissions);
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{"AutoRun.INF"});
}

TEST_P(SavingWithAFault, LeavesNoFileWhereThereIsNone) {
    WriteBytes(path_, kOriginal);
    INIFile document(path_.c_str());
    Edit(document);
    ASSERT_TRUE(fs::remove(path_));

    SaveFailing(document);
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{});
    EXPECT_TRUE(document.IsModified());

    EXPECT_TRUE(document.Save());
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{"AutoRun.INF"});
}

// The document's last chance to save, its destruction, meets the fault as well.
TEST_P(SavingWithAFault, DestructionMeetingTheFaultLeavesTheFileAsItWas) {
    WriteBytes(path_, kOriginal);
    ini_faults::ArmedFault fault(GetParam().step, BytesBefore(GetParam().at));
    {
        INIFile document(path_.c_str());
        Edit(document);
    }
    EXPECT_TRUE(fault.Fired()) << "the destruction never reached the fault";
    EXPECT_EQ(ReadFileBytes(path_), kOriginal);
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{"AutoRun.INF"});
}

INSTANTIATE_TEST_SUITE_P(Steps, SavingWithAFault, testing::ValuesIn(AllSaveFaults()),
                         [](const testing::TestParamInfo<SaveFault>& param) {
                             return param.param.name;
                         });

// A file that could be read only in part: the document lacks the rest, and writing it would
// lose that rest. Such a file is never written over.
class LoadingWithAFault : public testing::TestWithParam<At> {
protected:
    ScratchDirectory directory_;
    const std::string path_ = directory_.PathOf("AutoRun.INF");
};

TEST_P(LoadingWithAFault, AFileReadOnlyInPartIsNeverWrittenOver) {
    // Longer than the buffer, so that the failure can come at any of its loads.
    const std::string original = SavedContent();
    WriteBytes(path_, original);
    ini_faults::ArmedFault fault(Step::kReadFrom, BytesBefore(GetParam()));
    INIFile document(path_.c_str());
    EXPECT_TRUE(fault.Fired()) << "the reading never reached the fault";
    document.SetString("AutoRun", "Open", "neu.exe");

    EXPECT_FALSE(document.Save());
    EXPECT_EQ(ReadFileBytes(path_), original);
    EXPECT_EQ(directory_.Names(), std::vector<std::string>{"AutoRun.INF"});
}

// A file that is there but cannot be opened gives an empty document, which must not take
// the file's place.
TEST(OpeningWithAFault, AFileThatCannotBeOpenedIsNeverWrittenOver) {
    ScratchDirectory directory;
    const std::string path = directory.PathOf("AutoRun.INF");
    WriteBytes(path, kOriginal);
    {
        ini_faults::ArmedFault fault(Step::kOpen);
        INIFile document(path.c_str());
        EXPECT_TRUE(fault.Fired()) << "the document never opened its file";
        EXPECT_STREQ(document.GetString("AutoRun", "Open", "none"), "none");
        document.SetString("AutoRun", "Open", "neu.exe");
        EXPECT_FALSE(document.Save());
    }
    EXPECT_EQ(ReadFileBytes(path), kOriginal);
    EXPECT_EQ(directory.Names(), std::vector<std::string>{"AutoRun.INF"});
}

std::string PositionName(const testing::TestParamInfo<At>& param) {
    const char* const names[] = {"Nowhere", "FirstByte", "SecondByte",
                                 "Middle",  "LastByte",  "BehindTheLast"};
    return names[static_cast<int>(param.param)];
}

INSTANTIATE_TEST_SUITE_P(Positions, LoadingWithAFault,
                         testing::Values(At::kFirstByte, At::kSecondByte, At::kMiddle,
                                         At::kLastByte, At::kBehindTheLast),
                         PositionName);

} // namespace
