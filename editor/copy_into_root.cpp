#include "copy_into_root.h"

#include "copy_progress_view.h"
#include "copy_progress_window.h"
#include "file_help.h"
#include "the_file_help.h"
#include "top_level_window.h"
#include "wait_cursor.h"
#include "worker_thread.h"

#include <optional>
#include <string>

namespace {

// How often the window's thread looks at the copy while it waits.
constexpr DWORD kLookMs = 50;

// Runs the messages of the editor with the window up until the copy has ended, as a modal
// window does: the dialog's top-level window is disabled, the progress window repaints and
// answers, and the focus goes back where it was.
void FollowInWindow(HWND dialog, const std::string& fileName, CopyProgress& progress,
                    const TWorkerThread& copy) {
    const HWND topLevel = TopLevelWindowOf(dialog);
    const HWND focus = GetFocus();
    // A copy that starts while a dialog of the program is open finds the window disabled, and
    // must leave it so.
    const bool wasEnabled = IsWindowEnabled(topLevel) != FALSE;
    CopyProgressWindow window(dialog, fileName, progress);
    EnableWindow(topLevel, FALSE);
    if (window.Create())
        ShowWindow(window.Handle(), SW_SHOW);

    std::optional<WPARAM> quit;
    const HANDLE end = copy.EndEvent();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &end, FALSE, kLookMs, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // The program's end is passed on to its own loop once the copy is over.
            if (message.message == WM_QUIT) {
                quit = message.wParam;
                continue;
            }
            if (window.Handle() != nullptr && IsDialogMessageA(window.Handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        window.Refresh();
    }

    // Enabled before the window goes, so that the system activates the dialog's window again
    // instead of another program's.
    if (wasEnabled)
        EnableWindow(topLevel, TRUE);
    window.Destroy(IDCANCEL);
    if (focus != nullptr && IsWindow(focus))
        SetFocus(focus);
    if (quit)
        PostQuitMessage(static_cast<int>(*quit));
}

} // namespace

CopyOutcome CopyIntoRoot(HWND dialog, const char* source, const char* target) {
    const WaitCursor waitCursor;
    const std::string fileName = theFileHelp->FileNameOf(source);
    CopyProgress progress;
    int copied = 0;
    {
        const DWORD start = GetTickCount();
        const TWorkerThread copy(
            [&] { copied = theFileHelp->CopyFileTo(source, target, progress); });
        while (!copy.WaitForEnd(kLookMs)) {
            if (copy_progress::ShowWindowNow(GetTickCount() - start, progress.Done(),
                                             progress.Total())) {
                FollowInWindow(dialog, fileName, progress, copy);
                break;
            }
        }
    }
    if (copied == 1)
        return CopyOutcome::kCopied;
    return progress.CancelRequested() ? CopyOutcome::kCancelled : CopyOutcome::kFailed;
}
