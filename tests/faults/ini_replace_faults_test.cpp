// The INI document's new file taking the old one's place, with MoveFileEx and on the systems
// without it (Windows 95, 98 and Me), played by a layer in front of the move functions: when
// a move fails on the way, the old file stays as it was and nothing else is left behind.
#include "fault_test_files.h"
#include "ini_file.h"
#include "move_faults.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

using move_faults::Step;

const char kOriginal[] = "; vorher\r\n[AutoRun]\r\nOpen=alt.exe\r\n";
const char kSaved[] = "[AutoRun]\r\nOpen=neu.exe\r\n\r\n\r\n";
const DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

struct ReplaceCase {
    const char* name;
    bool withoutMoveFileEx;
    bool oldFile; // whether a file lies at the target before the save
    Step step;
};

void PrintTo(const ReplaceCase& c, std::ostream* out) {
    *out << c.name;
}

class ReplacingTheOldFile : public testing::TestWithParam<ReplaceCase> {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
        for (int attempt = 0;; ++attempt) {
            dir_ = std::string(temp) + "ini-fallback-" + std::to_string(attempt);
            if (CreateDirectoryA(dir_.c_str(), nullptr))
                break;
            ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << dir_;
        }
        path_ = dir_ + "\\AutoRun.INF";
    }
    void TearDown() override {
        for (const std::string& name : Names()) {
            SetFileAttributesA((dir_ + "\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((dir_ + "\\" + name).c_str());
        }
        RemoveDirectoryA(dir_.c_str());
    }

    std::vector<std::string> Names() const { return NamesIn(dir_); }

    std::string dir_;
    std::string path_;
};

TEST_P(ReplacingTheOldFile, KeepsTheOldFileUntilTheNewOneIsInPlace) {
    const ReplaceCase& c = GetParam();
    {
        std::ofstream out(path_, std::ios::binary);
        out << kOriginal;
    }
    INIFile document(path_.c_str());
    document.SetString("AutoRun", "Open", "neu.exe");
    if (c.oldFile)
        ASSERT_TRUE(SetFileAttributesA(path_.c_str(), kKept));
    else
        ASSERT_TRUE(DeleteFileA(path_.c_str()));
    const std::vector<std::string> before = Names();

    if (c.step != Step::kNone) {
        move_faults::ArmedFault fault(c.withoutMoveFileEx, c.step, path_);
        EXPECT_FALSE(document.Save());
        EXPECT_TRUE(fault.Fired()) << "the save never reached the fault";
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(Names(), before);
        if (c.oldFile) {
            EXPECT_EQ(ReadFileBytes(path_), kOriginal);
            EXPECT_EQ(GetFileAttributesA(path_.c_str()) & kKept, kKept);
        }
    }

    move_faults::ArmedFault sameSystem(c.withoutMoveFileEx, Step::kNone, "");
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(ReadFileBytes(path_), kSaved);
    EXPECT_EQ(Names(), std::vector<std::string>{"AutoRun.INF"});
    if (c.oldFile) {
        EXPECT_EQ(GetFileAttributesA(path_.c_str()) & kKept, kKept);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplacingTheOldFile,
    testing::Values(
        ReplaceCase{"NewFileCannotTakeThePlace", false, true, Step::kMoveOnto},
        ReplaceCase{"WithoutMoveFileExReplaces", true, true, Step::kNone},
        ReplaceCase{"WithoutMoveFileExCreatesWhereNoFileWas", true, false, Step::kNone},
        ReplaceCase{"WithoutMoveFileExOldFileCannotStepAside", true, true, Step::kMoveFrom},
        ReplaceCase{"WithoutMoveFileExNewFileCannotTakeThePlace", true, true, Step::kMoveOnto},
        ReplaceCase{"WithoutMoveFileExNewFileCannotTakeAnEmptyPlace", true, false,
                    Step::kMoveOnto}),
    [](const testing::TestParamInfo<ReplaceCase>& param) { return param.param.name; });

} // namespace
