#include "controls.h"

#include "dialog.h"

#include <vector>

HWND TControl::Handle() const {
    return GetDlgItem(parent_.Handle(), id_);
}

int TControl::GetText(char* buffer, int capacity) const {
    if (capacity <= 0)
        return 0;
    buffer[0] = '\0';
    return GetWindowTextA(Handle(), buffer, capacity);
}

std::string TControl::GetText() const {
    const int length = GetWindowTextLengthA(Handle());
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(Handle(), text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void TControl::SetText(const std::string& text) const {
    SetWindowTextA(Handle(), text.c_str());
}

void TEdit::SetTextQuietly(const std::string& text) const {
    Parent().SetTextQuietly(Id(), text);
}

void TControl::EnableWindow(bool enable) const {
    ::EnableWindow(Handle(), enable);
}

bool TControl::IsWindowEnabled() const {
    return ::IsWindowEnabled(Handle()) != FALSE;
}

void TControl::Show(bool visible) const {
    ShowWindow(Handle(), visible ? SW_SHOW : SW_HIDE);
}

RECT TControl::ClientRectInParent() const {
    RECT rect = {};
    GetWindowRect(Handle(), &rect);
    MapWindowPoints(HWND_DESKTOP, parent_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool TCheckBox::IsChecked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetCheck(bool checked) const {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

unsigned TCheckBox::GetCheckState() const {
    return static_cast<unsigned>(SendMessageA(Handle(), BM_GETCHECK, 0, 0));
}

void TCheckBox::SetCheckState(unsigned state) const {
    SendMessageA(Handle(), BM_SETCHECK, state, 0);
}

void TListBox::ClearList() const {
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::AddString(const std::string& text) const {
    return static_cast<int>(
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TListBox::GetSelIndex() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetSelIndex(int index) const {
    SendMessageA(Handle(), LB_SETCURSEL, index, 0);
}

int TListBox::GetCaretIndex() const {
    return static_cast<int>(SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
}

int TComboBox::AddString(const std::string& text) const {
    return static_cast<int>(
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int TComboBox::GetSelIndex() const {
    return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TComboBox::SetSelIndex(int index) const {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
