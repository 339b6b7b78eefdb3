// Opens the real editor on an AutoRun.INF and holds its main window still at the top-left
// corner of the screen until told to close it, so that a script can take a screenshot.
//
//   show_editor EDITOR.EXE INF-NAME STOP-FILE [menu|label|check|preview|OUTSIDE-FILE]
// Prints "x y width height" of what is shown once it is there, then waits (at most a minute)
// for STOP-FILE to exist and cancels the editor. Without a fourth argument that is the main
// window; with "menu" the main window with its menu CD open below it, followed by the menu's
// own "x y width height"; with "label" the dialog of the CD's name, holding a name longer than
// Explorer shows; with "check" the findings of the CD's check (F5); with "preview" what each
// Windows does with the CD (F6). With OUTSIDE-FILE (a large file
// outside the CD) it puts that file into the AutoPlay field, answers the copy question with Yes and
// shows the main window once the progress window of the copy is over it; on STOP-FILE it presses
// "Abbrechen" there.
#include "cd_label_dlg_ids.h"
#include "copy_progress_window_ids.h"
#include "driver/editor_session.h"
#include "driver/message_box.h"
#include "driver/windows_of.h"
#include "resource_ids.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Brings path into the CD through the AutoPlay field; the progress window of its copy, or
// nullptr.
HWND StartCopy(EditorSession& session, const char* path) {
    session.SetField(IDC_AUTOPLAY_FILE, path);
    if (!session.Focus(IDC_AUTOPLAY_FILE))
        return nullptr;
    session.MoveFocus(IDC_ENTRY_LIST);
    HWND box = WaitForWindowWhere(session.Process().id(), IsMessageBox);
    if (box == nullptr)
        return nullptr;
    AnswerMessageBox(box, IDYES);
    return WaitForWindowWhere(session.Process().id(), [](HWND window) {
        return ClassOf(window) == "#32770" && !IsMessageBox(window) &&
               GetDlgItem(window, IDC_COPY_BAR) != nullptr;
    });
}

constexpr char kLongName[] = "Beispiel-CD mit einem langen Namen";

// What the screenshot shows: the main window, and what the mode opens over it (nullptr: only
// the main window). The mode is "menu", "label" or a file to copy into the CD.
HWND OpenWhatIsShown(EditorSession& session, const char* mode) {
    if (mode == nullptr)
        return nullptr;
    if (std::strcmp(mode, "menu") == 0)
        return session.OpenMenu('C');
    if (std::strcmp(mode, "label") == 0) {
        if (!session.ChooseMenuItem('C', 'N'))
            return nullptr;
        HWND dialog = WaitForWindowWhere(session.Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == "Name der CD";
        });
        if (dialog != nullptr)
            SendMessageA(GetDlgItem(dialog, IDC_CD_LABEL), WM_SETTEXT, 0,
                         reinterpret_cast<LPARAM>(kLongName));
        return dialog;
    }
    if (std::strcmp(mode, "check") == 0) {
        session.PressKey(VK_F5);
        return WaitForWindowWhere(session.Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == "CD pr\xFC"
                                                                        "fen";
        });
    }
    if (std::strcmp(mode, "preview") == 0) {
        session.PressKey(VK_F6);
        return WaitForWindowWhere(session.Process().id(), [](HWND window) {
            return ClassOf(window) == "#32770" && WindowText(window) == "Vorschau";
        });
    }
    return StartCopy(session, mode);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: show_editor EDITOR.EXE INF-NAME STOP-FILE "
                             "[menu|label|check|preview|OUTSIDE-FILE]\n");
        return 2;
    }
    EditorSession session(argv[1]);
    HWND fileDialog = session.WaitForFileDialog();
    if (fileDialog == nullptr) {
        std::fprintf(stderr, "no file dialog: %s\n",
                     DescribeWindowsOf(session.Process().id()).c_str());
        return 1;
    }
    EditorSession::ChooseFile(fileDialog, argv[2]);
    // A new file is created only after a question.
    HWND window = WaitForWindowWhere(session.Process().id(), [](HWND candidate) {
        return IsMessageBox(candidate) || ClassOf(candidate) == "QuillotFrame";
    });
    if (window != nullptr && IsMessageBox(window))
        AnswerMessageBox(window, IDYES);
    HWND main = session.WaitForMainWindow();
    if (main == nullptr) {
        std::fprintf(stderr, "no main window: %s\n",
                     DescribeWindowsOf(session.Process().id()).c_str());
        return 1;
    }
    SetWindowPos(main, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
    const char* mode = argc == 5 ? argv[4] : nullptr;
    HWND opened = OpenWhatIsShown(session, mode);
    if (mode != nullptr && opened == nullptr) {
        std::fprintf(stderr, "%s did not open: %s\n", mode,
                     DescribeWindowsOf(session.Process().id()).c_str());
        return 1;
    }
    Sleep(500);
    RECT rect;
    GetWindowRect(main, &rect);
    RECT over = {};
    if (opened != nullptr)
        GetWindowRect(opened, &over);
    const bool menu = opened != nullptr && std::strcmp(mode, "menu") == 0;
    const bool copying = opened != nullptr && !menu && std::strcmp(mode, "label") != 0 &&
                         std::strcmp(mode, "check") != 0 && std::strcmp(mode, "preview") != 0;
    if (menu) {
        // A menu hangs from the main window: the picture holds both.
        rect.right = std::max(rect.right, over.right);
        rect.bottom = std::max(rect.bottom, over.bottom);
    } else if (opened != nullptr && !copying) {
        rect = over;
    }
    std::printf("%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    // The menu's own place as well: the screen's picture may lack it (see screenshot.sh).
    if (menu)
        std::printf(" %ld %ld %ld %ld", over.left, over.top, over.right - over.left,
                    over.bottom - over.top);
    std::printf("\n");
    std::fflush(stdout);
    for (int waited = 0; waited < 600 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES;
         ++waited)
        Sleep(100);
    // An open menu, dialog or copy goes first, as the user would close it.
    if (opened != nullptr && copying) {
        PostMessageA(GetDlgItem(opened, IDCANCEL), BM_CLICK, 0, 0);
        for (int waited = 0; waited < 600 && IsWindow(opened); ++waited)
            Sleep(100);
    } else if (opened != nullptr) {
        // A menu reads the keys of its window; Escape closes it, and again leaves the bar.
        PressKeysIn(menu ? main : opened, {VK_ESCAPE});
        if (menu)
            PressKeysIn(main, {VK_ESCAPE});
        for (int waited = 0; waited < 100 && IsWindowVisible(opened); ++waited)
            Sleep(100);
    }
    session.Click(IDCANCEL);
    DWORD code = 0;
    return session.Ended(code) ? 0 : 1;
}
