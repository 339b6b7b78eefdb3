#include "preview_dlg.h"

#include "clipboard_text.h"
#include "icon_value.h"
#include "inf_editing_dialog.h"
#include "root_references.h"

#include <shellapi.h>

#include <cstring>

namespace {

// The table's columns drawn in the list, under their titles: Windows, section, what inserting
// does, name, context menu, content. The icon column is the icon itself; the notes go below.
constexpr std::size_t kDrawnCells[] = {0, 1, 2, 4, 5, 6};
constexpr int kTitles[] = {IDC_PREVIEW_TITLE_WINDOWS, IDC_PREVIEW_TITLE_SECTION,
                           IDC_PREVIEW_TITLE_INSERT,  IDC_PREVIEW_TITLE_NAME,
                           IDC_PREVIEW_TITLE_MENU,    IDC_PREVIEW_TITLE_CONTENT};

// The icons of shell32.dll that Explorer shows for a drive without one of its own.
constexpr int kCdDriveIcon = 11;
constexpr int kRemovableDriveIcon = 7;

HICON SmallIconOf(const char* path, int number) {
    HICON icon = nullptr;
    return ExtractIconExA(path, number, nullptr, &icon, 1) > 0 ? icon : nullptr;
}

} // namespace

PreviewDlg::PreviewDlg(const std::vector<cd_check::TargetAnswer>& answers,
                       InfEditingDialog& editing)
    : TDialog(nullptr, IDD_PREVIEW), answers_(answers), editing_(editing), icons_(answers.size()) {
    Bind(IDC_PREVIEW_LIST, TNotification::SelectionChanged, [this] { ShowNotes(); });
    Bind(IDC_PREVIEW_LIST, TNotification::DoubleClick, [this] { RequestClose(IDOK); });
    Bind(IDC_PREVIEW_COPY, TNotification::Click, [this] { Copy(); });
    Bind(IDC_PREVIEW_HELP, TNotification::Click, [this] { ShowHelp(); });
    BindHelp([this](int) { ShowHelp(); });
}

void PreviewDlg::SetupWindow() {
    TDialog::SetupWindow();
    for (std::size_t column = 0; column < columnLeft_.size(); ++column) {
        RECT title{};
        GetWindowRect(GetDlgItem(Handle(), kTitles[column]), &title);
        MapWindowPoints(nullptr, list_.Handle(), reinterpret_cast<POINT*>(&title), 2);
        columnLeft_[column] = title.left;
    }
    const int iconSize = GetSystemMetrics(SM_CYSMICON);
    const LRESULT textHeight = SendMessageA(list_.Handle(), LB_GETITEMHEIGHT, 0, 0);
    SendMessageA(list_.Handle(), LB_SETITEMHEIGHT, 0,
                 (iconSize > textHeight ? iconSize : textHeight) + 4);
    const std::string table = cd_check::TargetsTable(answers_);
    // The first line holds the titles, which the dialog has above its list.
    std::size_t start = table.find('\n') + 1;
    for (std::size_t index = 0; index < answers_.size(); ++index) {
        icons_[index].Reset(IconOf(answers_[index]));
        const std::size_t end = table.find('\n', start);
        list_.AddString(table.substr(start, end - start));
        start = end + 1;
    }
    list_.SetSelIndex(0);
    ShowNotes();
}

HICON PreviewDlg::IconOf(const cd_check::TargetAnswer& answer) const {
    if (!answer.icon.empty()) {
        const icon_value::IconReference icon = icon_value::SplitIconValue(answer.icon);
        const std::string path =
            root_references::AbsoluteReference(editing_.VirtualRoot(), icon.file);
        if (HICON own = SmallIconOf(path.c_str(), icon.number))
            return own;
    }
    const bool stick = answer.target->family == cd_check::WindowsFamily::kUsbStick;
    return SmallIconOf("shell32.dll", stick ? kRemovableDriveIcon : kCdDriveIcon);
}

bool PreviewDlg::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID != IDC_PREVIEW_LIST || item.itemID >= answers_.size())
        return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    const int iconSize = GetSystemMetrics(SM_CYSMICON);
    if (HICON icon = icons_[item.itemID].Get())
        DrawIconEx(item.hDC, item.rcItem.left + 2,
                   (item.rcItem.top + item.rcItem.bottom - iconSize) / 2, icon, iconSize, iconSize,
                   0, nullptr, DI_NORMAL);
    // A line is as long as its values: a long command or note has it well over a screen's width.
    const LRESULT length = SendMessageA(list_.Handle(), LB_GETTEXTLEN, item.itemID, 0);
    std::string line(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0)
        SendMessageA(list_.Handle(), LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(&line[0]));
    // Each drawn cell under its title, cut with an ellipsis where the next column begins.
    std::size_t column = 0;
    const char* cell = line.c_str();
    for (std::size_t index = 0; column < columnLeft_.size(); ++index) {
        const char* end = std::strchr(cell, '\t');
        if (end == nullptr)
            end = cell + std::strlen(cell);
        if (index == kDrawnCells[column]) {
            RECT box = item.rcItem;
            box.left = columnLeft_[column];
            if (column + 1 < columnLeft_.size())
                box.right = columnLeft_[column + 1] - 4;
            DrawTextA(item.hDC, cell, static_cast<int>(end - cell), &box,
                      DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
            ++column;
        }
        if (*end == '\0')
            break;
        cell = end + 1;
    }
    if ((item.itemState & ODS_FOCUS) != 0)
        DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

void PreviewDlg::ShowNotes() {
    const int line = list_.GetSelIndex();
    std::string text;
    if (line >= 0 && static_cast<std::size_t>(line) < answers_.size())
        for (const cd_check::TargetNote& note : answers_[static_cast<std::size_t>(line)].notes)
            text += (text.empty() ? "" : "\r\n") + cd_check::TextOf(note);
    notes_.SetText(text);
}

void PreviewDlg::RequestClose(int result) {
    // Enter and double-click lead to the field of the file a note is about.
    if (result == IDOK) {
        const int line = list_.GetSelIndex();
        if (line < 0 || static_cast<std::size_t>(line) >= answers_.size() ||
            answers_[static_cast<std::size_t>(line)].noteKey.empty())
            return;
        chosen_ = &answers_[static_cast<std::size_t>(line)];
    }
    TDialog::RequestClose(result);
}

void PreviewDlg::Copy() {
    // Lines as the clipboard holds them on Windows.
    std::string text;
    for (const char c : cd_check::TargetsTable(answers_))
        text += c == '\n' ? "\r\n" : std::string(1, c);
    PutOnClipboard(Handle(), text);
}

void PreviewDlg::ShowHelp() {
    editing_.Help().Open(editing_.Handle(), IDC_PREVIEW_LIST);
}
