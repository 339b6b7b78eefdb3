// Opens the real editor on an AutoRun.INF and holds its main window still at the top-left
// corner of the screen until told to close it, so that a script can take a screenshot.
//
//   show_editor EDITOR.EXE INF-NAME STOP-FILE [OUTSIDE-FILE]
// Prints "x y width height" of the main window once it is shown, then waits (at most a
// minute) for STOP-FILE to exist and cancels the editor. With OUTSIDE-FILE (a large file outside
// the CD), it first puts that file into the AutoPlay field, answers the copy question with Yes
// and prints the geometry once the progress window of the copy is shown over the dialog; on
// STOP-FILE it presses "Abbrechen" there.
#include "driver/editor_session.h"
#include "driver/message_box.h"
#include "driver/windows_of.h"
#include "resource_ids.h"

#include <cstdio>
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

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: show_editor EDITOR.EXE INF-NAME STOP-FILE [OUTSIDE-FILE]\n");
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
    HWND progress = nullptr;
    if (argc == 5) {
        progress = StartCopy(session, argv[4]);
        if (progress == nullptr) {
            std::fprintf(stderr, "no progress window: %s\n",
                         DescribeWindowsOf(session.Process().id()).c_str());
            return 1;
        }
    }
    Sleep(500);
    RECT rect;
    GetWindowRect(main, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    std::fflush(stdout);
    for (int waited = 0; waited < 600 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES;
         ++waited)
        Sleep(100);
    if (progress != nullptr) {
        PostMessageA(GetDlgItem(progress, IDCANCEL), BM_CLICK, 0, 0);
        for (int waited = 0; waited < 600 && IsWindow(progress); ++waited)
            Sleep(100);
    }
    session.Click(IDCANCEL);
    DWORD code = 0;
    return session.Ended(code) ? 0 : 1;
}
