#include "cd_check_dlg.h"

#include "clipboard_text.h"
#include "inf_editing_dialog.h"
#include "string_ids.h"
#include "string_resource.h"

#include <windows.h>

#include <utility>

namespace {

// The columns of a line, in dialog units: severity, code, text.
constexpr int kTabStops[] = {36, 62};

// The width in pixels of the widest line, for the list's horizontal scroll bar.
int WidestLine(HWND list, const std::vector<std::string>& lines, const int* tabStops, int count) {
    HDC dc = GetDC(list);
    if (dc == nullptr)
        return 0;
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& line : lines) {
        const DWORD extent = GetTabbedTextExtentA(dc, line.c_str(), static_cast<int>(line.size()),
                                                  count, const_cast<int*>(tabStops));
        if (static_cast<int>(LOWORD(extent)) > widest)
            widest = LOWORD(extent);
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    return widest;
}

} // namespace

CdCheckDlg::CdCheckDlg(const CdCheckOutcome& outcome, InfEditingDialog& editing)
    : TDialog(nullptr, IDD_CD_CHECK), outcome_(outcome), editing_(editing) {
    Bind(IDC_CD_CHECK_LIST, TNotification::DoubleClick, [this] { ChooseSelected(); });
    Bind(IDC_CD_CHECK_COPY, TNotification::Click, [this] { CopyToClipboard(); });
    // One page of the help is about all of the dialog, its buttons too.
    BindHelp([this](int) { editing_.Help().Open(editing_.Handle(), IDC_CD_CHECK_LIST); });
    for (const cd_check::Finding& finding : outcome_.findings)
        lines_.push_back(FindingLine(finding));
    if (outcome_.findings.empty() && outcome_.complete)
        lines_.push_back(LoadResourceString(IDS_CHECK_NONE));
    if (!outcome_.complete)
        lines_.push_back(LoadResourceString(IDS_CHECK_INCOMPLETE) + ' ' +
                         (outcome_.unreadDirectory.empty() ? "\\" : outcome_.unreadDirectory));
}

void CdCheckDlg::SetupWindow() {
    TDialog::SetupWindow();
    const HWND list = list_.Handle();
    SendMessageA(list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(kTabStops));
    for (const std::string& line : lines_)
        list_.AddString(line);
    list_.SetSelIndex(0);
    // The tab stops in pixels, for measuring: dialog units across are a quarter of the
    // average character.
    RECT stops = {kTabStops[0], 0, kTabStops[1], 0};
    MapDialogRect(Handle(), &stops);
    const int pixelStops[] = {static_cast<int>(stops.left), static_cast<int>(stops.right)};
    const int margin = GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LB_SETHORIZONTALEXTENT,
                 static_cast<WPARAM>(WidestLine(list, lines_, pixelStops, 2) + margin), 0);
    SetFocus(list);
}

void CdCheckDlg::RequestClose(int result) {
    if (result == IDOK) {
        // Enter in the list means the line; a line that leads nowhere keeps the dialog open.
        ChooseSelected();
        return;
    }
    TDialog::RequestClose(result);
}

void CdCheckDlg::ChooseSelected() {
    const int index = list_.GetSelIndex();
    if (index < 0 || index >= static_cast<int>(outcome_.findings.size()))
        return;
    const cd_check::Finding& finding = outcome_.findings[static_cast<std::size_t>(index)];
    if (TargetOf(finding, editing_.EditedSection()).place == FindingPlace::kNone)
        return;
    chosen_ = &finding;
    TDialog::RequestClose(IDOK);
}

void CdCheckDlg::CopyToClipboard() {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    PutOnClipboard(Handle(), text);
}
