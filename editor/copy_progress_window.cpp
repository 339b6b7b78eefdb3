#include "copy_progress_window.h"

#include "copy_progress_view.h"
#include "copy_progress_window_ids.h"
#include "string_ids.h"
#include "string_resource.h"
#include "top_level_window.h"

#include <commctrl.h>

#include <utility>

CopyProgressWindow::CopyProgressWindow(HWND owner, ProgressTexts texts, CopyProgress& progress)
    : TDialog(owner, IDD_COPY_PROGRESS), owner_(owner), texts_(std::move(texts)),
      progress_(progress) {
    Bind(IDCANCEL, TNotification::Click, [this] { Cancel(); });
}

void CopyProgressWindow::SetupWindow() {
    if (!texts_.caption.empty())
        SetWindowTextA(Handle(), texts_.caption.c_str());
    if (!texts_.label.empty())
        SetDlgItemTextA(Handle(), IDC_COPY_LABEL, texts_.label.c_str());
    SetDlgItemTextA(Handle(), IDC_COPY_FILE, texts_.name.c_str());
    // The 16-bit range every version of the control knows.
    SendDlgItemMessageA(Handle(), IDC_COPY_BAR, PBM_SETRANGE, 0,
                        MAKELPARAM(0, copy_progress::kBarRange));
    CenterOverOwner();
    Refresh();
}

void CopyProgressWindow::Refresh() {
    if (Handle() == nullptr)
        return;
    const std::uint64_t done = progress_.Done();
    const std::uint64_t total = progress_.Total();
    const int position = copy_progress::BarPosition(done, total);
    if (position != shownPosition_) {
        SendDlgItemMessageA(Handle(), IDC_COPY_BAR, PBM_SETPOS, position, 0);
        shownPosition_ = position;
    }
    std::string bytes = copy_progress::BytesText(LoadResourceString(IDS_COPY_BYTES), done, total);
    if (bytes != shownBytes_) {
        SetDlgItemTextA(Handle(), IDC_COPY_BYTES, bytes.c_str());
        shownBytes_ = std::move(bytes);
    }
}

void CopyProgressWindow::Cancel() {
    progress_.RequestCancel();
    // Taken: the copy stops at its next piece, and the window goes with it.
    EnableWindow(GetDlgItem(Handle(), IDCANCEL), FALSE);
}

void CopyProgressWindow::CenterOverOwner() {
    RECT owner;
    RECT window;
    GetWindowRect(TopLevelWindowOf(owner_), &owner);
    GetWindowRect(Handle(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(Handle(), nullptr, owner.left + (owner.right - owner.left - width) / 2,
                 owner.top + (owner.bottom - owner.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
