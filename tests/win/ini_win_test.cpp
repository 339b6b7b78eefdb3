// The INI document on Windows: the Win32 file functions behind reading and saving, and the
// string-id forms loading names from the program's own string table.
#include "ini_file.h"
#include "string_ids.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// A fresh directory in the temporary folder, removed with its files.
class WinTempDir {
public:
    WinTempDir() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "quillot-ini-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~WinTempDir() {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name != "." && name != "..")
                    DeleteFileA(PathOf(name).c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    WinTempDir(const WinTempDir&) = delete;
    WinTempDir& operator=(const WinTempDir&) = delete;

    std::string PathOf(const std::string& name) const { return path_ + "\\" + name; }

    int CountFiles() const {
        int count = 0;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                ++count;
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }

private:
    std::string path_;
};

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(bytes.size(), written);
}

std::string ReadWholeFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

class WindowsDocument : public ::testing::Test {
protected:
    WinTempDir dir;
    const std::string path = dir.PathOf("AutoRun.INF");
};

TEST_F(WindowsDocument, ReadsChangesAndReplacesTheFile) {
    WriteWholeFile(path, "[autorun]\r\nopen=old.exe\r\nicon=i.ico\r\n");
    {
        INIFile document(path.c_str());
        EXPECT_STREQ("old.exe", document.GetString("AutoRun", "Open", ""));
        document.SetString("AutoRun", "Open", "new.exe");
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ("[autorun]\r\nicon=i.ico\r\nopen=new.exe\r\n\r\n\r\n", ReadWholeFile(path));
    EXPECT_EQ(1, dir.CountFiles());
}

TEST_F(WindowsDocument, LongLinesSurviveTheRoundTrip) {
    const std::string value(5000, 'v');
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", value.c_str());
    }
    EXPECT_EQ("[A]\r\nk=" + value + "\r\n\r\n\r\n", ReadWholeFile(path));
}

TEST_F(WindowsDocument, AFileInAMissingDirectoryIsReportedAsNotSaved) {
    INIFile document(dir.PathOf("gone\\AutoRun.INF").c_str());
    document.SetString("A", "k", "v");
    EXPECT_FALSE(document.Save());
    EXPECT_TRUE(document.IsModified());
}

TEST_F(WindowsDocument, AFileHeldOpenByAnotherProgramIsLeftAsItWas) {
    WriteWholeFile(path, "[A]\r\nk=old\r\n");
    const HANDLE holder =
        CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    {
        INIFile document(path.c_str());
        document.SetString("A", "k", "new");
        EXPECT_FALSE(document.Save());
        CloseHandle(holder);
        EXPECT_TRUE(document.Save());
    }
    EXPECT_EQ("[A]\r\nk=new\r\n\r\n\r\n", ReadWholeFile(path));
    EXPECT_EQ(1, dir.CountFiles());
}

TEST_F(WindowsDocument, StringIdsNameWhatTheirTextsName) {
    WriteWholeFile(path, "[AUTORUN]\r\nOPEN=setup.exe\r\n");
    INIFile document(path.c_str());
    const char* fallback = "fallback";
    EXPECT_STREQ(document.GetString("AutoRun", "Open", fallback),
                 document.GetString(IDS_AUTORUN, IDS_OPEN, fallback));
    EXPECT_STREQ("setup.exe", document.GetString(IDS_AUTORUN, IDS_OPEN, fallback));
    EXPECT_EQ(1, document.EntryCount(IDS_AUTORUN));
    EXPECT_EQ(fallback, document.GetString(IDS_AUTORUN, 9999, fallback));
    document.SetString(IDS_ORBILAN, IDS_HEADLINE, "\334berschrift");
    EXPECT_STREQ("\334berschrift", document.GetString("Orbilan", "Headline", ""));
    document.SetString(9999, IDS_OPEN, "x");
    EXPECT_EQ(2u, document.Sections().GetItemsInContainer());
}

} // namespace
