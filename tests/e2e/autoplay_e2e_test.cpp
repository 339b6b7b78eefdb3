// The keys AutoPlay reads, through the real editor under Wine with the keyboard as a user uses
// it: the menu's dialog sets them, a document from elsewhere is offered for copying as the
// AutoPlay program is, and the file gets them with the main dialog's OK; the double-click's
// entry follows a rename in the main dialog.
#include "autoplay_dlg_ids.h"
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <string>

namespace {

const std::string kMarker = WindowsPathOf(MARKER_EXE);

class AutoPlayKeys : public EditorOnCd {
protected:
    // The menu CD's second item, "Auto&Play": its letter is also the first item's, which Wine
    // chooses at once for it, so the user goes there with the arrow key.
    HWND OpenAutoPlayDialog() {
        EXPECT_NE(session_->OpenMenu('C'), nullptr) << DescribeWindowsOf(session_->Process().id());
        PressKeysIn(session_->MainWindow(), {VK_DOWN});
        PressKeysIn(session_->MainWindow(), {VK_RETURN});
        return WaitForWindowWhere(session_->Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == "AutoPlay";
        });
    }

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
    for (DWORD waited = 0; IsWindow(dialog) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    ASSERT_FALSE(IsWindow(dialog)) << "the dialog stays after Enter";

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
// [AutoRun] that the section held alike is offered for it at OK.
class ProcessorSections : public EditorOnCd {
protected:
    static constexpr char kBoth[] = "[AutoRun]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n"
                                    "[AutoRun.Amd64]\r\nopen=setup.exe\r\nicon=setup.exe,0\r\n";

    void SetUp() override {
        EditorOnCd::SetUp();
        ASSERT_TRUE(CopyToCd(kMarker, "setup.exe"));
        ASSERT_TRUE(CopyToCd(kMarker, "neu.exe"));
    }

    // Answers a box and waits until it is gone: a focus moved before would reach a main dialog
    // that the box still holds disabled, and be lost.
    static void AnswerAndWaitUntilGone(HWND box, int answer) {
        AnswerMessageBox(box, answer);
        for (DWORD waited = 0; IsWindow(box) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        ASSERT_FALSE(IsWindow(box)) << "the box stays after its answer";
    }

    // Types a new program into the AutoPlay field and leaves it, as a user does.
    void ChangeProgram(const std::string& program) {
        session_->SetField(IDC_AUTOPLAY_FILE, program);
        ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
        ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST));
    }
};

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
