// A file from outside brought into the CD root through the real editor. A large one shows the
// progress window over the disabled dialog, which still repaints; "Abbrechen" stops the copy,
// leaves nothing on the CD (a file of that name there before as it was) and the field as after
// a refused copy, with no message; F1 meanwhile opens nothing. A small one is copied without any
// window; its name may hold blanks.
#include "copy_progress_window_ids.h"
#include "driver/mouse.h"
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kCopyQuestion = StringTableText(IDS_OUTSIDE_ROOT_QUESTION);
const std::string kProgressCaption = StringTableText(IDS_COPY_CAPTION);
const std::string kMarker = WindowsPathOf(MARKER_EXE);

// Far more than any disk here writes in the half second before the window comes, and more than
// the system keeps in memory before it writes to the disk: the copy lasts many seconds, so the
// window surely comes and is still there when it is cancelled. A sparse file: none of it lies
// on the disk.
constexpr std::uint64_t kLargeSize = std::uint64_t{16} << 30;

bool IsProgressWindow(HWND window) {
    return ClassOf(window) == "#32770" && WindowText(window) == kProgressCaption;
}

class CopyIntoTheCd : public EditorOnCd {
protected:
    void TearDown() override {
        EditorOnCd::TearDown();
        if (!sparse_.empty())
            DeleteFileA(sparse_.c_str());
    }

    // A file of size bytes outside the CD that holds no data, only its length.
    std::string OutsideSparseFile(const std::string& name, std::uint64_t size) {
        sparse_ = toolDir_ + name;
        const HANDLE file = CreateFileA(sparse_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE) << sparse_;
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
        CloseHandle(file);
        return sparse_;
    }

    // Puts path into the AutoPlay field, leaves it and answers the copy question with Yes.
    void AcceptCopyOf(const std::string& path) {
        ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\n"));
        OpenCdInf();
        session_->SetField(IDC_AUTOPLAY_FILE, path);
        ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
        session_->MoveFocus(IDC_ENTRY_LIST);
        HWND box = WaitForBox();
        ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
        ASSERT_EQ(ReadMessageBox(box).text, kCopyQuestion);
        AnswerMessageBox(box, IDYES);
    }

    // Proves that the editor shows no message box: the focus reaches a control only when no
    // box holds it, and the check that ran before has ended by then.
    void ExpectNoBox() {
        ASSERT_TRUE(session_->Focus(IDC_ICON_FILE))
            << "a box: " << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(WaitForWindowWhere(session_->Process().id(), IsMessageBox, 0), nullptr);
    }

    // A file of that name already in the root, written long ago.
    void PutOlderFileOnCd(const std::string& name, const std::string& content) {
        ASSERT_TRUE(WriteCdFile(name, content));
        const HANDLE file = CreateFileA((CdRoot() + name).c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const SYSTEMTIME when = {2001, 5, 2, 15, 12, 0, 0, 0};
        FILETIME time;
        SystemTimeToFileTime(&when, &time);
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
        CloseHandle(file);
        olderTime_ = WriteTimeOnCd(name);
    }

    static FILETIME WriteTimeOnCd(const std::string& name) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA((CdRoot() + name).c_str(), GetFileExInfoStandard, &data);
        return data.ftLastWriteTime;
    }

    static std::vector<std::string> CdRootNames() {
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

    // Waits (bounded) until window is gone.
    static bool Gone(HWND window) {
        for (DWORD waited = 0; IsWindow(window) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        return !IsWindow(window);
    }

    std::string sparse_;
    FILETIME olderTime_ = {};
};

TEST_F(CopyIntoTheCd, ALargeFileShowsItsProgressUntilAbbrechenStopsIt) {
    const std::string source = OutsideSparseFile("Gross.bin", kLargeSize);
    ASSERT_NO_FATAL_FAILURE(AcceptCopyOf(source));

    HWND progress = WaitForWindowWhere(session_->Process().id(), IsProgressWindow);
    ASSERT_NE(progress, nullptr) << DescribeWindowsOf(session_->Process().id());
    HWND main = GetAncestor(session_->MainDialog(), GA_ROOT);
    EXPECT_EQ(GetWindow(progress, GW_OWNER), main);
    EXPECT_EQ(WindowText(GetDlgItem(progress, IDC_COPY_FILE)), "Gross.bin");
    EXPECT_EQ(WindowText(GetDlgItem(progress, IDC_COPY_LABEL)), StringTableText(IDS_COPY_LABEL));
    EXPECT_EQ(WindowText(GetDlgItem(progress, IDCANCEL)), "Abbrechen");
    const std::string bytes = WindowText(GetDlgItem(progress, IDC_COPY_BYTES));
    const std::string ofTotal = " von 17.179.869.184 Bytes";
    ASSERT_GT(bytes.size(), ofTotal.size()) << bytes;
    EXPECT_EQ(bytes.substr(bytes.size() - ofTotal.size()), ofTotal);

    // The dialog takes no input, and its window still paints what is asked of it.
    EXPECT_FALSE(IsWindowEnabled(main));
    InvalidateRect(session_->MainDialog(), nullptr, FALSE);
    bool painted = false;
    for (DWORD waited = 0; !painted && waited < kWindowTimeoutMs; waited += 20) {
        Sleep(20);
        painted = GetUpdateRect(session_->MainDialog(), nullptr, FALSE) == FALSE;
    }
    EXPECT_TRUE(painted) << "the dialog was not repainted during the copy";

    ClickWithMouse(GetDlgItem(progress, IDCANCEL));
    ASSERT_TRUE(Gone(progress)) << "the copy did not stop";
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_FALSE(CdFileExists("Gross.bin"));
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), source);
    CancelAndExpectEnd();
}

// The root holds an older file of the same name: the cancelled copy leaves it as it was, bytes
// and time, and nothing of its own.
TEST_F(CopyIntoTheCd, AbbrechenKeepsTheFileOfThatNameInTheRoot) {
    const std::string older = "die alte Version";
    ASSERT_NO_FATAL_FAILURE(PutOlderFileOnCd("Gross.bin", older));
    const std::string source = OutsideSparseFile("Gross.bin", kLargeSize);
    ASSERT_NO_FATAL_FAILURE(AcceptCopyOf(source));

    HWND progress = WaitForWindowWhere(session_->Process().id(), IsProgressWindow);
    ASSERT_NE(progress, nullptr) << DescribeWindowsOf(session_->Process().id());
    // F1 meanwhile opens nothing over the copy (here, with no help file beside the editor, a
    // box would say so): the key comes before the click, so it has been handled once the
    // window is gone.
    PressKeysIn(progress, {VK_F1});
    ClickWithMouse(GetDlgItem(progress, IDCANCEL));
    ASSERT_TRUE(Gone(progress)) << "the copy did not stop: "
                                << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());

    std::string kept;
    ASSERT_TRUE(ReadCdFile("Gross.bin", kept));
    EXPECT_EQ(kept, older);
    const FILETIME keptTime = WriteTimeOnCd("Gross.bin");
    EXPECT_EQ(CompareFileTime(&keptTime, &olderTime_), 0);
    EXPECT_EQ(CdRootNames(), (std::vector<std::string>{"AutoRun.INF", "Gross.bin"}));
    CancelAndExpectEnd();
}

// A program whose name holds a blank, with an argument: copied into the root and written in
// quotes, the argument behind it, with no message on the way.
TEST_F(CopyIntoTheCd, ANameWithABlankIsWrittenInQuotes) {
    const std::string source = toolDir_ + "Mein Setup.exe";
    ASSERT_TRUE(CopyFileA(kMarker.c_str(), source.c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(AcceptCopyOf(source + " /q"));

    ASSERT_TRUE(session_->WaitForFieldText(IDC_AUTOPLAY_FILE, "\"Mein Setup.exe\" /q"))
        << session_->FieldText(IDC_AUTOPLAY_FILE);
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    EXPECT_TRUE(CdFileExists("Mein Setup.exe"));
    DeleteFileA(source.c_str());
    PressOkAndExpectEnd();
    EXPECT_NE(CdInf().find("=\"Mein Setup.exe\" /q\r\n"), std::string::npos) << CdInf();
}

TEST_F(CopyIntoTheCd, ASmallFileIsCopiedWithoutAWindow) {
    const std::string source = toolDir_ + "Klein.exe";
    ASSERT_TRUE(CopyFileA(kMarker.c_str(), source.c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(AcceptCopyOf(source));

    ASSERT_TRUE(session_->WaitForFieldText(IDC_AUTOPLAY_FILE, "Klein.exe"))
        << session_->FieldText(IDC_AUTOPLAY_FILE);
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    EXPECT_EQ(WaitForWindowWhere(
                  session_->Process().id(),
                  [](HWND window) { return ClassOf(window) != "QuillotFrame"; }, 0),
              nullptr)
        << DescribeWindowsOf(session_->Process().id());
    std::string copied;
    ASSERT_TRUE(ReadCdFile("Klein.exe", copied));
    std::string original;
    HANDLE file = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    original.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, original.data(), static_cast<DWORD>(original.size()), &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(copied, original);
    CancelAndExpectEnd();
}

} // namespace
