// Whole journeys through the real editor under Wine, from the open-file dialog to the
// AutoRun.INF on disk, compared byte for byte; the first one ends with the CD run through the
// starter the editor wrote.
#include "driver/test_process.h"
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <fstream>
#include <sstream>
#include <string>

namespace {

const std::string kStarter = WindowsPathOf(ORBILAN_EXE);
const std::string kMarker = WindowsPathOf(MARKER_EXE);
const std::string kCorpus = WindowsPathOf(QUILLOT_CORPUS_DIR) + "\\";

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

using Journey = EditorOnCd;

TEST_F(Journey, ANewCdWithTheStarterRunsItsProgram) {
    ASSERT_TRUE(CopyToCd(kMarker, "marker.exe"));
    OpenCdInf();

    session_->Click(IDC_USE_STARTER);
    ASSERT_TRUE(session_->WaitForFieldText(IDC_AUTOPLAY_FILE, "Orbilan.EXE"));
    EXPECT_EQ(session_->FieldText(IDC_HEADLINE), "\xdc"
                                                 "berschrift");
    EXPECT_EQ(session_->FieldText(IDC_QUESTION_TEXT), "Soll Programm xy gestartet werden?");
    EXPECT_EQ(session_->FieldText(IDC_ICON_FILE), "Orbilan.EXE");
    EXPECT_EQ(session_->FieldText(IDC_ICON_NUMBER), "0");
    session_->SetField(IDC_HEADLINE, "Beispiel-CD");
    session_->SetField(IDC_QUESTION_TEXT, "Soll das Programm gestartet werden?");
    session_->SetField(IDC_STARTER_PROGRAM, "marker.exe proof.txt");
    // Leaving the program field checks it: the program lies in the CD's root.
    ASSERT_TRUE(session_->Focus(IDC_STARTER_PROGRAM));
    ASSERT_TRUE(session_->Focus(IDC_HEADLINE)) << DescribeWindowsOf(session_->Process().id());
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=Orbilan.EXE,0\r\nOpen=Orbilan.EXE\r\n\r\n"
                       "[Orbilan]\r\nExec=marker.exe proof.txt\r\nHeadline=Beispiel-CD\r\n"
                       "Text=Soll das Programm gestartet werden?\r\n\r\n\r\n");
    EXPECT_EQ(ReadWholeFile(CdRoot() + "Orbilan.EXE"), ReadWholeFile(kStarter));

    // AutoPlay starts the starter from the CD: it asks and starts the program in the root.
    TestProcess starter(CdRoot() + "Orbilan.EXE");
    HWND question = WaitForWindowOf(starter.id());
    ASSERT_NE(question, nullptr);
    ASSERT_TRUE(IsMessageBox(question)) << DescribeWindowsOf(starter.id());
    EXPECT_EQ(ReadMessageBox(question).caption, "Beispiel-CD");
    EXPECT_EQ(ReadMessageBox(question).text, "Soll das Programm gestartet werden?");
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(starter.WaitForExit(kWindowTimeoutMs).has_value());
    std::string proof;
    ASSERT_TRUE(WaitForCdFile("proof.txt", proof));
    EXPECT_EQ(proof, CdRoot());
}

TEST_F(Journey, ARealWorldInfIsEditedAndKeepsWhatTheEditorDoesNotKnow) {
    ASSERT_TRUE(CopyToCd(kCorpus + "37-medics-capitalised-keys.inf", "AutoRun.INF"));
    ASSERT_TRUE(WriteCdFile("medics\\medics.bat", "@echo off\r\n"));
    ASSERT_TRUE(WriteCdFile("medics\\start.bat", "@echo off\r\n"));
    ASSERT_TRUE(CopyToCd(kStarter, "medics\\image\\MI2.ico"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "medics\\medics.bat");

    session_->SetField(IDC_AUTOPLAY_FILE, "medics\\start.bat");
    // Leaving the field checks the file: it lies on the CD.
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST)) << DescribeWindowsOf(session_->Process().id());
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[Autorun]\r\nAction=Start Medics\r\nIcon=medics\\image\\MI2.ico,0\r\n"
                       "Label=MEDICS\r\nOpen=medics\\start.bat\r\n\r\n\r\n");
}

TEST_F(Journey, ContextMenuEntriesAreAddedRenamedAndDeleted) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF",
                            "[AutoRun]\r\nopen=setup.exe\r\n"
                            "Shell\\Install=Programm &installieren\r\n"
                            "Shell\\Install\\Command=setup.exe /i\r\n"
                            "Shell\\Lies=Liesmich &anzeigen\r\n"
                            "Shell\\Lies\\Command=notepad.exe Liesmich.txt\r\n"
                            "Shell\\Web=Homepage\r\nShell\\Web\\Command=start.htm\r\n"));
    ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    OpenCdInf();

    // Delete "Web", the last entry.
    session_->SelectListItem(2);
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Web"));
    session_->Click(IDC_DELETE_ENTRY);
    HWND question = WaitForBox();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(ReadMessageBox(question).caption, "Eintrag L\xf6schen");
    AnswerMessageBox(question, IDYES);
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Lies"));

    // Rename "Lies" to "Readme" by leaving the name field.
    session_->SetField(IDC_ENTRY_NAME, "Readme");
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_NAME));
    ASSERT_TRUE(session_->Focus(IDC_MENU_TEXT));
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Readme"));

    // A new entry, filled in.
    session_->Click(IDC_NEW_ENTRY);
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "PopupMnu"));
    session_->SetField(IDC_MENU_TEXT, "Deinstallieren");
    session_->SetField(IDC_ENTRY_COMMAND, "setup.exe /u");
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\n"
                       "Shell\\Install=Programm &installieren\r\n"
                       "Shell\\Install\\Command=setup.exe /i\r\n"
                       "Shell\\PopupMnu=Deinstallieren\r\nShell\\PopupMnu\\Command=setup.exe /u\r\n"
                       "Shell\\Readme=Liesmich &anzeigen\r\n"
                       "Shell\\Readme\\Command=notepad.exe Liesmich.txt\r\n"
                       "open=setup.exe\r\n\r\n\r\n");
}

} // namespace
