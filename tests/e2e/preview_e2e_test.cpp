// "CD" -> "Vorschau" of the real editor under Wine, with the keyboard as a user uses it: what
// each Windows does with the CD, "Kopieren" giving the table that quillot-check --targets prints,
// and the way from a note about a missing file to the field that names it.
#include "check_command.h"
#include "corpus_files.h"
#include "editor_on_cd.h"
#include "preview_dlg_ids.h"
#include "resource_ids.h"
#include "targets.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class Preview : public EditorOnCd {
protected:
    // Opens the CD's INF, the box about a file of processor sections only answered, and the
    // preview with its key.
    HWND OpenPreview() {
        HWND first = nullptr;
        EXPECT_NO_FATAL_FAILURE(ChooseCdInf(first));
        if (IsMessageBox(first))
            AnswerMessageBox(first, IDOK);
        EXPECT_NE(session_->WaitForMainWindow(), nullptr)
            << DescribeWindowsOf(session_->Process().id());
        session_->PressKey(VK_F6);
        return WaitForWindowWhere(session_->Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == "Vorschau";
        });
    }

    // The table that quillot-check --targets prints after the findings for the CD, its UTF-8
    // read back into code page 1252 and its lines apart as on Windows.
    static std::string TableOfQuillotCheck() {
        const std::string output =
            cd_check::RunCheckCommand({"--targets", std::filesystem::path(CdRoot())}).output;
        const std::string utf8 = output.substr(output.find("\n\nWindows\t") + 2);
        std::wstring wide(utf8.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                static_cast<int>(wide.size()))));
        std::string table;
        for (const wchar_t c : wide) {
            char narrow = '?';
            WideCharToMultiByte(1252, 0, &c, 1, &narrow, 1, nullptr, nullptr);
            table += narrow == '\n' ? std::string("\r\n") : std::string(1, narrow);
        }
        return table;
    }
};

TEST_F(Preview, KopierenGivesTheTableOfQuillotCheckForEachFileWithProcessorSections) {
    for (const char* name :
         {"07-tinywin11-amd64-section-only.inf", "33-windows-2000-sp2-x86-section.inf",
          "34-grass7-amd64-and-default.inf"}) {
        SCOPED_TRACE(name);
        ClearCd();
        ASSERT_TRUE(CopyToCd(CorpusPath(name), "AutoRun.INF"));
        HWND dialog = OpenPreview();
        ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
        const std::string table = TableOfQuillotCheck();
        // The list shows the table's lines after its titles.
        std::string shown = table.substr(0, table.find("\r\n") + 2);
        for (const std::string& line : ListBoxLines(GetDlgItem(dialog, IDC_PREVIEW_LIST)))
            shown += line + "\r\n";
        EXPECT_EQ(shown, table);
        PressKeysIn(dialog, {VK_MENU, 'K'});
        EXPECT_EQ(ClipboardTextOnceItIs(table), table);
        PressKeysIn(dialog, {VK_ESCAPE});
        CancelAndExpectEnd();
    }
}

// Corpus file 34 with only its 64-bit program on the CD: 64-bit Windows start it, the others
// the missing 32-bit one, and Enter on such a line leads to the field that names it.
TEST_F(Preview, ShowsEachWindowsItsProgramAndLeadsToTheMissingOne) {
    ASSERT_TRUE(CopyToCd(CorpusPath("34-grass7-amd64-and-default.inf"), "AutoRun.INF"));
    ASSERT_TRUE(CopyToCd(WindowsPathOf(QUILLOT_EXE), "sources\\gr7setup.exe"));
    HWND dialog = OpenPreview();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    HWND list = GetDlgItem(dialog, IDC_PREVIEW_LIST);
    const std::vector<std::string> lines = ListBoxLines(list);
    ASSERT_EQ(lines.size(), cd_check::AllTargets().size());
    const auto lineOf = [&lines](const std::string& windows) {
        for (const std::string& line : lines)
            if (line.compare(0, windows.size() + 1, windows + "\t") == 0)
                return line;
        return std::string();
    };
    EXPECT_NE(lineOf("Windows Vista bis 11 x64 (CD/DVD)")
                  .find("[AutoRun.Amd64]\tbietet in AutoPlay an: sources\\gr7setup.exe"),
              std::string::npos);
    EXPECT_NE(lineOf("Windows Vista bis 11 x86 (CD/DVD)")
                  .find("[AutoRun]\tbietet in AutoPlay an: sources\\gr7arch32.exe"),
              std::string::npos);

    // The first line, Windows 95, starts the 32-bit program, which is missing.
    PressKeysIn(dialog, {VK_HOME});
    PressKeysIn(dialog, {VK_RETURN});
    for (DWORD waited = 0; IsWindow(dialog) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    ASSERT_FALSE(IsWindow(dialog)) << "Enter leaves the dialog open";
    HWND field = session_->Item(IDC_AUTOPLAY_FILE);
    EXPECT_EQ(session_->FocusOnceItIs(field), field) << DescribeKeyboard(session_->MainWindow());
    CancelAndExpectEnd();
}

} // namespace
