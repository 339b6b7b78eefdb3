// Fixture of the end-to-end tests that edit a CD's AutoRun.INF with the real editor: the CD
// is drive O:, the editor lies outside it, where a user keeps their tools.
#pragma once

#include "driver/cd_drive.h"
#include "driver/editor_session.h"
#include "driver/message_box.h"
#include "driver/windows_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class EditorOnCd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CdDriveMapped()) << "drive " << CdRoot() << " is not mapped; the tests run "
                                     << "through scripts/test.sh";
        ClearCd();
        char temp[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, temp);
        toolDir_ = std::string(temp) + "quillot-e2e\\";
        CreateDirectoryA(toolDir_.c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPathOf(QUILLOT_EXE).c_str(),
                              (toolDir_ + "quillot.exe").c_str(), FALSE));
    }
    void TearDown() override {
        session_.reset();
        ClearCd();
    }

    // Starts the editor and chooses the CD's AutoRun.INF in its file dialog; next receives the
    // window that follows, a message box or the main window.
    void ChooseCdInf(HWND& next) {
        session_ = std::make_unique<EditorSession>(toolDir_ + "quillot.exe");
        HWND fileDialog = session_->WaitForFileDialog();
        ASSERT_NE(fileDialog, nullptr) << DescribeWindowsOf(session_->Process().id());
        EditorSession::ChooseFile(fileDialog, CdRoot() + "AutoRun.INF");
        next = WaitForWindowWhere(session_->Process().id(), [](HWND candidate) {
            return IsMessageBox(candidate) || ClassOf(candidate) == "QuillotFrame";
        });
        ASSERT_NE(next, nullptr) << DescribeWindowsOf(session_->Process().id());
    }

    // Starts the editor and opens the CD's AutoRun.INF in it, answering the create prompt.
    void OpenCdInf() {
        HWND window = nullptr;
        ASSERT_NO_FATAL_FAILURE(ChooseCdInf(window));
        if (IsMessageBox(window))
            AnswerMessageBox(window, IDYES);
        ASSERT_NE(session_->WaitForMainWindow(), nullptr)
            << DescribeWindowsOf(session_->Process().id());
    }

    // The next message box of the editor (the main window is not one).
    HWND WaitForBox() { return WaitForWindowWhere(session_->Process().id(), IsMessageBox); }

    void PressOkAndExpectEnd() { EndWith(IDOK); }
    void CancelAndExpectEnd() { EndWith(IDCANCEL); }

    std::string CdInf() {
        std::string content;
        EXPECT_TRUE(ReadCdFile("AutoRun.INF", content));
        return content;
    }

    std::string toolDir_;
    std::unique_ptr<EditorSession> session_;

private:
    void EndWith(int button) {
        session_->Click(button);
        DWORD code = 1;
        ASSERT_TRUE(session_->Ended(code))
            << "still running with " << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(code, 0u);
    }
};
