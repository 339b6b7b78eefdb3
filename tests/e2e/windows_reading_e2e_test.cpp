// AutoRun.INF files as Windows' profile reader reads them, through the real editor under Wine:
// context-menu entries in small letters, a ";" inside a value, lines ended by CR alone, and a
// UTF-8 file with its mark. The file after OK is checked byte for byte and through the reader.
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <string>

namespace {

std::string ProfileValue(const char* key) {
    char value[256] = "";
    GetPrivateProfileStringA("AutoRun", key, "<missing>", value, sizeof value,
                             (CdRoot() + "AutoRun.INF").c_str());
    return value;
}

class WhatWindowsReads : public EditorOnCd {
protected:
    void SetUp() override {
        EditorOnCd::SetUp();
        ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    }
};

TEST_F(WhatWindowsReads, EntriesInSmallLettersAreListedChangedAndKeptInTheirSpelling) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\n"
                                           "shell\\install=Installieren\r\n"
                                           "shell\\install\\command=setup.exe /i\r\n"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_ENTRY_NAME), "install");
    EXPECT_EQ(session_->FieldText(IDC_ENTRY_COMMAND), "setup.exe /i");
    EXPECT_EQ(session_->FieldText(IDC_MENU_TEXT), "Installieren");

    ASSERT_TRUE(session_->Focus(IDC_MENU_TEXT));
    session_->SetField(IDC_MENU_TEXT, "Jetzt installieren");
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST));
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nopen=setup.exe\r\n"
                       "shell\\install=Jetzt installieren\r\n"
                       "shell\\install\\command=setup.exe /i\r\n\r\n\r\n");
    EXPECT_EQ(ProfileValue("Shell\\Install"), "Jetzt installieren");
}

TEST_F(WhatWindowsReads, ASemicolonInAValueIsShownAndKeptThroughOk) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nopen=setup.exe ; startet das Setup\r\n"
                                           "label=Ende;\r\n"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "setup.exe ; startet das Setup");
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nlabel=Ende;\r\n"
                       "open=setup.exe ; startet das Setup\r\n\r\n\r\n");
    EXPECT_EQ(ProfileValue("label"), "Ende;");
}

TEST_F(WhatWindowsReads, AFileWithCrLineEndsIsShownAndKept) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\ropen=setup.exe\rlabel=Alt\r"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "setup.exe");
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nlabel=Alt\r\nopen=setup.exe\r\n\r\n\r\n");
}

const char kUtf8Inf[] = "\xEF\xBB\xBF[AutoRun]\r\nopen=setup.exe\r\nlabel=Gr\xC3\xBC\xC3\x9F"
                        "e\r\n";

class Utf8File : public WhatWindowsReads {
protected:
    // Opens the file and answers the editor's word on it; its text.
    std::string OpenAndAnswer() {
        HWND window = nullptr;
        ChooseCdInf(window);
        if (window != nullptr && !IsMessageBox(window))
            window = WaitForBox();
        if (window == nullptr) {
            ADD_FAILURE() << "no message box on a UTF-8 file";
            return "";
        }
        const std::string text = ReadMessageBox(window).text;
        AnswerMessageBox(window, IDOK);
        EXPECT_NE(session_->WaitForMainWindow(), nullptr)
            << DescribeWindowsOf(session_->Process().id());
        return text;
    }
};

TEST_F(Utf8File, IsShownToldAboutAndSavedInAFormWindowsReads) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kUtf8Inf));
    EXPECT_EQ(OpenAndAnswer(), "Die Datei ist in UTF-8 geschrieben, das Windows in AutoRun.INF "
                               "nicht richtig liest. Mit OK wird sie in Windows-1252 gespeichert, "
                               "wie Windows sie liest.");
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "setup.exe");
    PressOkAndExpectEnd();

    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nlabel=Gr\xFC\xDF"
                       "e\r\nopen=setup.exe\r\n\r\n\r\n");
    EXPECT_EQ(ProfileValue("label"), "Gr\xFC\xDF"
                                     "e");
}

TEST_F(Utf8File, IsLeftAsItWasByAbbruch) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kUtf8Inf));
    EXPECT_FALSE(OpenAndAnswer().empty());
    CancelAndExpectEnd();
    EXPECT_EQ(CdInf(), kUtf8Inf);
}

} // namespace
