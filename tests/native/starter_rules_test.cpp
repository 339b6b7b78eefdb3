#include "command_line.h"
#include "launch_failure.h"
#include "path_limits.h"
#include "shell_fallback.h"
#include "starter_rules.h"
#include "string_ids.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string RootOf(const std::string& modulePath, unsigned capacity = filehelp::kPathBufferSize) {
    std::string root(capacity + 8, '#');
    const unsigned length = CdRootOf(modulePath.c_str(), root.data(), capacity);
    EXPECT_EQ(root[capacity + 1], '#') << "wrote past the capacity";
    root.resize(root.find('\0'));
    EXPECT_EQ(length, root.size());
    return root;
}

struct RootCase {
    const char* modulePath;
    const char* root;
};

void PrintTo(const RootCase& c, std::ostream* out) {
    *out << (*c.modulePath != '\0' ? c.modulePath : "no path");
}

class CdRoot : public testing::TestWithParam<RootCase> {};

TEST_P(CdRoot, IsTheRootOfTheStartersMedium) {
    EXPECT_EQ(RootOf(GetParam().modulePath), GetParam().root);
}

INSTANTIATE_TEST_SUITE_P(
    ModulePaths, CdRoot,
    testing::Values(
        // the letter keeps its case; the starter may lie in any directory of the CD
        RootCase{"E:\\Orbilan.EXE", "E:\\"}, RootCase{"E:\\TOOLS\\Orbilan.EXE", "E:\\"},
        RootCase{"e:\\tools\\deep\\orbilan.exe", "e:\\"},
        // network paths: the root of the share
        RootCase{"\\\\server\\cd\\Orbilan.EXE", "\\\\server\\cd\\"},
        RootCase{"\\\\server\\cd\\sub\\dir\\Orbilan.EXE", "\\\\server\\cd\\"},
        RootCase{"//server/cd/Orbilan.EXE", "//server/cd/"},
        RootCase{"\\\\server\\cd", "\\\\server\\cd\\"},
        // no share name: the old rule, the first character taken as the drive
        RootCase{"\\\\server", "\\:\\"}, RootCase{"x", "x:\\"}, RootCase{"", ""}));

TEST(CdRootLimits, NeverWritesPastTheCapacity) {
    EXPECT_EQ(RootOf("E:\\Orbilan.EXE", 3), "E:");
    EXPECT_EQ(RootOf("\\\\server\\share\\Orbilan.EXE", 8), "\\\\serve");
    EXPECT_EQ(RootOf("\\\\server\\share\\Orbilan.EXE", 15), "\\\\server\\share");
    EXPECT_EQ(RootOf("\\\\server\\share", 15), "\\\\server\\share");
}

TEST(CdRootLimits, WorksInPlace) {
    char path[filehelp::kPathBufferSize] = "\\\\server\\cd\\tools\\Orbilan.EXE";
    EXPECT_EQ(CdRootOf(path, path, filehelp::kPathBufferSize), 12u);
    EXPECT_STREQ(path, "\\\\server\\cd\\");
}

TEST(CopyText, CutsToOneLessThanTheCapacity) {
    const std::string exec(300, 'x');
    char buffer[filehelp::kPathBufferSize + 1];
    buffer[filehelp::kPathBufferSize] = '#';
    EXPECT_EQ(CopyText(buffer, exec.c_str(), filehelp::kPathBufferSize), 259u);
    EXPECT_EQ(std::string(buffer), exec.substr(0, 259));
    EXPECT_EQ(buffer[filehelp::kPathBufferSize], '#');

    EXPECT_EQ(CopyText(buffer, exec.substr(0, 259).c_str(), filehelp::kPathBufferSize), 259u);
    EXPECT_EQ(CopyText(buffer, "", filehelp::kPathBufferSize), 0u);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(CopyText(buffer, "abc", 0), 0u);
}

TEST(SplitCommandLine, SeparatesTheProgramFromItsArguments) {
    const struct {
        const char* commandLine;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"setup.exe", "setup.exe", ""},
        {"setup.exe /q", "setup.exe", "/q"},
        {"  setup.exe \t /q /r", "setup.exe", "/q /r"},
        {"install\\setup.exe\t/q", "install\\setup.exe", "/q"},
        {"\"Programme\\My Setup.exe\" /q", "Programme\\My Setup.exe", "/q"},
        {"\"Programme\\My Setup.exe\"", "Programme\\My Setup.exe", ""},
        {"\"unterminated quote", "unterminated quote", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        std::string line = c.commandLine;
        char* program = nullptr;
        const char* arguments = SplitCommandLine(line.data(), program);
        EXPECT_STREQ(program, c.program) << c.commandLine;
        EXPECT_STREQ(arguments, c.arguments) << c.commandLine;
    }
}

TEST(LaunchFailureReason, OnlyTheFourKnownFailuresAreReported) {
    const struct {
        unsigned result;
        unsigned reason;
    } cases[] = {
        {0, IDS_LAUNCH_NO_MEMORY},
        {2, IDS_LAUNCH_FILE_NOT_FOUND},
        {3, IDS_LAUNCH_PATH_NOT_FOUND},
        {11, IDS_LAUNCH_BAD_FORMAT},
        {1, 0},
        {5, 0},
        {8, 0},
        {10, 0},
        {12, 0},
        {31, 0},
        {32, 0},
        {33, 0},
        {4000, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LaunchFailureReason(c.result), c.reason) << "launch result " << c.result;
}

TEST(GoesToShell, OnlyAFileThatIsNoProgramOrNeedsElevation) {
    constexpr unsigned long kElevationRequired = 740;
    constexpr unsigned long kBadExeFormat = 193;
    const struct {
        unsigned result;
        unsigned long lastError;
        bool shell;
    } cases[] = {
        // a document (or a damaged program): the shell opens what it can, whatever the error
        {11, kBadExeFormat, true},
        {11, 0, true},
        // a program that asks for elevation, whatever WinExec made of it
        {5, kElevationRequired, true},
        {0, kElevationRequired, true},
        // the other failures keep their message or their silence
        {0, 8, false},
        {2, 2, false},
        {3, 3, false},
        {5, 5, false},
        {10, 0, false},
        {12, 0, false},
        {31, 1155, false},
        // a started program: the error value is a leftover and means nothing
        {32, kElevationRequired, false},
        {33, 0, false},
        {4000, 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GoesToShell(c.result, c.lastError), c.shell)
            << "launch result " << c.result << ", last error " << c.lastError;
    }
}

} // namespace
