// The main window's menu of the real editor under Wine, used with the keyboard as a user uses
// it: the CD's name ("label" in [AutoRun]) in a dialog of its own, which reaches the file only
// with the main dialog's OK, and the About box with the version of the editor's own file.
#include "about_dlg_ids.h"
#include "cd_label_dlg_ids.h"
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr char kLabelCaption[] = "Name der CD";
constexpr char kAboutCaption[] = "Info \xFC"
                                 "ber Marlisk";

std::string Utf16FileOf(const std::wstring& text) {
    std::string bytes("\xFF\xFE");
    for (wchar_t unit : text)
        bytes += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

// The file version of the editor, as Windows' own version functions read it from its file.
std::string FileVersionOf(const std::string& path) {
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (data.empty() ||
        !GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
        !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &size) ||
        fixed == nullptr)
        return "";
    return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionLS));
}

// Whether the process has a top-level window of that caption, shown or not.
bool HasWindowCaptioned(DWORD processId, const std::string& caption) {
    struct Search {
        DWORD processId;
        const std::string& caption;
        bool found;
    } search{processId, caption, false};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* wanted = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == wanted->processId && WindowText(window) == wanted->caption)
                wanted->found = true;
            return !wanted->found;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class Menu : public EditorOnCd {
protected:
    // Opens the dialog of the CD's name through the menu; nullptr if it does not come.
    HWND OpenLabelDialog() {
        EXPECT_TRUE(session_->ChooseMenuItem('C', 'N'))
            << "the menu CD did not open: " << DescribeWindowsOf(session_->Process().id())
            << DescribeKeyboard(session_->MainWindow());
        return WaitForDialogCaptioned(kLabelCaption);
    }

    HWND WaitForDialogCaptioned(const std::string& caption, DWORD timeoutMs = kWindowTimeoutMs) {
        return WaitForWindowWhere(
            session_->Process().id(),
            [&caption](HWND window) {
                return ClassOf(window) == "#32770" && WindowText(window) == caption;
            },
            timeoutMs);
    }

    // Ends a small dialog with a key (Enter for OK, Escape for its cancel button) and waits
    // until it is gone, so that the main dialog has its keyboard back.
    static void CloseWithKey(HWND dialog, WORD key) {
        PressKeysIn(dialog, {key});
        for (DWORD waited = 0; IsWindow(dialog) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        ASSERT_FALSE(IsWindow(dialog)) << "the dialog stays after its key";
    }

    // Sets the CD's name through the menu and its dialog's OK.
    void EnterLabel(const std::string& text) {
        HWND dialog = OpenLabelDialog();
        ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
        SendMessageA(GetDlgItem(dialog, IDC_CD_LABEL), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(text.c_str()));
        ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_RETURN));
    }
};

struct LabelEdit {
    const char* name;
    const char* inf;
    const char* typed;
    const char* saved;
};

std::string LabelEditName(const testing::TestParamInfo<LabelEdit>& info) {
    return info.param.name;
}

void PrintTo(const LabelEdit& edit, std::ostream* out) {
    *out << edit.name;
}

class LabelWrittenByOk : public Menu, public testing::WithParamInterface<LabelEdit> {};

TEST_P(LabelWrittenByOk, SavesTheNameAsTheMenuSetIt) {
    const LabelEdit& edit = GetParam();
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", edit.inf));
    OpenCdInf();
    ASSERT_NO_FATAL_FAILURE(EnterLabel(edit.typed));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), edit.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, LabelWrittenByOk,
    testing::Values(
        LabelEdit{"NewKeyInLowerCase", "[AutoRun]\r\nopen=setup.exe\r\n", "Meine CD",
                  "[AutoRun]\r\nIcon=,0\r\nlabel=Meine CD\r\nopen=setup.exe\r\n\r\n\r\n"},
        LabelEdit{"KeyKeepsItsSpelling", "[AutoRun]\r\nLABEL=Alt\r\nopen=setup.exe\r\n", "Neu 2026",
                  "[AutoRun]\r\nIcon=,0\r\nLABEL=Neu 2026\r\nopen=setup.exe\r\n\r\n\r\n"},
        LabelEdit{"EmptyFieldRemovesTheKey",
                  "[AutoRun]\r\nLabel=Alt\r\nIcon=,0\r\nopen=setup.exe\r\n", "",
                  "[AutoRun]\r\nIcon=,0\r\nopen=setup.exe\r\n\r\n\r\n"}),
    LabelEditName);

TEST_F(Menu, AbbruchDiscardsTheNameSetThroughTheMenu) {
    const std::string inf = "[AutoRun]\r\nopen=setup.exe\r\nlabel=Alt\r\n";
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", inf));
    OpenCdInf();
    ASSERT_NO_FATAL_FAILURE(EnterLabel("Neu"));
    CancelAndExpectEnd();
    EXPECT_EQ(CdInf(), inf);
}

TEST_F(Menu, AbbrechenInTheNameDialogStoresNothing) {
    const std::string inf = "[AutoRun]\r\nIcon=,0\r\nlabel=Alt\r\nopen=setup.exe\r\n";
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", inf));
    OpenCdInf();
    HWND dialog = OpenLabelDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    SendMessageA(GetDlgItem(dialog, IDC_CD_LABEL), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("Verworfen"));
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_ESCAPE));

    // The dialog opens again on the name of the file.
    dialog = OpenLabelDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_CD_LABEL)), "Alt");
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_ESCAPE));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), inf);
}

struct UnchangedLabel {
    const char* name;
    std::string inf;
    std::string shown;
    std::string saved;
};

std::string UnchangedLabelName(const testing::TestParamInfo<UnchangedLabel>& info) {
    return info.param.name;
}

void PrintTo(const UnchangedLabel& label, std::ostream* out) {
    *out << label.name;
}

// Explorer's name in Japanese, which Windows-1252 cannot show: its field shows "?" for it.
const std::wstring kJapanese = L"\u65E5\u672C\u8A9E\u30C7\u30A3\u30B9\u30AF";

class UnchangedLabelSurvives : public Menu, public testing::WithParamInterface<UnchangedLabel> {};

// OK in the name's dialog without a change, then OK in the main dialog, which rewrites the
// file (it adds the missing "Icon"): the name stays as the file had it.
TEST_P(UnchangedLabelSurvives, ByteForByte) {
    const UnchangedLabel& label = GetParam();
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", label.inf));
    OpenCdInf();
    HWND dialog = OpenLabelDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_CD_LABEL)), label.shown);
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_RETURN));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), label.saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnchangedLabelSurvives,
    testing::Values(
        // Windows reads the ";" and what follows as part of the name: shown, and kept.
        UnchangedLabel{"Ansi", "[AutoRun]\r\nLABEL=\"Caf\xE9 \xAE  2\" ; alt\r\nopen=setup.exe\r\n",
                       "\"Caf\xE9 \xAE  2\" ; alt",
                       "[AutoRun]\r\nIcon=,0\r\nLABEL=\"Caf\xE9 \xAE  2\" ; alt\r\n"
                       "open=setup.exe\r\n\r\n\r\n"},
        // Quotes around the whole name are not part of it, and stay in the file.
        UnchangedLabel{"AnsiQuoted", "[AutoRun]\r\nLABEL=\"Caf\xE9 \xAE  2\"\r\nopen=setup.exe\r\n",
                       "Caf\xE9 \xAE  2",
                       "[AutoRun]\r\nIcon=,0\r\nLABEL=\"Caf\xE9 \xAE  2\"\r\n"
                       "open=setup.exe\r\n\r\n\r\n"},
        UnchangedLabel{"Utf16",
                       Utf16FileOf(L"[AutoRun]\r\nopen=setup.exe\r\nLabel=" + kJapanese + L"\r\n"),
                       std::string(kJapanese.size(), '?'),
                       Utf16FileOf(L"[AutoRun]\r\nIcon=,0\r\nLabel=" + kJapanese +
                                   L"\r\nopen=setup.exe\r\n\r\n\r\n")}),
    UnchangedLabelName);

TEST_F(Menu, ANameLongerThanExplorerShowsIsWarnedAboutAndKept) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=,0\r\n"));
    OpenCdInf();
    HWND dialog = OpenLabelDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    HWND field = GetDlgItem(dialog, IDC_CD_LABEL);
    HWND warning = GetDlgItem(dialog, IDC_CD_LABEL_WARNING);
    EXPECT_FALSE(IsWindowVisible(warning));

    const std::string shown(32, 'A');
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    EXPECT_FALSE(IsWindowVisible(warning)) << "32 characters are shown whole";
    const std::string longer = shown + "B";
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(longer.c_str()));
    EXPECT_TRUE(IsWindowVisible(warning));
    EXPECT_NE(WindowText(warning).find("32 Zeichen"), std::string::npos) << WindowText(warning);

    // The name is the user's to choose: a longer one is stored as typed.
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_RETURN));
    PressOkAndExpectEnd();
    EXPECT_EQ(CdInf(), "[AutoRun]\r\nIcon=,0\r\nlabel=" + longer + "\r\n\r\n\r\n");
}

TEST_F(Menu, AboutShowsTheVersionOfTheEditorsFile) {
    const std::string version = FileVersionOf(toolDir_ + "quillot.exe");
    ASSERT_FALSE(version.empty()) << "the editor has no version resource";
    OpenCdInf();
    ASSERT_TRUE(session_->ChooseMenuItem('H', 'O'))
        << "the menu Hilfe did not open: " << DescribeWindowsOf(session_->Process().id());
    HWND about = WaitForDialogCaptioned(kAboutCaption);
    ASSERT_NE(about, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(GetDlgItem(about, IDC_ABOUT_VERSION)), "Version " + version);
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(about, VK_RETURN));
    CancelAndExpectEnd();
}

// A path typed into a field, and then a command of the menu: the field's check asks its one
// question before the dialog of the menu opens, over the main window and not inside that
// dialog; leaving the field afterwards asks nothing more.
TEST_F(Menu, ATypedPathIsCheckedBeforeTheMenusDialogOpens) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\n"));
    OpenCdInf();
    ASSERT_TRUE(session_->Focus(IDC_AUTOPLAY_FILE));
    session_->SetField(IDC_AUTOPLAY_FILE, "fehlt.exe");
    ASSERT_TRUE(session_->ChooseMenuItem('C', 'N'))
        << "the menu CD did not open: " << DescribeWindowsOf(session_->Process().id());

    HWND box = WaitForWindowWhere(session_->Process().id(), IsMessageBox);
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(box).text, StringTableText(IDS_FILE_MISSING));
    EXPECT_EQ(GetWindow(box, GW_OWNER), session_->MainWindow());
    // A dialog still being made is not shown yet: its window is looked for hidden too.
    EXPECT_FALSE(HasWindowCaptioned(session_->Process().id(), kLabelCaption))
        << "the question came while the dialog of the menu was being opened";
    AnswerMessageBox(box, IDOK);

    HWND dialog = WaitForDialogCaptioned(kLabelCaption);
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_FALSE(IsWindow(box));
    ASSERT_NO_FATAL_FAILURE(CloseWithKey(dialog, VK_ESCAPE));
    ASSERT_TRUE(session_->Focus(IDC_ENTRY_LIST))
        << "a second question: " << DescribeWindowsOf(session_->Process().id());
    CancelAndExpectEnd();
}

} // namespace
