// "CD > Prüfen" of the real editor under Wine, used with the keyboard and the mouse as a user
// uses them: F5 shows the findings of the CD as OK would save it now, errors first; "Kopieren"
// puts them on the clipboard; a double-click or Enter on a finding about a field brings the
// focus there.
#include "autoplay_dlg_ids.h"
#include "cd_check_dlg_ids.h"
#include "driver/mouse.h"
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr char kCaption[] = "CD pr\xFC"
                            "fen";
constexpr char kNoProblems[] = "Keine Probleme gefunden.";
// Longer than the 32 characters Explorer shows.
constexpr char kLongLabel[] = "Eine Bezeichnung von mehr als zweiunddrei\xDFig Zeichen";

class CdCheck : public EditorOnCd {
protected:
    // Presses F5 in the main window; the check's dialog, or nullptr if it does not come.
    HWND OpenCheck() {
        session_->PressKey(VK_F5);
        HWND dialog = WaitForWindowWhere(session_->Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == kCaption;
        });
        EXPECT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id())
                                   << DescribeKeyboard(session_->MainWindow());
        return dialog;
    }

    static std::vector<std::string> Lines(HWND dialog) {
        return ListBoxLines(GetDlgItem(dialog, IDC_CD_CHECK_LIST));
    }

    // Waits until dialog is gone after what closed it.
    static void ExpectClosed(HWND dialog) {
        for (DWORD waited = 0; IsWindow(dialog) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        ASSERT_FALSE(IsWindow(dialog)) << "the dialog stays";
    }
};

const std::string kTwoFindingsInf =
    std::string("[AutoRun]\r\nlabel=") + kLongLabel + "\r\nopen=setup.exe\r\n";
const std::vector<std::string> kTwoFindings = {
    "Fehler\tQ301\tDie Datei existiert nicht auf der CD: setup.exe",
    std::string("Warnung\tQ205\tDie Bezeichnung ist l\xE4nger als 32 Zeichen; Windows zeigt nur "
                "die ersten 32. (") +
        kLongLabel + ")"};

TEST_F(CdCheck, ListsTwoFindingsErrorsFirstAndCopiesThem) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kTwoFindingsInf));
    OpenCdInf();
    HWND dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Lines(dialog), kTwoFindings);

    PressKeysIn(dialog, {VK_MENU, 'K'});
    const std::string copied = kTwoFindings[0] + "\r\n" + kTwoFindings[1] + "\r\n";
    EXPECT_EQ(ClipboardTextOnceItIs(copied), copied);

    PressKeysIn(dialog, {VK_ESCAPE});
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(dialog));
    // The check writes nothing.
    CancelAndExpectEnd();
    EXPECT_EQ(CdInf(), kTwoFindingsInf);
}

TEST_F(CdCheck, CleanCdHasNoProblems) {
    ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\n"));
    OpenCdInf();
    HWND dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Lines(dialog), std::vector<std::string>{kNoProblems});
    PressKeysIn(dialog, {VK_ESCAPE});
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(dialog));
    CancelAndExpectEnd();
}

// The file names a program that is missing; the field, not yet saved, one that is there.
TEST_F(CdCheck, ChecksTheUnsavedFieldsNotTheFile) {
    const std::string inf = "[AutoRun]\r\nopen=fehlt.exe\r\n";
    ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", inf));
    OpenCdInf();
    session_->SetField(IDC_AUTOPLAY_FILE, "setup.exe");
    HWND dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Lines(dialog), std::vector<std::string>{kNoProblems});
    PressKeysIn(dialog, {VK_ESCAPE});
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(dialog));
    CancelAndExpectEnd();
    EXPECT_EQ(CdInf(), inf);
}

// What the menu's AutoPlay dialog changed is checked before it is saved.
TEST_F(CdCheck, ChecksTheAutoPlayKeysNotYetSaved) {
    const std::string inf = "[AutoRun]\r\nopen=setup.exe\r\n";
    ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", inf));
    OpenCdInf();
    // "Auto&Play", the menu's second item, shares its letter with the first.
    ASSERT_NE(session_->OpenMenu('C'), nullptr);
    PressKeysIn(session_->MainWindow(), {VK_DOWN});
    PressKeysIn(session_->MainWindow(), {VK_RETURN});
    HWND autoPlay = WaitForWindowWhere(session_->Process().id(), [](HWND window) {
        return ClassOf(window) == "#32770" && WindowText(window) == "AutoPlay";
    });
    ASSERT_NE(autoPlay, nullptr) << DescribeWindowsOf(session_->Process().id());
    SendMessageA(GetDlgItem(autoPlay, IDC_AUTOPLAY_ACTION), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("@texte.dll,-101"));
    PressKeysIn(autoPlay, {VK_RETURN});
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(autoPlay));

    HWND dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::string> lines = Lines(dialog);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("Q306"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("texte.dll"), std::string::npos) << lines[0];
    PressKeysIn(dialog, {VK_ESCAPE});
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(dialog));
    CancelAndExpectEnd();
    EXPECT_EQ(CdInf(), inf);
}

struct GoToField {
    const char* name;
    const char* inf;
    bool doubleClick; // else Enter
    int field;
    // For the entry list: the entry that must be selected.
    int entry = -1;
};

void PrintTo(const GoToField& c, std::ostream* out) {
    *out << c.name;
}

std::string GoToFieldName(const testing::TestParamInfo<GoToField>& param) {
    return param.param.name;
}

class FindingLeadsToItsField : public CdCheck, public testing::WithParamInterface<GoToField> {};

// The first finding is about the field; the user chooses it and lands there.
TEST_P(FindingLeadsToItsField, ClosesTheDialogAndFocusesTheField) {
    const GoToField& c = GetParam();
    ASSERT_TRUE(WriteCdFile("setup.exe", "MZ"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", c.inf));
    OpenCdInf();
    HWND dialog = OpenCheck();
    ASSERT_NE(dialog, nullptr);
    ASSERT_FALSE(Lines(dialog).empty());
    HWND list = GetDlgItem(dialog, IDC_CD_CHECK_LIST);
    if (c.doubleClick) {
        SetForegroundWindow(dialog);
        const LONG line = static_cast<LONG>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        DoubleClickWithMouse(list, POINT{8, line / 2});
    } else {
        PressKeysIn(dialog, {VK_RETURN});
    }
    ASSERT_NO_FATAL_FAILURE(ExpectClosed(dialog));
    HWND field = session_->Item(c.field);
    EXPECT_EQ(session_->FocusOnceItIs(field), field) << DescribeKeyboard(session_->MainWindow());
    if (c.entry >= 0) {
        EXPECT_EQ(SendMessageA(field, LB_GETCURSEL, 0, 0), c.entry);
    }
    CancelAndExpectEnd();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FindingLeadsToItsField,
    testing::Values(
        GoToField{"IconByDoubleClick", "[AutoRun]\r\nopen=setup.exe\r\nicon=fehlt.ico\r\n", true,
                  IDC_ICON_FILE},
        GoToField{"OpenByEnter", "[AutoRun]\r\nopen=fehlt.exe\r\n", false, IDC_AUTOPLAY_FILE},
        // The second entry lacks its command.
        GoToField{
            "EntryByEnter",
            "[AutoRun]\r\nopen=setup.exe\r\nshell\\aaa=Erster\r\nshell\\aaa\\command=setup.exe\r\n"
            "shell\\lies=Lies mich\r\n",
            false, IDC_ENTRY_LIST, 1}),
    GoToFieldName);

} // namespace
