// Opens the real editor on an AutoRun.INF and holds its main window still at the top-left
// corner of the screen until told to close it, so that a script can take a screenshot.
//
//   show_editor EDITOR.EXE INF-NAME STOP-FILE
// Prints "x y width height" of the main window once it is shown, then waits (at most a
// minute) for STOP-FILE to exist and cancels the editor.
#include "driver/editor_session.h"
#include "driver/message_box.h"
#include "driver/windows_of.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: show_editor EDITOR.EXE INF-NAME STOP-FILE\n");
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
    Sleep(500);
    RECT rect;
    GetWindowRect(main, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    std::fflush(stdout);
    for (int waited = 0; waited < 600 && GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES;
         ++waited)
        Sleep(100);
    session.Click(IDCANCEL);
    DWORD code = 0;
    return session.Ended(code) ? 0 : 1;
}
