// The keys AutoPlay reads, through the real editor under Wine with the keyboard as a user uses
// it: the menu's dialog sets them, a document from elsewhere is offered for copying as the
// AutoPlay program is, and the file gets them with the main dialog's OK; the double-click's
// entry follows a rename in the main dialog. The platforms' dialog chooses the AutoRun section
// the main dialog edits, adds one as a copy and removes one.
#include "autoplay_dlg_ids.h"
#include "corpus_files.h"
#include "editor_on_cd.h"
#include "platforms_dlg_ids.h"
#include "resource_ids.h"
#include "string_table.h"

#include <string>
#include <vector>

namespace {

const std::string kMarker = WindowsPathOf(MARKER_EXE);

} // namespace

// The dialogs of the menu, driven with the keyboard.
class MenuDialogKeys : public EditorOnCd {
protected:
    // Moves the focus inside dialog as Tab or a click would; the field left gets its
    // lost-focus notification, which may open a box.
    static void MoveFocusIn(HWND dialog, int id) {
        SetForegroundWindow(dialog);
        PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
    }

    static bool WaitForFocus(HWND dialog, int id) {
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            if (GetGUIThreadInfo(thread, &info) && info.hwndFocus == GetDlgItem(dialog, id))
                return true;
            Sleep(20);
        }
        return false;
    }

    // Focuses a control of dialog and presses keys there.
    static void KeysAt(HWND dialog, int id, std::initializer_list<WORD> keys) {
        MoveFocusIn(dialog, id);
        ASSERT_TRUE(WaitForFocus(dialog, id)) << id;
        for (WORD key : keys)
            PressKeysIn(dialog, {key});
    }

    // Keys reach a control some time after they are sent: what they do is waited for.
    template <typename Condition> static bool WaitUntil(Condition condition) {
        for (DWORD waited = 0; waited < kWindowTimeoutMs; waited += 20) {
            if (condition())
                return true;
            Sleep(20);
        }
        return false;
    }

    // Waits until window is gone: a key or a focus sent before would reach a window it still
    // holds disabled, and be lost.
    static void WaitUntilGone(HWND window) {
        ASSERT_TRUE(WaitUntil([window] { return !IsWindow(window); })) << "the window stays";
    }

    static void AnswerAndWaitUntilGone(HWND box, int answer) {
        AnswerMessageBox(box, answer);
        ASSERT_NO_FATAL_FAILURE(WaitUntilGone(box));
    }

    HWND WaitForDialog(const char* caption) {
        return WaitForWindowWhere(session_->Process().id(), [caption](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == caption;
        });
    }
};

namespace {

class AutoPlayKeys : public MenuDialogKeys {
protected:
    // The menu CD's second item, "Auto&Play": its letter is also the first item's, which Wine
    // chooses at once for it, so the user goes there with the arrow key.
    HWND OpenAutoPlayDialog() {
        EXPECT_NE(session_->OpenMenu('C'), nullptr) << DescribeWindowsOf(session_->Process().id());
        PressKeysIn(session_->MainWindow(), {VK_DOWN});
        PressKeysIn(session_->MainWindow(), {VK_RETURN});
        return WaitForDialog("AutoPlay");
    }

    static std::string ShownLine(HWND dialog, int comboId) {
        return WindowText(GetDlgItem(dialog, comboId));
    }
};

TEST_F(AutoPlayKeys, TheDialogSetsEveryKeyAndOkWritesThem) {
    ASSERT_TRUE(CopyToCd(kMarker, "setup.exe"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF",
                            "[AutoRun]\r\nopen=setup.exe\r\nShell\\lies=Lies mich\r\n"
                            "Shell\\lies\\command=notepad.exe\r\n"
                            "[Content]\r\nVideoFiles=vielleicht\r\n"));
    const std::string outside = toolDir_ + "Handbuch.txt";
    ASSERT_TRUE(CopyFileA(kMarker.c_str(), outside.c_str(), FALSE));
    OpenCdInf();

    HWND dialog = OpenAutoPlayDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    // A value no Windows documents is shown as the file spells it.
    EXPECT_EQ(ShownLine(dialog, IDC_AUTOPLAY_VIDEOS), "vielleicht");
    EXPECT_EQ(ShownLine(dialog, IDC_AUTOPLAY_DEFAULT_VERB), StringTableText(IDS_AUTOPLAY_PROGRAM));

    SendMessageA(GetDlgItem(dialog, IDC_AUTOPLAY_ACTION), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("Spiel installieren"));
    SendMessageA(GetDlgItem(dialog, IDC_AUTOPLAY_DOCUMENT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(outside.c_str()));
    MoveFocusIn(dialog, IDC_AUTOPLAY_DOCUMENT);
    ASSERT_TRUE(WaitForFocus(dialog, IDC_AUTOPLAY_DOCUMENT));
    MoveFocusIn(dialog, IDC_AUTOPLAY_USE);
    HWND box = WaitForWindowWhere(session_->Process().id(), [dialog](HWND window) {
        return window != dialog && IsMessageBox(window);
    });
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(box).text, StringTableText(IDS_OUTSIDE_ROOT_QUESTION));
    // The question belongs to the AutoPlay dialog, which the user cannot use meanwhile.
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    AnswerMessageBox(box, IDYES);
    ASSERT_TRUE(WaitForFocus(dialog, IDC_AUTOPLAY_USE));
    // The copy is made once the box is gone; the field names the copy then.
    EXPECT_TRUE(WaitUntil([dialog] {
        return WindowText(GetDlgItem(dialog, IDC_AUTOPLAY_DOCUMENT)) == "Handbuch.txt";
    })) << WindowText(GetDlgItem(dialog, IDC_AUTOPLAY_DOCUMENT));

    ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, IDC_AUTOPLAY_USE, {VK_SPACE}));
    EXPECT_TRUE(WaitUntil([dialog] {
        return SendMessageA(GetDlgItem(dialog, IDC_AUTOPLAY_USE), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }));
    const struct {
        int combo;
        WORD key;
        const char* line;
    } choices[] = {{IDC_AUTOPLAY_MUSIC, 'N', "nein"},
                   {IDC_AUTOPLAY_PICTURES, 'J', "ja"},
                   {IDC_AUTOPLAY_DEFAULT_VERB, 'L', "lies"}};
    for (const auto& choice : choices) {
        ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, choice.combo, {choice.key}));
        EXPECT_TRUE(WaitUntil([&] { return ShownLine(dialog, choice.combo) == choice.line; }))
            << choice.line;
    }
    PressKeysIn(dialog, {VK_RETURN});
    ASSERT_NO_FATAL_FAILURE(WaitUntilGone(dialog));

    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nAction=Spiel installieren\r\nIcon=,0\r\nShell=lies\r\n"
                       "ShellExecute=Handbuch.txt\r\nShell\\lies=Lies mich\r\n"
                       "Shell\\lies\\command=notepad.exe\r\nUseAutoPlay=1\r\nopen=setup.exe\r\n\r\n"
                       "[Content]\r\nMusicFiles=false\r\nPictureFiles=true\r\n"
                       "VideoFiles=vielleicht\r\n\r\n\r\n");
    std::string copied;
    EXPECT_TRUE(ReadCdFile("Handbuch.txt", copied));
}

TEST_F(AutoPlayKeys, TheDoubleClicksEntryFollowsItsRename) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nshell=Lies\r\nShell\\Lies=Lies mich\r\n"
                                           "Shell\\Lies\\Command=notepad.exe\r\n"));
    OpenCdInf();
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Lies"));
    session_->SetField(IDC_ENTRY_NAME, "Info");
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_NAME));
    ASSERT_TRUE(session_->Focus(IDC_MENU_TEXT));
    ASSERT_TRUE(session_->WaitForFieldText(IDC_ENTRY_NAME, "Info"));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nShell\\Info=Lies mich\r\n"
                       "Shell\\Info\\Command=notepad.exe\r\nshell=Info\r\n\r\n\r\n");
}

} // namespace

// A processor's section stands in for [AutoRun] on Windows of that processor: a change made to
// [AutoRun] that the section held alike is offered for it at OK, and the platforms' dialog lets
// the user edit, add and remove such sections.
class ProcessorSections : public MenuDialogKeys {
protected:
    static constexpr char kBoth[] = "[AutoRun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n"
                                    "[AutoRun.Amd64]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n";

    void SetUp() override {
        EditorOnCd::SetUp();
        ASSERT_TRUE(CopyToCd(kMarker, "setup.exe"));
        ASSERT_TRUE(CopyToCd(kMarker, "neu.exe"));
    }

    // Types a new program into the AutoPlay field and leaves it, as a user does.
    void ChangeProgram(const std::string& program) {
        session_->SetField(IDC_AUTOPLAY_FILE, program);
        ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
        ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST));
    }

    // "CD" -> "Pla&ttformen".
    HWND OpenPlatformsDialog() {
        EXPECT_TRUE(session_->ChooseMenuItem('C', 'T'));
        return WaitForDialog("Plattformen");
    }

    static std::vector<std::string> Lines(HWND dialog) {
        return ListBoxLines(GetDlgItem(dialog, IDC_PLATFORM_LIST));
    }

    static int SelectedLine(HWND dialog) {
        return static_cast<int>(SendDlgItemMessageA(dialog, IDC_PLATFORM_LIST, LB_GETCURSEL, 0, 0));
    }

    // A box that dialog owns: the dialog itself looks like one.
    HWND WaitForBoxOver(HWND dialog) {
        return WaitForWindowWhere(session_->Process().id(), [dialog](HWND window) {
            return window != dialog && IsMessageBox(window);
        });
    }

    static bool Enabled(HWND dialog, int id) {
        return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
    }

    // "Hinzufügen" and a line of its menu, chosen with the arrow keys.
    void AddSection(HWND dialog, int menuLine) {
        const std::size_t before = Lines(dialog).size();
        ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, IDC_PLATFORM_ADD, {VK_SPACE}));
        HWND menu = WaitForWindowWhere(session_->Process().id(), [](HWND window) {
            return ClassOf(window) == "#32768" && IsWindowVisible(window);
        });
        ASSERT_NE(menu, nullptr) << DescribeWindowsOf(session_->Process().id());
        for (int line = 0; line <= menuLine; ++line)
            SendKeys({VK_DOWN});
        SendKeys({VK_RETURN});
        ASSERT_TRUE(WaitUntil([&] { return Lines(dialog).size() == before + 1; }))
            << DescribeWindowsOf(session_->Process().id());
    }
};

namespace {

// The lines of the platforms' dialog.
const std::string kAmd64Line = "[AutoRun.Amd64] \x96 Windows f\xFCr x64 (64 Bit)";
const std::string kX86Line = "[AutoRun.x86] \x96 Windows f\xFCr x86 (32 Bit)";
const std::string kAutoRunLine =
    "[AutoRun] \x96 Windows 95/98/Me und jedes Windows ohne eigenen Abschnitt";
const std::string kEdited = " (wird bearbeitet)";

} // namespace

TEST_F(ProcessorSections, AChangeTheSectionHeldAlikeIsCarriedOnYes) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kBoth));
    OpenCdInf();
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));
    session_->Click(IDOK);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id()) << CdInf();
    EXPECT_EQ(ReadMessageBox(box).text,
              "Diese \xC4nderungen gelten nur f\xFCr [AutoRun]: open. 64-Bit-Windows liest "
              "[AutoRun.Amd64]. Sollen sie dort auch eingetragen werden?");
    AnswerMessageBox(box, IDYES);
    DWORD code = 1;
    ASSERT_TRUE(session_->Ended(code));
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n"
                       "[AutoRun.Amd64]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n\r\n");
}

TEST_F(ProcessorSections, NoChangeAsksNothingAndAbbrechenKeepsTheDialog) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kBoth));
    OpenCdInf();
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));
    session_->Click(IDOK);
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(AnswerAndWaitUntilGone(box, IDCANCEL));
    // Back in the dialog, the user takes the change back: OK asks nothing and writes the same.
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST));
    EXPECT_EQ(CdInf(), kBoth);
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("setup.exe"));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nicon=setup.exe,0\r\nopen=setup.exe\r\n\r\n"
                       "[AutoRun.Amd64]\r\nicon=setup.exe,0\r\nopen=setup.exe\r\n\r\n\r\n");
}

// A file of processor sections only: the user learns once which Windows read nothing of it, the
// dialog edits its section, and OK adds no [AutoRun] that no Windows of that processor reads.
TEST_F(ProcessorSections, AFileWithoutAutoRunIsEditedInItsProcessorSection) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun.Amd64]\r\nicon=setup.exe,0\r\n"));
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(ChooseCdInf(window));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(box).text,
              std::string(StringTableText(IDS_PROCESSOR_SECTION_ONLY)) + " [AutoRun.Amd64].");
    ASSERT_NO_FATAL_FAILURE(AnswerAndWaitUntilGone(box, IDOK));
    ASSERT_NE(session_->WaitForMainWindow(), nullptr)
        << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(session_->FieldText(IDC_ICON_FILE), "setup.exe");
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun.Amd64]\r\nOpen=neu.exe\r\nicon=setup.exe,0\r\n\r\n\r\n");
}

// Corpus file 34: 64-bit Windows start what [AutoRun.Amd64] names. The user chooses that section
// in the platforms' dialog, and the program changed there is what those Windows start.
TEST_F(ProcessorSections, Corpus34IsChangedThroughItsAmd64Section) {
    ASSERT_TRUE(CopyToCd(CorpusPath("34-grass7-amd64-and-default.inf"), "AutoRun.INF"));
    ASSERT_TRUE(CopyToCd(kMarker, "sources\\gr7setup.exe"));
    ASSERT_TRUE(CopyToCd(kMarker, "sources\\gr7arch32.exe"));
    OpenCdInf();
    EXPECT_EQ(session_->FieldText(IDC_AUTOPLAY_FILE), "sources\\gr7arch32.exe");

    HWND dialog = OpenPlatformsDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(Lines(dialog), (std::vector<std::string>{kAmd64Line, kAutoRunLine + kEdited}));
    // The section the main dialog shows stays while it does.
    EXPECT_EQ(SelectedLine(dialog), 1);
    EXPECT_FALSE(Enabled(dialog, IDC_PLATFORM_REMOVE));
    ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, IDC_PLATFORM_LIST, {VK_UP}));
    EXPECT_TRUE(WaitUntil([dialog] { return SelectedLine(dialog) == 0; }));
    EXPECT_TRUE(Enabled(dialog, IDC_PLATFORM_REMOVE));
    PressKeysIn(dialog, {VK_RETURN});
    ASSERT_NO_FATAL_FAILURE(WaitUntilGone(dialog));

    // The caption stays; the fields are the section's.
    EXPECT_EQ(WindowText(session_->MainWindow()), "Marlisk V1.0");
    EXPECT_TRUE(session_->WaitForFieldText(IDC_AUTOPLAY_FILE, "sources\\gr7setup.exe"));
    EXPECT_EQ(session_->FieldText(IDC_ICON_FILE), "sources\\gr7setup.exe");
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));
    PressOkAndExpectEnd();
    // Written back as a changed file is: sections and keys in the order of their names.
    EXPECT_EQ(CdInf(),
              "[AutoRun]\r\nicon=sources\\gr7arch32.exe,0\r\nopen=sources\\gr7arch32.exe\r\n"
              "\r\n[AutoRun.Amd64]\r\nicon=sources\\gr7setup.exe,0\r\nopen=neu.exe\r\n\r\n\r\n");
}

// Leaving a section whose change the other section held alike asks first, as OK does; Ja carries
// the change, and the section chosen shows it.
TEST_F(ProcessorSections, LeavingASectionAsksForItsChangesFirst) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", kBoth));
    OpenCdInf();
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));
    HWND dialog = OpenPlatformsDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, IDC_PLATFORM_LIST, {VK_DOWN}));
    ASSERT_TRUE(WaitUntil([dialog] { return SelectedLine(dialog) == 1; }));
    PressKeysIn(dialog, {VK_RETURN});
    HWND box = WaitForBoxOver(dialog);
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
    EXPECT_EQ(ReadMessageBox(box).text,
              "Diese \xC4nderungen gelten nur f\xFCr [AutoRun]: open. 64-Bit-Windows liest "
              "[AutoRun.Amd64]. Sollen sie dort auch eingetragen werden?");
    ASSERT_NO_FATAL_FAILURE(AnswerAndWaitUntilGone(box, IDYES));
    ASSERT_NO_FATAL_FAILURE(WaitUntilGone(dialog));
    EXPECT_TRUE(session_->WaitForFieldText(IDC_AUTOPLAY_FILE, "neu.exe"));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n"
                       "[AutoRun.Amd64]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n\r\n");
}

// A file without [AutoRun], as corpus file 07: the user adds one as a copy of what the edited
// section holds now, and [AutoRun.x86] too, then removes that again after the question.
TEST_F(ProcessorSections, SectionsAreAddedAsCopiesAndRemovedAfterAsking) {
    ASSERT_TRUE(
        WriteCdFile("AutoRun.INF", "[AutoRun.Amd64]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n"));
    HWND window = nullptr;
    ASSERT_NO_FATAL_FAILURE(ChooseCdInf(window));
    ASSERT_TRUE(IsMessageBox(window));
    ASSERT_NO_FATAL_FAILURE(AnswerAndWaitUntilGone(window, IDOK));
    ASSERT_NE(session_->WaitForMainWindow(), nullptr);
    ASSERT_NO_FATAL_FAILURE(ChangeProgram("neu.exe"));

    HWND dialog = OpenPlatformsDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(Lines(dialog), (std::vector<std::string>{kAmd64Line + kEdited}));
    ASSERT_NO_FATAL_FAILURE(AddSection(dialog, 0));
    ASSERT_NO_FATAL_FAILURE(AddSection(dialog, 0));
    EXPECT_EQ(Lines(dialog),
              (std::vector<std::string>{kAmd64Line + kEdited, kAutoRunLine, kX86Line}));
    EXPECT_EQ(SelectedLine(dialog), 2);
    // Every documented section is there now.
    EXPECT_FALSE(Enabled(dialog, IDC_PLATFORM_ADD));

    for (int answer : {IDNO, IDYES}) {
        ASSERT_NO_FATAL_FAILURE(KeysAt(dialog, IDC_PLATFORM_REMOVE, {VK_SPACE}));
        HWND box = WaitForBoxOver(dialog);
        ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(ReadMessageBox(box).text,
                  "Soll dieser Abschnitt aus der Datei entfernt werden?\n\n" + kX86Line +
                      "\n\nDiese Windows lesen dann [AutoRun].");
        ASSERT_NO_FATAL_FAILURE(AnswerAndWaitUntilGone(box, answer));
    }
    EXPECT_TRUE(WaitUntil([dialog] { return Lines(dialog).size() == 2; }));
    PressKeysIn(dialog, {VK_ESCAPE});
    ASSERT_NO_FATAL_FAILURE(WaitUntilGone(dialog));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n"
                       "[AutoRun.Amd64]\r\nicon=setup.exe,0\r\nopen=neu.exe\r\n\r\n\r\n");
}
