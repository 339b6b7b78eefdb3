// The dialog filled from an AutoRun.INF and written back on OK: what the user sees after
// opening a file, and the bytes on disk after OK or "Abbruch".
#include "marlisk_fixture.h"
#include "resource_ids.h"

#include <string>

namespace {

class LoadAndSave : public MarliskFixture {
protected:
    FILETIME WriteTime(const std::string& name) {
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        GetFileAttributesExA((CdDir() + name).c_str(), GetFileExInfoStandard, &data);
        return data.ftLastWriteTime;
    }
    // OK as the user gives it; the dialog window goes when the file was saved.
    void PressOk() { Click(IDOK); }
    bool DialogOpen() { return Dialog().Handle() != nullptr; }
};

TEST_F(LoadAndSave, SplitsTheIconAtTheFirstComma) {
    WriteFile("cd.ico", "");
    const struct {
        const char* value;
        const char* file;
        const char* number;
    } cases[] = {
        {"Icon=setup.exe,2", "setup.exe", "2"},
        {"Icon=setup.exe", "setup.exe", "0"},
        {"Icon=setup.exe, 007", "setup.exe", "7"},
        {"Icon=setup.exe,3abc,4", "setup.exe", "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        // No icon can be shown from these files: the fields name the INF's icon all the same.
        OpenDialog("AutoRun.INF", (std::string("[AutoRun]\r\n") + c.value + "\r\n").c_str());
        EXPECT_EQ(FieldText(IDC_ICON_FILE), c.file);
        EXPECT_EQ(FieldText(IDC_ICON_NUMBER), c.number);
    }
}

TEST_F(LoadAndSave, ReadsSmallLettersAndWritesThemBackWithoutASecondSectionOrKey) {
    WriteFile("neu.exe", "MZ");
    OpenDialog("AutoRun.INF", "[autorun]\r\nopen=start.exe\r\nicon=start.exe,0\r\n");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "start.exe");
    SetField(IDC_AUTOPLAY_FILE, "neu.exe");
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[autorun]\r\nicon=start.exe,0\r\nopen=neu.exe\r\n\r\n\r\n");
}

TEST_F(LoadAndSave, OkWithoutEditsLeavesACompleteFileUntouched) {
    const std::string original = "[AutoRun]\r\nIcon=,0\r\nOpen=start.exe\r\n\r\n";
    OpenDialog("AutoRun.INF", original.c_str());
    const FILETIME before = WriteTime("AutoRun.INF");
    Sleep(20);
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), original);
    const FILETIME after = WriteTime("AutoRun.INF");
    EXPECT_EQ(CompareFileTime(&before, &after), 0) << "the file was rewritten";
}

std::string Utf16FileOf(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    for (wchar_t unit : text)
        bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// Fields that show "?" for characters beyond Windows-1252 give nothing back unless the user
// changed them, though the preview empties the icon fields when it finds no icon.
TEST_F(LoadAndSave, FieldsWithHiddenCharactersLeaveTheirValuesAlone) {
    const std::wstring values = L"Icon=\u65E5\u672C.ico,2\r\nOpen=\u65E5\u672C.exe\r\n";
    WriteFile("AutoRun.INF", Utf16FileOf(L"[AutoRun]\r\n" + values));
    OpenDialog("AutoRun.INF");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "??.exe");
    Click(IDC_NEW_ENTRY);
    SetField(IDC_MENU_TEXT, "Neu");
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"),
              Utf16FileOf(L"[AutoRun]\r\n" + values + L"Shell\\PopupMnu=Neu\r\n\r\n\r\n"));
}

TEST_F(LoadAndSave, OkOnAFileWithoutOpenRewritesItWithoutAnOpenLine) {
    OpenDialog("AutoRun.INF", "[AutoRun]\r\nlabel=Meine CD\r\n");
    PressOk();
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\nIcon=,0\r\nlabel=Meine CD\r\n\r\n\r\n");
}

// Windows' reader lists both keys without a name; OK keeps both.
TEST_F(LoadAndSave, KeysWithoutANameStay) {
    WriteFile("setup.exe", "MZ");
    OpenDialog("AutoRun.INF", "[AutoRun]\r\n=\r\nopen=setup.exe\r\n=wert\r\n");
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"),
              "[AutoRun]\r\n=\r\n=wert\r\nIcon=,0\r\nopen=setup.exe\r\n\r\n\r\n");
}

// A field reads only the start of a command longer than a path: untouched, it goes back whole.
TEST_F(LoadAndSave, AnUntouchedLongCommandGoesBackWhole) {
    std::string command = "setup.exe /i LANG=de";
    for (int property = 1; command.size() < 404; ++property)
        command += " PROP" + std::to_string(property) + "=Wert1";
    command.resize(404);
    const std::string inf = "[AutoRun]\r\nIcon=,0\r\nShell\\install=Installieren\r\n"
                            "Shell\\install\\command=" +
                            command + "\r\n";
    OpenDialog("AutoRun.INF", inf.c_str());
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_NE(ReadFile("AutoRun.INF").find("command=" + command + "\r\n"), std::string::npos);
}

TEST_F(LoadAndSave, CancelAfterEditsLeavesTheFileByteForByte) {
    const std::string original = "; Kopf\r\n[AutoRun]\r\nopen=a.exe ; Start\r\n\r\n[Orbilan]\r\n"
                                 "Headline=H\r\nText=T\r\nExec=a.exe\r\n";
    OpenDialog("AutoRun.INF", original.c_str());
    SetField(IDC_HEADLINE, "Anders");
    SetField(IDC_ICON_FILE, "x.ico");
    Click(IDCANCEL);
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), original);
}

// A ";" inside a line is part of its value, as Windows reads it: the lines stay as they were.
TEST_F(LoadAndSave, KeepsUnknownSectionsAndKeysAsTheyStand) {
    OpenDialog("AutoRun.INF", "[AutoRun]\r\nOpen=a.exe\r\nlabel=CD ; Name\r\n\r\n"
                              "[Fremd]\r\nzwei=2\r\neins=1 ; erste\r\nfreier Text\r\n");
    PressOk();
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\nIcon=,0\r\nOpen=a.exe\r\nlabel=CD ; Name\r\n"
                                       "\r\n[Fremd]\r\neins=1 ; erste\r\nzwei=2\r\nfreier Text\r\n"
                                       "\r\n\r\n");
}

TEST_F(LoadAndSave, UncheckingTheStarterRemovesItsSectionWithCommentsAndText) {
    WriteFile("Orbilan.EXE", "schon da");
    OpenDialog("AutoRun.INF", "[AutoRun]\r\nOpen=Orbilan.EXE\r\n\r\n[Orbilan] ; Starter\r\n"
                              "Headline=H ; Kopf\r\nExec=a.exe\r\nText ohne Schluessel\r\n");
    ASSERT_TRUE(Checked(IDC_USE_STARTER));
    Click(IDC_USE_STARTER);
    ASSERT_FALSE(Checked(IDC_USE_STARTER));
    PressOk();
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\nIcon=,0\r\nOpen=Orbilan.EXE\r\n\r\n\r\n");
    EXPECT_EQ(ReadFile("Orbilan.EXE"), "schon da") << "the starter file stays";
}

TEST_F(LoadAndSave, AStarterWithOnlyExecIsInUse) {
    WriteFile("Orbilan.EXE", "schon da");
    OpenDialog("AutoRun.INF", "[Orbilan]\r\nExec=setup.exe\r\n");
    EXPECT_TRUE(Checked(IDC_USE_STARTER));
    EXPECT_EQ(FieldText(IDC_STARTER_PROGRAM), "setup.exe");
    EXPECT_EQ(FieldText(IDC_HEADLINE), "");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
    EXPECT_TRUE(Enabled(IDC_HEADLINE));
    EXPECT_FALSE(Enabled(IDC_AUTOPLAY_FILE));
}

TEST_F(LoadAndSave, OpenNamingTheStarterWithoutItsSectionLeavesTheStarterOff) {
    OpenDialog("AutoRun.INF", "[AutoRun]\r\nOpen=Orbilan.EXE\r\n");
    EXPECT_FALSE(Checked(IDC_USE_STARTER));
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
    EXPECT_FALSE(Enabled(IDC_HEADLINE));
    EXPECT_TRUE(Enabled(IDC_AUTOPLAY_FILE));
    EXPECT_FALSE(FileExists("Orbilan.EXE"));
}

TEST_F(LoadAndSave, AFailedSaveIsReportedAndTheDialogStaysOpen) {
    const std::string original = "[AutoRun]\r\nOpen=alt.exe\r\n";
    WriteFile("neu.exe", "MZ");
    OpenDialog("AutoRun.INF", original.c_str());
    SetField(IDC_AUTOPLAY_FILE, "neu.exe");
    // Another program holds the file and lets nobody replace it.
    HANDLE holder =
        CreateFileA((CdDir() + "AutoRun.INF").c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    ExpectBox(IDOK);
    PressOk();
    CloseHandle(holder);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Die Datei konnte nicht gespeichert werden!");
    EXPECT_EQ(Boxes()[0].caption, "Fehler:");
    EXPECT_EQ(Boxes()[0].type, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(Boxes()[0].owner, Dialog().Handle());
    EXPECT_TRUE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), original);

    // Once the file is free, OK again saves and closes.
    PressOk();
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\nIcon=,0\r\nOpen=neu.exe\r\n\r\n\r\n");
}

} // namespace
