// The checks that run when a field is left, through the real editor with the focus moved as a
// user moves it: the message box a check opens takes the focus from the control that was just
// receiving it. Each journey must show exactly one box, and leave the fields as that one
// check decided.
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <string>

namespace {

const std::string kThreeIcons = WindowsPathOf(THREE_ICONS_EXE);
const std::string kOneIcon = WindowsPathOf(std::string(ICON_DATA_DIR) + "/red.ico");
const std::string kMarker = WindowsPathOf(MARKER_EXE);

class FieldChecks : public EditorOnCd {
protected:
    // A file outside the CD, where the user keeps it.
    std::string Outside(const std::string& source, const std::string& name) {
        const std::string path = toolDir_ + name;
        EXPECT_TRUE(CopyFileA(source.c_str(), path.c_str(), FALSE)) << path;
        return path;
    }

    // Answers the box that leaving a field opened, and proves that it was the only one: the
    // focus reaches `next` only when no other box holds it.
    void AnswerTheOnlyBox(const std::string& text, int answer, int next) {
        HWND box = WaitForBox();
        ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(ReadMessageBox(box).text, text);
        AnswerMessageBox(box, answer);
        // The dialog takes the focus again only once the box is gone.
        for (DWORD waited = 0; IsWindow(box) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        ASSERT_FALSE(IsWindow(box)) << "the box stays after its answer";
        ASSERT_TRUE(session_->Focus(next))
            << "a second box: " << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(WaitForWindowWhere(session_->Process().id(), IsMessageBox, 0), nullptr);
    }
};

const std::string kIconMissing = StringTableText(IDS_ICON_MISSING);
const std::string kCopyQuestion = StringTableText(IDS_OUTSIDE_ROOT_QUESTION);
const std::string kFileMissing = StringTableText(IDS_FILE_MISSING);

TEST_F(FieldChecks, AnIconNumberTheNewFileLacksIsReportedOnce) {
    ASSERT_TRUE(CopyToCd(kThreeIcons, "icons.dll"));
    ASSERT_TRUE(CopyToCd(kOneIcon, "disc.ico"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=icons.dll,2\r\n"));
    OpenCdInf();

    session_->SetField(IDC_ICON_FILE, "disc.ico");
    ASSERT_TRUE(session_->Focus(IDC_ICON_FILE));
    session_->MoveFocus(IDC_ICON_NUMBER);
    AnswerTheOnlyBox(kIconMissing, IDOK, IDC_ENTRY_LIST);
    EXPECT_EQ(session_->FieldText(IDC_ICON_FILE), "icons.dll");
    EXPECT_EQ(session_->FieldText(IDC_ICON_NUMBER), "2");
}

TEST_F(FieldChecks, AnIconFileFromElsewhereIsOfferedAndCopiedOnce) {
    ASSERT_TRUE(CopyToCd(kThreeIcons, "icons.dll"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=icons.dll,2\r\n"));
    OpenCdInf();

    session_->SetField(IDC_ICON_FILE, Outside(kThreeIcons, "logo.exe"));
    ASSERT_TRUE(session_->Focus(IDC_ICON_FILE));
    session_->MoveFocus(IDC_ICON_NUMBER);
    AnswerTheOnlyBox(kCopyQuestion, IDYES, IDC_ENTRY_LIST);
    EXPECT_EQ(session_->FieldText(IDC_ICON_FILE), "logo.exe");
    EXPECT_EQ(session_->FieldText(IDC_ICON_NUMBER), "2");
    std::string copied;
    EXPECT_TRUE(ReadCdFile("logo.exe", copied));
}

// Leaving the AutoPlay field for the entry's name field, which is checked (its name taken
// over) the first time it is left: the copy question comes alone, and one copy is made.
TEST_F(FieldChecks, TheAutoPlayFileIsOfferedAndCopiedOnce) {
    ASSERT_TRUE(WriteCdFile(
        "AutoRun.INF", "[AutoRun]\r\nShell\\Tool=Werkzeug\r\nShell\\Tool\\Command=tool.exe\r\n"));
    OpenCdInf();

    session_->SetField(IDC_AUTOPLAY_FILE, Outside(kMarker, "start.exe"));
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    session_->MoveFocus(IDC_ENTRY_NAME);
    AnswerTheOnlyBox(kCopyQuestion, IDYES, IDC_ENTRY_LIST);
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "start.exe");
    EXPECT_EQ(session_->FieldText(IDC_ENTRY_NAME), "Tool");
    std::string copied;
    EXPECT_TRUE(ReadCdFile("start.exe", copied));
}

// Leaving the entry's command field for the entry's name field, whose loaded name would be
// taken over when left: the copy question comes alone and the entry keeps its name.
TEST_F(FieldChecks, AnEntryCommandIsOfferedOnceBeforeTheNameIsTakenOver) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nShell\\Tool=Werkzeug\r\n"
                                           "Shell\\Tool\\Command=tool.exe\r\n"));
    ASSERT_TRUE(CopyToCd(kMarker, "tool.exe"));
    OpenCdInf();

    session_->SetField(IDC_ENTRY_COMMAND, Outside(kMarker, "setup.exe"));
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_COMMAND));
    session_->MoveFocus(IDC_ENTRY_NAME);
    AnswerTheOnlyBox(kCopyQuestion, IDYES, IDC_MENU_TEXT);
    EXPECT_EQ(session_->FieldText(IDC_ENTRY_COMMAND), "setup.exe");
    EXPECT_EQ(session_->FieldText(IDC_ENTRY_NAME), "Tool");
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nShell\\Tool=Werkzeug\r\n"
                       "Shell\\Tool\\Command=setup.exe\r\n\r\n\r\n");
}

// The user leaves a field whose check reports a missing file for the entry's command field,
// whose loaded command is checked the first time it is left and is missing too. The box takes
// the focus from the command field: its check must not start under the first one. It stays
// due, and comes alone when the user really leaves the field.
TEST_F(FieldChecks, ACheckDueInTheFieldEnteredWaitsUntilItIsLeft) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nShell\\Tool=Werkzeug\r\n"
                                           "Shell\\Tool\\Command=fehlt.exe\r\n"));
    OpenCdInf();

    session_->SetField(IDC_AUTOPLAY_FILE, "auch-fehlt.exe");
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    session_->MoveFocus(IDC_ENTRY_COMMAND);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(box).text, kFileMissing);
    AnswerMessageBox(box, IDOK);
    for (DWORD waited = 0; IsWindow(box) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    ASSERT_FALSE(IsWindow(box)) << "the box stays after its answer";
    EXPECT_EQ(WaitForWindowWhere(session_->Process().id(), IsMessageBox, 0), nullptr)
        << "a second box: " << DescribeWindowsOf(session_->Process().id());

    // Wherever the focus went back to, the command field's check is still due.
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_COMMAND))
        << "a box: " << DescribeWindowsOf(session_->Process().id());
    session_->MoveFocus(IDC_MENU_TEXT);
    AnswerTheOnlyBox(kFileMissing, IDOK, IDC_ENTRY_LIST);
}

// The command fields find a program in quotes, blanks and all, and say when the profile reader
// would take the quotes off both ends of the line.
TEST_F(FieldChecks, AQuotedProgramIsFound) {
    ASSERT_TRUE(CopyToCd(kMarker, "Neue Version\\setup.exe"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\n"));
    OpenCdInf();

    session_->SetField(IDC_AUTOPLAY_FILE, "\"Neue Version\\setup.exe\" \"C:\\Daten\"");
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    session_->MoveFocus(IDC_ENTRY_LIST);
    AnswerTheOnlyBox(StringTableText(IDS_QUOTES_STRIPPED), IDOK, IDC_ICON_FILE);

    const std::string written = "\"Neue Version\\setup.exe\" /q";
    session_->SetField(IDC_AUTOPLAY_FILE, written);
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST))
        << "a box: " << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), written);
    PressOkAndExpectEnd();
    EXPECT_NE(CdInf().find("=" + written + "\r\n"), std::string::npos) << CdInf();
}

// Enter in the entry's name field ends the dialog with OK: the name typed is applied first, as
// leaving the field applies it, numbered where another entry has it.
TEST_F(FieldChecks, EnterAfterARenameSavesTheNewName) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\n"
                                           "Shell\\Install=Installieren\r\n"
                                           "Shell\\Install\\Command=setup.exe\r\n"
                                           "Shell\\Lies=Liesmich\r\n"
                                           "Shell\\Lies\\Command=notepad.exe l.txt\r\n"));
    OpenCdInf();
    session_->SelectListItem(1);
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Lies"));

    ASSERT_TRUE(session_->Focus(IDC_ENTRY_NAME));
    session_->SetField(IDC_ENTRY_NAME, "Install");
    session_->PressKey(VK_RETURN);
    DWORD code = 1;
    ASSERT_TRUE(session_->Ended(code)) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\n"
                       "Shell\\Install=Installieren\r\n"
                       "Shell\\Install1=Liesmich\r\n"
                       "Shell\\Install1\\Command=notepad.exe l.txt\r\n"
                       "Shell\\Install\\Command=setup.exe\r\n\r\n\r\n");
}

} // namespace
