// A file from outside brought into the CD root through the real editor. A large one shows the
// progress window over the disabled dialog, which still repaints; "Abbrechen" stops the copy,
// leaves nothing on the CD and the field as after a refused copy, with no message. A small
// one is copied without any window.
#include "copy_progress_window_ids.h"
#include "driver/mouse.h"
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <cstdint>
#include <string>

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

    // Waits (bounded) until window is gone.
    static bool Gone(HWND window) {
        for (DWORD waited = 0; IsWindow(window) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        return !IsWindow(window);
    }

    std::string sparse_;
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
