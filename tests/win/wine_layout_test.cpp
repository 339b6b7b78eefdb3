// The test programs run with the address layout that keeps Wine from failing to start them now
// and then (scripts/wine64.sh says why). Wine shows the Linux root as drive Z:, so the program
// reads its own Linux process's personality (by number: the wineserver opens the files, so
// /proc/self would be the server).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr unsigned long kAddressNoRandomize = 0x0040000;

std::string ReadSmallFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    char buffer[64] = {};
    DWORD read = 0;
    ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

TEST(WineLayout, TestProgramsRunWithoutAddressRandomisation) {
    const char* layout = std::getenv("QUILLOT_WINE_LAYOUT");
    ASSERT_NE(layout, nullptr) << "the program was not started through scripts/wine64.sh";
    if (std::string(layout) == "random")
        GTEST_SKIP() << "this machine refuses to turn address randomisation off";
    const char* unixPid = std::getenv("QUILLOT_WINE_UNIX_PID");
    ASSERT_NE(unixPid, nullptr);
    const std::string path = std::string("Z:\\proc\\") + unixPid + "\\personality";
    const std::string personality = ReadSmallFile(path.c_str());
    ASSERT_FALSE(personality.empty()) << path << " could not be read";
    EXPECT_NE(std::strtoul(personality.c_str(), nullptr, 16) & kAddressNoRandomize, 0u)
        << "personality " << personality;
}

} // namespace
