// A copy into the CD root that fails part-way, as on a full disk, in the editor built with the
// fault layer: the root's file of that name stays as it was, byte for byte, nothing of the
// failed copy is left, and the user is told.
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Over more than one piece of the copy, so that the failure comes after bytes were written.
constexpr std::size_t kSourceSize = 200 * 1024;
constexpr char kFailsAt[] = "100000";

std::vector<std::string> CdRootNames() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((CdRoot() + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class CopyFailingPartWay : public EditorOnCd {
protected:
    void SetUp() override {
        EditorOnCd::SetUp();
        SetEnvironmentVariableA("QUILLOT_COPY_WRITE_FAILS_AT", kFailsAt);
    }
    void TearDown() override {
        SetEnvironmentVariableA("QUILLOT_COPY_WRITE_FAILS_AT", nullptr);
        EditorOnCd::TearDown();
        DeleteFileA((toolDir_ + "setup.exe").c_str());
    }
};

TEST_F(CopyFailingPartWay, KeepsTheFileOfThatNameInTheRoot) {
    const std::string older = "die alte Version von setup.exe";
    ASSERT_TRUE(WriteCdFile("setup.exe", older));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nOpen=setup.exe\r\n"));
    std::string bytes(kSourceSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 13 & 0xFF);
    const std::string source = toolDir_ + "setup.exe";
    {
        const HANDLE file = CreateFileA(source.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        ASSERT_EQ(written, bytes.size());
    }
    OpenCdInf();

    session_->SetField(IDC_AUTOPLAY_FILE, source);
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    session_->MoveFocus(IDC_ENTRY_LIST);
    HWND question = WaitForBox();
    ASSERT_NE(question, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_EQ(ReadMessageBox(question).text, StringTableText(IDS_OUTSIDE_ROOT_QUESTION));
    AnswerMessageBox(question, IDYES);

    HWND failure = WaitForWindowWhere(session_->Process().id(), [question](HWND window) {
        return window != question && IsMessageBox(window);
    });
    ASSERT_NE(failure, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(failure).text, StringTableText(IDS_COPY_FAILED));
    AnswerMessageBox(failure, IDOK);

    std::string kept;
    ASSERT_TRUE(ReadCdFile("setup.exe", kept));
    EXPECT_EQ(kept, older);
    EXPECT_EQ(CdRootNames(), (std::vector<std::string>{"AutoRun.INF", "setup.exe"}));
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), source);
    CancelAndExpectEnd();
}

} // namespace
