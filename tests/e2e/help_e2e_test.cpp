// Hilfe and F1 of the real editor under Wine: the HTML Help file beside the editor, the old
// WinHelp file where only that lies there, and the message when neither does. Wine's help
// window has no browser engine here, so the tests read what it does show: its caption and the
// entries of its contents.
#include "driver/tree_view.h"
#include "editor_on_cd.h"
#include "resource_ids.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr char kHelpTitle[] = "Marlisk V1.0 Hilfe";

// The WinHelp viewer is a program of its own: its windows belong to another process.
HWND WaitForForeignWindowMentioning(const std::string& text) {
    for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 50) {
        struct Search {
            const std::string& text;
            HWND found;
        } search{text, nullptr};
        EnumWindows(
            [](HWND window, LPARAM parameter) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(parameter);
                if (IsWindowVisible(window) && IsMessageBox(window) &&
                    ReadMessageBox(window).text.find(wanted->text) != std::string::npos) {
                    wanted->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(50);
    }
    return nullptr;
}

class HelpTest : public EditorOnCd {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(EditorOnCd::SetUp());
        RemoveHelpFiles();
    }
    void TearDown() override {
        EditorOnCd::TearDown();
        RemoveHelpFiles();
    }

    void RemoveHelpFiles() {
        DeleteFileA((toolDir_ + "Hovenac.chm").c_str());
        DeleteFileA((toolDir_ + "Hovenac.HLP").c_str());
    }
    static bool WriteFileOf(const std::string& path, const std::string& content) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        DWORD written = 0;
        const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()),
                                  &written, nullptr) &&
                        written == content.size();
        CloseHandle(file);
        return ok;
    }
    void PutHtmlHelpBesideEditor() {
        ASSERT_TRUE(CopyFileA(WindowsPathOf(HOVENAC_CHM).c_str(),
                              (toolDir_ + "Hovenac.chm").c_str(), FALSE));
    }

    // The help window of the editor and the tree of its contents; nullptr if none comes.
    HWND WaitForHelpWindow(HWND& contents) {
        HWND help = WaitForWindowWhere(session_->Process().id(),
                                       [](HWND window) { return ClassOf(window) == "HH Parent"; });
        contents = nullptr;
        // The viewer fills in its contents after it shows its window.
        for (DWORD waited = 0; help != nullptr && waited < kWindowTimeoutMs; waited += 50) {
            contents = FindChildOfClass(help, "SysTreeView32");
            if (contents != nullptr && SendMessageA(contents, TVM_GETCOUNT, 0, 0) > 0)
                break;
            Sleep(50);
        }
        return help;
    }

    // The help window comes with its title, and goes when the editor is cancelled.
    void ExpectHelpWindowUntilTheEditorEnds() {
        HWND contents = nullptr;
        HWND help = WaitForHelpWindow(contents);
        ASSERT_NE(help, nullptr) << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(WindowText(help), kHelpTitle);
        CancelAndExpectEnd();
        EXPECT_FALSE(IsWindow(help));
    }

    static HWND FindChildOfClass(HWND parent, const char* className) {
        struct Search {
            const char* className;
            HWND found;
        } search{className, nullptr};
        EnumChildWindows(
            parent,
            [](HWND window, LPARAM parameter) -> BOOL {
                auto* wanted = reinterpret_cast<Search*>(parameter);
                if (ClassOf(window) != wanted->className)
                    return TRUE;
                wanted->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
};

TEST_F(HelpTest, HilfeShowsTheHelpWindowWithItsContents) {
    ASSERT_NO_FATAL_FAILURE(PutHtmlHelpBesideEditor());
    OpenCdInf();
    session_->Click(IDC_HELP_BUTTON);
    HWND contents = nullptr;
    HWND help = WaitForHelpWindow(contents);
    ASSERT_NE(help, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(help), kHelpTitle);
    ASSERT_NE(contents, nullptr) << "the help window shows no contents";
    // The entries as the user reads them: umlauts included, the dialog's groups nested.
    const std::vector<std::string> expected = {
        "Marlisk V1.0 im \xDC"
        "berblick",
        "Die virtuelle Wurzel",
        "Der Dialog",
        "Das AutoPlay-Programm",
        "Der Starter Orbilan",
        "Das Symbol der CD",
        "Eintr\xE4ge im Kontextmen\xFC",
        "Die CD pr\xFC"
        "fen",
        "AutoPlay: was sp\xE4tere Windows lesen",
        "Plattformen: Abschnitte f\xFCr einen Prozessor",
        "Vorschau: was jedes Windows mit der CD tut",
        "Was der Benutzer der CD sieht",
        "AutoPlay unter heutigem Windows",
        "Ein Abbild der CD erstellen",
        "H\xE4ufige Fehler",
    };
    EXPECT_EQ(TreeViewItems(contents), expected);

    // The help window does not keep the editor, and goes with it.
    CancelAndExpectEnd();
    EXPECT_FALSE(IsWindow(help));
}

// F1 pressed in a field reaches the dialog as a help request and opens the help. Which page
// a control's group gets is checked natively (help_topics_test): Wine's viewer shows no page
// and leaves its contents unselected, so the page cannot be read back here.
TEST_F(HelpTest, F1InTheIconNumberFieldOpensTheHelp) {
    ASSERT_NO_FATAL_FAILURE(PutHtmlHelpBesideEditor());
    OpenCdInf();
    ASSERT_TRUE(session_->Focus(IDC_ICON_NUMBER));
    session_->PressKey(VK_F1);
    ExpectHelpWindowUntilTheEditorEnds();
}

// The check's dialog holds the main window; its help comes all the same.
TEST_F(HelpTest, F1InTheCheckOfTheCdOpensTheHelp) {
    ASSERT_NO_FATAL_FAILURE(PutHtmlHelpBesideEditor());
    OpenCdInf();
    session_->PressKey(VK_F5);
    HWND check = WaitForWindowWhere(session_->Process().id(), [](HWND window) {
        return ClassOf(window) == "#32770" && WindowText(window) == "CD pr\xFC"
                                                                    "fen";
    });
    ASSERT_NE(check, nullptr) << DescribeWindowsOf(session_->Process().id());
    PressKeysIn(check, {VK_F1});
    HWND contents = nullptr;
    HWND help = WaitForHelpWindow(contents);
    ASSERT_NE(help, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(help), kHelpTitle);
    PressKeysIn(check, {VK_ESCAPE});
    for (DWORD waited = 0; IsWindow(check) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    CancelAndExpectEnd();
    EXPECT_FALSE(IsWindow(help));
}

TEST_F(HelpTest, InhaltInTheMenuOpensTheHelpAsTheButtonDoes) {
    ASSERT_NO_FATAL_FAILURE(PutHtmlHelpBesideEditor());
    OpenCdInf();
    ASSERT_TRUE(session_->ChooseMenuItem('H', 'I'))
        << "the menu Hilfe did not open: " << DescribeWindowsOf(session_->Process().id());
    ExpectHelpWindowUntilTheEditorEnds();
}

TEST_F(HelpTest, OnlyTheWinHelpFileAsksWinHelpForIt) {
    ASSERT_TRUE(WriteFileOf(toolDir_ + "Hovenac.HLP", "?_\x03\x00"));
    OpenCdInf();
    session_->Click(IDC_HELP_BUTTON);
    HWND question = WaitForForeignWindowMentioning("Hovenac.HLP");
    ASSERT_NE(question, nullptr) << "WinHelp was not asked for the file";
    const MessageBoxView view = ReadMessageBox(question);
    EXPECT_NE(view.text.find(toolDir_ + "Hovenac.HLP"), std::string::npos) << view.text;
    AnswerMessageBox(question, view.no ? IDNO : IDOK);

    // The editor goes on working.
    session_->SetField(IDC_HEADLINE, "weiter");
    EXPECT_EQ(session_->FieldText(IDC_HEADLINE), "weiter");
    CancelAndExpectEnd();
}

TEST_F(HelpTest, NeitherHelpFileIsReported) {
    OpenCdInf();
    session_->Click(IDC_HELP_BUTTON);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Fehler:");
    EXPECT_EQ(view.text, "Die Hilfe kann nicht angezeigt werden. Die Hilfedatei Hovenac.chm "
                         "wird in diesem Ordner erwartet:\n" +
                             toolDir_);
    EXPECT_TRUE(view.ok);
    EXPECT_FALSE(view.icon);
    AnswerMessageBox(box, IDOK);
    CancelAndExpectEnd();
}

} // namespace
