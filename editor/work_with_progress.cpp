#include "work_with_progress.h"

#include "copy_progress_view.h"
#include "copy_progress_window.h"
#include "top_level_window.h"
#include "wait_cursor.h"
#include "worker_thread.h"

#include <optional>

namespace {

// How often the window's thread looks at the work while it waits.
constexpr DWORD kLookMs = 50;

// Runs the messages of the editor with the window up until the work has ended, as a modal
// window does: the dialog's top-level window is disabled, the progress window repaints and
// answers, and the focus goes back where it was.
void FollowInWindow(HWND dialog, const ProgressTexts& texts, CopyProgress& progress,
                    const TWorkerThread& work) {
    const HWND topLevel = TopLevelWindowOf(dialog);
    const HWND focus = GetFocus();
    // Work that starts while a dialog of the program is open finds the window disabled, and
    // must leave it so.
    const bool wasEnabled = IsWindowEnabled(topLevel) != FALSE;
    CopyProgressWindow window(dialog, texts, progress);
    EnableWindow(topLevel, FALSE);
    if (window.Create())
        ShowWindow(window.Handle(), SW_SHOW);

    std::optional<WPARAM> quit;
    const HANDLE end = work.EndEvent();
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &end, FALSE, kLookMs, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // The program's end is passed on to its own loop once the work is over.
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

void RunWithProgress(HWND dialog, const ProgressTexts& texts, CopyProgress& progress,
                     const std::function<void()>& work) {
    const WaitCursor waitCursor;
    const DWORD start = GetTickCount();
    const TWorkerThread worker(work);
    while (!worker.WaitForEnd(kLookMs)) {
        if (copy_progress::ShowWindowNow(GetTickCount() - start, progress.Done(),
                                         progress.Total())) {
            FollowInWindow(dialog, texts, progress, worker);
            break;
        }
    }
}
