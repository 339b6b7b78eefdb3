// FileHelp with real files, run under Wine: existence, the copy with LZ expansion, the starter
// written from the module's resources, and the program's own directory.
#include "file_help.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace {

// "Hello, Hello, Hello, AutoRun!\r\n" in the SZDD format, with a back reference.
const unsigned char kSzddHello[] = {0x53, 0x5a, 0x44, 0x44, 0x88, 0xf0, 0x27, 0x33, 0x41,
                                    0x00, 0x1f, 0x00, 0x00, 0x00, 0x7f, 0x48, 0x65, 0x6c,
                                    0x6c, 0x6f, 0x2c, 0x20, 0xf0, 0xfb, 0xff, 0x41, 0x75,
                                    0x74, 0x6f, 0x52, 0x75, 0x6e, 0x21, 0x03, 0x0d, 0x0a};
const char kHelloExpanded[] = "Hello, Hello, Hello, AutoRun!\r\n";

// Paths of the build machine reach the Windows programs under Wine as drive Z:.
std::string WindowsPathOf(std::string path) {
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

// The data made for these tests when they start (compressed inputs, a full disk), named by
// QUILLOT_FILEHELP_DATA; empty when it is not set.
std::string TestDataDirectory() {
    const char* given = std::getenv("QUILLOT_FILEHELP_DATA");
    return given == nullptr ? std::string() : WindowsPathOf(given);
}
const char kNoTestData[] = "QUILLOT_FILEHELP_DATA is not set: the test data was not made";

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Bytes that the copy must not alter: every value, longer than one 64 KB write.
std::string AllByteValues(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
    return bytes;
}

std::vector<std::string> NamesIn(const std::string& directory) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::string& directory) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = directory + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

// Every test works in a directory of its own under the temporary directory.
class FileHelpTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();
        // A parameterised test's name holds a slash.
        std::replace(name.begin(), name.end(), '/', '-');
        dir_ = std::string(temp) + "filehelp-" + std::to_string(GetCurrentProcessId()) + "-" + name;
        RemoveTree(dir_);
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
    }
    void TearDown() override { RemoveTree(dir_); }

    std::string In(const std::string& name) const { return dir_ + "\\" + name; }

    FileHelp files_{GetModuleHandleA(nullptr)};
    std::string dir_;
};

// ---- FileExists

using FileExistsTest = FileHelpTest;

TEST_F(FileExistsTest, KnowsFilesReadOnlyFilesAndDirectories) {
    WriteFileBytes(In("plain.txt"), "x");
    WriteFileBytes(In("locked.txt"), "x");
    ASSERT_TRUE(SetFileAttributesA(In("locked.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(CreateDirectoryA(In("Sub").c_str(), nullptr));

    const struct {
        std::string path;
        int expected;
    } cases[] = {
        {In("plain.txt"), 1},   {In("PLAIN.TXT"), 1},       {In("locked.txt"), 1},
        {In("Sub"), 1},         {In("Sub\\"), 1},           {dir_, 1},
        {In("missing.txt"), 0}, {In("Gone\\plain.txt"), 0}, {"", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, files_.FileExists(c.path.c_str())) << c.path;
}

// ---- CopyFileTo

using CopyFileToTest = FileHelpTest;

TEST_F(CopyFileToTest, CopiesAPlainFileByteForByte) {
    const std::string bytes = AllByteValues(70000);
    WriteFileBytes(In("source.bin"), bytes);
    EXPECT_EQ(1, files_.CopyFileTo(In("source.bin").c_str(), In("target.bin").c_str()));
    EXPECT_EQ(bytes, ReadFileBytes(In("target.bin")));
    EXPECT_EQ(bytes, ReadFileBytes(In("source.bin")));
}

TEST_F(CopyFileToTest, ExpandsAKnownCompressedFile) {
    WriteFileBytes(In("HELLO.TX_"), std::string(std::begin(kSzddHello), std::end(kSzddHello)));
    EXPECT_EQ(1, files_.CopyFileTo(In("HELLO.TX_").c_str(), In("HELLO.TXT").c_str()));
    EXPECT_EQ(kHelloExpanded, ReadFileBytes(In("HELLO.TXT")));
}

// The inputs and their compressed forms ("name_") are made by mscompress when the tests start.
TEST_F(CopyFileToTest, ExpandsWhatMscompressMade) {
    const std::string inputs = TestDataDirectory();
    ASSERT_FALSE(inputs.empty()) << kNoTestData;

    int pairs = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((inputs + "\\*_").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search) << inputs;
    do {
        const std::string compressed = found.cFileName;
        const std::string original = compressed.substr(0, compressed.size() - 1);
        if (!PathExists(inputs + "\\" + original))
            continue;
        ++pairs;
        const std::string target = In(original);
        const std::string expected = ReadFileBytes(inputs + "\\" + original);
        CopyProgress progress;
        EXPECT_EQ(1,
                  files_.CopyFileTo((inputs + "\\" + compressed).c_str(), target.c_str(), progress))
            << compressed;
        EXPECT_EQ(expected, ReadFileBytes(target)) << compressed;
        // The size the header announces, reached piece by piece.
        EXPECT_EQ(progress.Total(), expected.size()) << compressed;
        EXPECT_EQ(progress.Done(), expected.size()) << compressed;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_GE(pairs, 4);
}

TEST_F(CopyFileToTest, ReportsEveryPieceOfALargeFile) {
    const std::string bytes = AllByteValues(1000000);
    WriteFileBytes(In("large.bin"), bytes);
    CopyProgress progress;
    EXPECT_EQ(1, files_.CopyFileTo(In("large.bin").c_str(), In("copy.bin").c_str(), progress));
    EXPECT_EQ(bytes, ReadFileBytes(In("copy.bin")));
    EXPECT_EQ(progress.Total(), bytes.size());
    EXPECT_EQ(progress.Done(), bytes.size());
}

// The source holds 16 GB, all of it a hole: the copy runs for many seconds, and is cancelled
// from another thread as soon as its first piece is written.
TEST_F(CopyFileToTest, ACopyCancelledPartWayLeavesNothing) {
    const std::uint64_t size = std::uint64_t{16} << 30;
    {
        const HANDLE file = CreateFileA(In("huge.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        CloseHandle(file);
        ASSERT_TRUE(sized);
    }
    CopyProgress progress;
    std::thread user([&progress] {
        for (int waited = 0; progress.Done() == 0 && waited < 20000; ++waited)
            Sleep(1);
        progress.RequestCancel();
    });
    const int result = files_.CopyFileTo(In("huge.bin").c_str(), In("copy.bin").c_str(), progress);
    user.join();
    EXPECT_EQ(0, result);
    EXPECT_GT(progress.Done(), 0u);
    EXPECT_LT(progress.Done(), size);
    EXPECT_EQ(progress.Total(), size);
    EXPECT_FALSE(PathExists(In("copy.bin")));
}

// A copy goes to a temporary file beside its target and is renamed at its end: a cancel part
// way leaves the target's folder as it was, temporary file and all, for a plain and for a
// compressed source. Each source takes seconds to copy, so the cancel lands while it writes.
struct CancelledCopyCase {
    const char* label;
    std::string (*make)(const std::string& path); // writes the source, returns its full size
};

// 16 GB of one hole.
std::string MakeHugeSparseFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG{16} << 30;
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return sized ? path : std::string();
}

// An SZDD file that expands to 256 MB of blanks: every item refers back to the window, which
// the format fills with blanks, 18 bytes at a time (8 items behind one flag byte of zeros).
std::string MakeHugeCompressedFile(const std::string& path) {
    const std::uint32_t expanded = 256u << 20;
    std::string bytes = {'S', 'Z', 'D', 'D', '\x88', '\xf0', '\x27', '\x33', 'A', '\0'};
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>(expanded >> shift & 0xFF);
    std::string group(1, '\0');
    for (int item = 0; item < 8; ++item)
        group += std::string("\x00\x0f", 2);
    const std::uint32_t groups = expanded / (8 * 18) + 1;
    bytes.reserve(bytes.size() + group.size() * groups);
    for (std::uint32_t i = 0; i < groups; ++i)
        bytes += group;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out.good() ? path : std::string();
}

void PrintTo(const CancelledCopyCase& c, std::ostream* out) {
    *out << c.label;
}

class CancelledCopy : public FileHelpTest, public testing::WithParamInterface<CancelledCopyCase> {};

TEST_P(CancelledCopy, LeavesTheTargetFolderAsItWas) {
    const std::string source = GetParam().make(In("source.bin"));
    ASSERT_FALSE(source.empty());
    const std::string folder = In("CD");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFileBytes(folder + "\\kept.txt", "kept");
    const std::vector<std::string> before = NamesIn(folder);

    CopyProgress progress;
    std::thread user([&progress] {
        for (int waited = 0; progress.Done() == 0 && waited < 20000; ++waited)
            Sleep(1);
        progress.RequestCancel();
    });
    const int result = files_.CopyFileTo(source.c_str(), (folder + "\\copy.bin").c_str(), progress);
    user.join();
    EXPECT_EQ(0, result);
    EXPECT_GT(progress.Done(), 0u) << "cancelled before anything was written";
    EXPECT_LT(progress.Done(), progress.Total()) << "the copy ended before the cancel";
    EXPECT_EQ(before, NamesIn(folder));
}

INSTANTIATE_TEST_SUITE_P(Sources, CancelledCopy,
                         testing::Values(CancelledCopyCase{"Plain", MakeHugeSparseFile},
                                         CancelledCopyCase{"Compressed", MakeHugeCompressedFile}),
                         [](const testing::TestParamInfo<CancelledCopyCase>& param) {
                             return std::string(param.param.label);
                         });

// Cancelled before its first piece: not even an empty target is made, and one that is there
// stays as it was.
TEST_F(CopyFileToTest, ACopyCancelledBeforeItWritesTouchesNoTarget) {
    WriteFileBytes(In("source.txt"), "new");
    WriteFileBytes(In("kept.txt"), "kept");
    CopyProgress progress;
    progress.RequestCancel();
    EXPECT_EQ(0, files_.CopyFileTo(In("source.txt").c_str(), In("new.txt").c_str(), progress));
    EXPECT_EQ(0, files_.CopyFileTo(In("source.txt").c_str(), In("kept.txt").c_str(), progress));
    EXPECT_FALSE(PathExists(In("new.txt")));
    EXPECT_EQ("kept", ReadFileBytes(In("kept.txt")));
}

TEST_F(CopyFileToTest, ReplacesAnExistingTarget) {
    WriteFileBytes(In("source.txt"), "new");
    WriteFileBytes(In("target.txt"), "an older and much longer text");
    EXPECT_EQ(1, files_.CopyFileTo(In("source.txt").c_str(), In("target.txt").c_str()));
    EXPECT_EQ("new", ReadFileBytes(In("target.txt")));
}

TEST_F(CopyFileToTest, MissingSourceFailsWithoutTouchingTheTarget) {
    EXPECT_EQ(0, files_.CopyFileTo(In("missing.txt").c_str(), In("new.txt").c_str()));
    EXPECT_FALSE(PathExists(In("new.txt")));

    WriteFileBytes(In("kept.txt"), "kept");
    EXPECT_EQ(0, files_.CopyFileTo(In("missing.txt").c_str(), In("kept.txt").c_str()));
    EXPECT_EQ("kept", ReadFileBytes(In("kept.txt")));
}

TEST_F(CopyFileToTest, TargetInAMissingDirectoryFails) {
    WriteFileBytes(In("source.txt"), "x");
    EXPECT_EQ(0, files_.CopyFileTo(In("source.txt").c_str(), In("Gone\\source.txt").c_str()));
    EXPECT_FALSE(PathExists(In("Gone")));
}

// A target that cannot be created makes the LZ library try the compressed name ("Sub.ex_").
TEST_F(CopyFileToTest, TargetThatCannotBeCreatedLeavesNoOtherFile) {
    WriteFileBytes(In("source.exe"), "new");
    ASSERT_TRUE(CreateDirectoryA(In("Sub.exe").c_str(), nullptr));
    EXPECT_EQ(0, files_.CopyFileTo(In("source.exe").c_str(), In("Sub.exe").c_str()));
    EXPECT_FALSE(PathExists(In("Sub.ex_")));
    EXPECT_EQ(1, files_.FileExists(In("Sub.exe").c_str()));
}

// The target is a link to /dev/full, made with the test data: it can be created, not written.
TEST_F(CopyFileToTest, FailedWriteIsReported) {
    const std::string data = TestDataDirectory();
    ASSERT_FALSE(data.empty()) << kNoTestData;
    WriteFileBytes(In("source.txt"), "x");
    EXPECT_EQ(
        0, files_.CopyFileTo(In("source.txt").c_str(), (data + "\\DiskFull\\Orbilan.EXE").c_str()));
}

TEST_F(CopyFileToTest, OverlongPathsAreRefused) {
    WriteFileBytes(In("source.txt"), "x");
    const std::string overlong = In(std::string(300, 'n') + ".txt");
    EXPECT_EQ(0, files_.CopyFileTo(overlong.c_str(), In("target.txt").c_str()));
    EXPECT_EQ(0, files_.CopyFileTo(In("source.txt").c_str(), overlong.c_str()));
    EXPECT_FALSE(PathExists(In("target.txt")));
}

TEST_F(CopyFileToTest, ACopyOntoItselfKeepsTheFile) {
    const std::string bytes = AllByteValues(5000);
    WriteFileBytes(In("Setup.exe"), bytes);
    ASSERT_TRUE(CreateDirectoryA(In("Bin").c_str(), nullptr));

    std::string otherCase = In("SETUP.EXE");
    for (char& c : otherCase)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    std::string slashes = In("Setup.exe");
    for (char& c : slashes)
        if (c == '\\')
            c = '/';
    const std::string targets[] = {In("Setup.exe"), otherCase, In(".\\Setup.exe"),
                                   In("Bin\\..\\Setup.exe"), slashes};
    for (const std::string& target : targets) {
        EXPECT_EQ(1, files_.CopyFileTo(In("Setup.exe").c_str(), target.c_str())) << target;
        EXPECT_EQ(bytes, ReadFileBytes(In("Setup.exe"))) << target;
    }
}

TEST_F(CopyFileToTest, ACopyOntoItselfByARelativeNameKeepsTheFile) {
    WriteFileBytes(In("Setup.exe"), "program");
    char previous[MAX_PATH];
    ASSERT_NE(0u, GetCurrentDirectoryA(sizeof previous, previous));
    ASSERT_TRUE(SetCurrentDirectoryA(dir_.c_str()));
    const int result = files_.CopyFileTo(In("Setup.exe").c_str(), "setup.EXE");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(1, result);
    EXPECT_EQ("program", ReadFileBytes(In("Setup.exe")));
}

TEST_F(CopyFileToTest, PutsBackThePreviousCursor) {
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    WriteFileBytes(In("source.txt"), "x");
    files_.CopyFileTo(In("source.txt").c_str(), In("target.txt").c_str());
    EXPECT_EQ(arrow, GetCursor());
    files_.CopyFileTo(In("missing.txt").c_str(), In("target.txt").c_str());
    EXPECT_EQ(arrow, GetCursor());
}

// ---- WriteResourceToFile

using WriteResourceToFileTest = FileHelpTest;

TEST_F(WriteResourceToFileTest, WritesTheEmbeddedStarter) {
    const std::string starter = ReadFileBytes(WindowsPathOf(QUILLOT_ORBILAN_EXE));
    ASSERT_GT(starter.size(), 1000u);
    EXPECT_EQ(1, files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER, In("Orbilan.EXE").c_str()));
    EXPECT_EQ(starter, ReadFileBytes(In("Orbilan.EXE")));
}

// The target is a link to /dev/full: it can be created, but every write fails. (Wine shows no
// attributes for the device and cannot delete the link, so only the result is checked.)
TEST_F(WriteResourceToFileTest, FailedWriteIsReported) {
    const std::string data = TestDataDirectory();
    ASSERT_FALSE(data.empty()) << kNoTestData;
    const std::string directory = data + "\\DiskFull";
    ASSERT_EQ(std::vector<std::string>{"Orbilan.EXE"}, NamesIn(directory))
        << "the link to /dev/full is missing";
    EXPECT_EQ(0, files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER,
                                            (directory + "\\Orbilan.EXE").c_str()));
}

TEST_F(WriteResourceToFileTest, MissingResourceCreatesNoFile) {
    EXPECT_EQ(0, files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER + 1, In("Orbilan.EXE").c_str()));
    EXPECT_FALSE(PathExists(In("Orbilan.EXE")));
}

TEST_F(WriteResourceToFileTest, MissingDirectoryLeavesNothingBehind) {
    EXPECT_EQ(0,
              files_.WriteResourceToFile(RT_RCDATA, IDR_STARTER, In("Gone\\Orbilan.EXE").c_str()));
    EXPECT_FALSE(PathExists(In("Gone")));
}

TEST_F(WriteResourceToFileTest, ModuleWithoutTheResourceCreatesNoFile) {
    FileHelp withoutResources(GetModuleHandleA("kernel32.dll"));
    EXPECT_EQ(
        0, withoutResources.WriteResourceToFile(RT_RCDATA, IDR_STARTER, In("Orbilan.EXE").c_str()));
    EXPECT_FALSE(PathExists(In("Orbilan.EXE")));
}

// ---- ProgramDirectory

TEST(ProgramDirectoryTest, IsTheDirectoryOfTheRunningProgram) {
    char module[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, module, sizeof module);
    ASSERT_GT(length, 0u);
    std::string expected(module, length);
    expected.erase(expected.find_last_of('\\') + 1);

    FileHelp files(GetModuleHandleA(nullptr));
    const std::string directory = files.ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ('\\', directory.back());
    EXPECT_EQ(0, lstrcmpiA(expected.c_str(), directory.c_str())) << directory;
    EXPECT_EQ(1, files.FileExists((directory + "filehelp_win_test.exe").c_str()));
}

TEST(ProgramDirectoryTest, IsEmptyWithoutAModule) {
    FileHelp files(nullptr);
    EXPECT_STREQ("", files.ProgramDirectory());
}

} // namespace
