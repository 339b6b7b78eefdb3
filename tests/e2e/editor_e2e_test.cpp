// The real editor under Wine, from its open-file dialog to its end, as a user meets it.
#include "driver/cd_drive.h"
#include "driver/editor_session.h"
#include "driver/message_box.h"
#include "driver/windows_of.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const std::string kEditor = WindowsPathOf(QUILLOT_EXE);

class EditorStart : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CdDriveMapped()) << "drive " << CdRoot() << " is not mapped; the tests run "
                                     << "through scripts/test.sh";
        ClearCd();
        // The editor lies in a folder of its own: the file dialog must open there.
        ASSERT_TRUE(CopyToCd(kEditor, "Werkzeug\\quillot.exe"));
        session_ = std::make_unique<EditorSession>(CdRoot() + "Werkzeug\\quillot.exe");
        ASSERT_TRUE(session_->Process().started());
    }
    void TearDown() override {
        session_.reset();
        ClearCd();
    }

    HWND FileDialog() {
        HWND dialog = session_->WaitForFileDialog();
        EXPECT_NE(dialog, nullptr)
            << "no file dialog: " << DescribeWindowsOf(session_->Process().id());
        return dialog;
    }

    void ExpectEnd() {
        DWORD code = 1;
        ASSERT_TRUE(session_->Ended(code))
            << "still running with " << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(code, 0u);
    }

    std::unique_ptr<EditorSession> session_;
};

TEST_F(EditorStart, OpensTheFileDialogInItsOwnDirectoryWithTheProposedName) {
    HWND dialog = FileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Marlisk V1.0");
    EXPECT_EQ(EditorSession::FileDialogName(dialog), "AutoStart.INF");
    EXPECT_EQ(EditorSession::FileDialogFolder(dialog), "Werkzeug");

    EditorSession::CancelFileDialog(dialog);
    ExpectEnd();
}

TEST_F(EditorStart, ANewNameIsCreatedOnlyAfterTheQuestionAndCancelWritesNothing) {
    HWND dialog = FileDialog();
    ASSERT_NE(dialog, nullptr);
    EditorSession::ChooseFile(dialog, "Neu.INF");

    HWND question = WaitForWindowWhere(session_->Process().id(), IsMessageBox);
    ASSERT_NE(question, nullptr) << "no create prompt";
    EXPECT_TRUE(ReadMessageBox(question).yes);
    AnswerMessageBox(question, IDYES);

    HWND main = session_->WaitForMainWindow();
    ASSERT_NE(main, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(main), "Marlisk V1.0");
    EXPECT_EQ(WindowText(session_->Item(IDC_USE_STARTER)), "Programm Orbilan benutzen");
    // The frame's client area holds the dialog exactly.
    RECT client;
    RECT dialogRect;
    GetClientRect(main, &client);
    GetWindowRect(session_->MainDialog(), &dialogRect);
    EXPECT_EQ(client.right, dialogRect.right - dialogRect.left);
    EXPECT_EQ(client.bottom, dialogRect.bottom - dialogRect.top);

    session_->Click(IDCANCEL);
    ExpectEnd();
    EXPECT_FALSE(CdFileExists("Werkzeug\\Neu.INF"));
}

TEST_F(EditorStart, CancelLeavesAnExistingInfByteForByte) {
    const std::string original = "; Kommentar\r\n[autorun]\r\nopen=setup.exe /s\r\n"
                                 "icon=setup.exe,2\r\n\r\n[Fremd]\r\nSchl\xfc"
                                 "ssel=Wert\r\n";
    ASSERT_TRUE(WriteCdFile("Werkzeug\\AutoRun.INF", original));
    HWND dialog = FileDialog();
    ASSERT_NE(dialog, nullptr);
    EditorSession::ChooseFile(dialog, "AutoRun.INF");
    ASSERT_NE(session_->WaitForMainWindow(), nullptr)
        << DescribeWindowsOf(session_->Process().id());

    session_->SetField(IDC_HEADLINE, "Ge\xe4ndert");
    session_->Click(IDCANCEL);
    ExpectEnd();
    std::string content;
    ASSERT_TRUE(ReadCdFile("Werkzeug\\AutoRun.INF", content));
    EXPECT_EQ(content, original);
}

TEST_F(EditorStart, TheCloseBoxEndsTheEditor) {
    HWND dialog = FileDialog();
    ASSERT_NE(dialog, nullptr);
    EditorSession::ChooseFile(dialog, "AutoRun.INF");
    HWND question = WaitForWindowWhere(session_->Process().id(), IsMessageBox);
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDYES);
    HWND main = session_->WaitForMainWindow();
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    ExpectEnd();
}

} // namespace
