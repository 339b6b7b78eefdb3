// The starter's "Test" of the real editor under Wine.
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <string>
#include <vector>

namespace {

class StarterTest : public EditorOnCd {
protected:
    // A CD whose starter is set up to start exec, with the marker program in its root.
    void OpenCdWithStarter(const std::string& exec) {
        ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nOpen=Orbilan.EXE\r\n\r\n[Orbilan]\r\n"
                                               "Headline=Probe\r\nText=Starten?\r\nExec=" +
                                                   exec + "\r\n"));
        ASSERT_TRUE(CopyToCd(WindowsPathOf(ORBILAN_EXE), "Orbilan.EXE"));
        ASSERT_TRUE(CopyToCd(WindowsPathOf(MARKER_EXE), "marker.exe"));
        OpenCdInf();
    }

    // Clicks "Test" and returns its question, checked.
    HWND AskTest() {
        session_->Click(IDC_TEST_STARTER);
        HWND question = WaitForBox();
        EXPECT_NE(question, nullptr) << DescribeWindowsOf(session_->Process().id());
        if (question == nullptr)
            return nullptr;
        const MessageBoxView view = ReadMessageBox(question);
        EXPECT_EQ(view.caption, "Probe");
        EXPECT_EQ(view.text, "Starten?");
        EXPECT_TRUE(view.yes && view.no);
        EXPECT_FALSE(view.icon);
        return question;
    }
};

TEST_F(StarterTest, YesStartsTheProgramInTheCdRoot) {
    OpenCdWithStarter("marker.exe proof.txt");
    HWND question = AskTest();
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDYES);
    std::string directory;
    ASSERT_TRUE(WaitForCdFile("proof.txt", directory));
    EXPECT_EQ(directory, CdRoot());
    CancelAndExpectEnd();
}

TEST_F(StarterTest, AMissingProgramIsReported) {
    OpenCdWithStarter("fehlt.exe");
    HWND question = AskTest();
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDYES);
    HWND failure = WaitForWindowWhere(session_->Process().id(), [question](HWND window) {
        return window != question && IsMessageBox(window);
    });
    ASSERT_NE(failure, nullptr) << DescribeWindowsOf(session_->Process().id());
    const MessageBoxView view = ReadMessageBox(failure);
    EXPECT_EQ(view.caption, "Die Datei kann nicht gefunden werden:");
    EXPECT_EQ(view.text, "Das Programm kann nicht gestartet werden.");
    EXPECT_TRUE(view.ok);
    EXPECT_TRUE(view.icon);
    AnswerMessageBox(failure, IDOK);
    CancelAndExpectEnd();
}

TEST_F(StarterTest, YesOpensADocumentInItsAssociatedProgram) {
    ASSERT_TRUE(WriteCdFile("liesmich.txt", "Willkommen auf der CD.\r\n"));
    OpenCdWithStarter("liesmich.txt");
    HWND question = AskTest();
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDYES);
    HWND notepad = WaitForWindowCaptioned("liesmich.txt - Notepad");
    ASSERT_NE(notepad, nullptr) << "the editor shows "
                                << DescribeWindowsOf(session_->Process().id());
    EXPECT_TRUE(CloseWindowAndWait(notepad));
    EXPECT_EQ(WaitForWindowWhere(session_->Process().id(), IsMessageBox, 1000), nullptr)
        << "a failure box: " << DescribeWindowsOf(session_->Process().id());
    CancelAndExpectEnd();
}

TEST_F(StarterTest, NoStartsNothing) {
    OpenCdWithStarter("marker.exe proof.txt");
    HWND question = AskTest();
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDNO);
    CancelAndExpectEnd();
    EXPECT_FALSE(CdFileExists("proof.txt"));
}

} // namespace
