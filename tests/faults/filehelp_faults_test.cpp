// The file services' writes failing part-way, the failures injected in place of the Windows
// functions: the copy into the root and the starter file written from the resources return 0
// and leave no file behind (the copy's source and a target that was there as they were);
// without the fault the same call succeeds.
#include "fault_test_files.h"
#include "file_faults.h"
#include "file_help.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using file_faults::Step;

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

// The starter as the module carries it.
std::string StarterResource() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_STARTER), RT_RCDATA);
    if (found == nullptr)
        return "";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

struct FileFault {
    std::string name;
    Step step;
    At at;
};

void PrintTo(const FileFault& fault, std::ostream* out) {
    *out << fault.name;
}

struct StepRow {
    const char* name;
    Step step;
    bool atPositions;
    bool behindTheLast; // whether a failure behind the last byte is one
};

// The steps, those that write at every byte position.
std::vector<FileFault> Faults(std::initializer_list<StepRow> steps) {
    std::vector<FileFault> faults;
    for (const StepRow& step : steps) {
        if (!step.atPositions) {
            faults.push_back({step.name, step.step, At::kNowhere});
            continue;
        }
        for (const WritePosition& position : kWritePositions)
            if (position.at != At::kBehindTheLast || step.behindTheLast)
                faults.push_back({std::string(step.name) + position.name, step.step, position.at});
    }
    return faults;
}

std::string FaultName(const testing::TestParamInfo<FileFault>& param) {
    return param.param.name;
}

// Every test works in a directory of its own under the temporary directory.
class FaultyFiles : public testing::TestWithParam<FileFault> {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
        for (int attempt = 0;; ++attempt) {
            dir_ = std::string(temp) + "filehelp-faults-" + std::to_string(attempt);
            if (CreateDirectoryA(dir_.c_str(), nullptr))
                break;
            ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << dir_;
        }
    }
    void TearDown() override {
        for (const std::string& name : Names())
            DeleteFileA(In(name).c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string In(const std::string& name) const { return dir_ + "\\" + name; }
    std::vector<std::string> Names() const { return NamesIn(dir_); }

    FileHelp files_{GetModuleHandleA(nullptr)};
    std::string dir_;
};

// ---- The copy into the root

class CopyFailing : public FaultyFiles {};

// The time a file was last written, as the directory holds it.
FILETIME WriteTimeOf(const std::string& path) {
    FILETIME written = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        written = data.ftLastWriteTime;
    return written;
}

// With and without a file of the target's name in place: the one there stays as it was, bytes
// and time, and nothing else is left.
TEST_P(CopyFailing, LeavesTheTargetAndTheSourceAsTheyWere) {
    // Every byte value, over more than one 64 KB piece.
    std::string source(70000, '\0');
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    WriteFileBytes(In("Setup.exe"), source);
    const std::string target = In("Copy.exe");
    for (const bool targetThere : {false, true}) {
        SCOPED_TRACE(targetThere ? "over an existing file" : "into a new file");
        const std::string older = "the older program";
        std::vector<std::string> names{"Setup.exe"};
        if (targetThere) {
            WriteFileBytes(target, older);
            names.insert(names.begin(), "Copy.exe");
        } else {
            DeleteFileA(target.c_str());
        }
        const FILETIME olderTime = WriteTimeOf(target);
        {
            file_faults::ArmedFault fault(GetParam().step, target,
                                          BytesBefore(GetParam().at, source.size()));
            EXPECT_EQ(0, files_.CopyFileTo(In("Setup.exe").c_str(), target.c_str()));
            EXPECT_TRUE(fault.Fired()) << "the copy never reached the fault";
        }
        EXPECT_EQ(Names(), names);
        EXPECT_EQ(ReadFileBytes(In("Setup.exe")), source);
        if (targetThere) {
            EXPECT_EQ(ReadFileBytes(target), older);
            const FILETIME keptTime = WriteTimeOf(target);
            EXPECT_EQ(CompareFileTime(&olderTime, &keptTime), 0);
        }
    }

    EXPECT_EQ(1, files_.CopyFileTo(In("Setup.exe").c_str(), target.c_str()));
    EXPECT_EQ(ReadFileBytes(target), source);
}

INSTANTIATE_TEST_SUITE_P(Steps, CopyFailing,
                         testing::ValuesIn(Faults({
                             {"ReadFailsAt", Step::kCopyRead, true, true},
                             {"WriteFailsAt", Step::kCopyWrite, true, true},
                         })),
                         FaultName);

// ---- The starter written from the resources

class StarterWriteFailing : public FaultyFiles {};

TEST_P(StarterWriteFailing, LeavesNoFile) {
    const std::string starter = StarterResource();
    ASSERT_GT(starter.size(), 1000u) << "the module carries no starter";
    const std::string target = In("Orbilan.EXE");
    {
        file_faults::ArmedFault fault(GetParam().step, target,
                                      BytesBefore(GetParam().at, starter.size()));
        EXPECT_EQ(0, files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER, target.c_str()));
        EXPECT_TRUE(fault.Fired()) << "the write never reached the fault";
    }
    EXPECT_EQ(Names(), std::vector<std::string>{});

    EXPECT_EQ(1, files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER, target.c_str()));
    EXPECT_EQ(ReadFileBytes(target), starter);
}

INSTANTIATE_TEST_SUITE_P(Steps, StarterWriteFailing,
                         testing::ValuesIn(Faults({
                             {"CreateFails", Step::kCreate, false, false},
                             {"WriteErrorAt", Step::kWriteError, true, true},
                             // A short count behind the last byte is no short count.
                             {"ShortWriteAt", Step::kWriteShort, true, false},
                         })),
                         FaultName);

} // namespace
