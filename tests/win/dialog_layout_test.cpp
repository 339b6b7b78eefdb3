// The editor's dialog as Windows builds it from the template: every control's id, class,
// style, text bytes and place, and the tab order, against the layout the editor is drawn to.
#include "dialog.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum Kind { Label, Edit, Button, DefaultButton, CheckBox, Group, List, Frame, HiddenFrame };

struct ControlRow {
    int id;
    Kind kind;
    const char* text;
    RECT units; // x, y, width, height in dialog units (stored as left, top, right, bottom)
};

// In tab and creation order.
const ControlRow kLayout[] = {
    {IDC_STATIC,
     Label,
     "In diesem Dialog wird das Verzeichnis, in dem sich die Datei AutoRun.INF befindet als "
     "virtuelles Root-Verzeichnis der CD behandelt.",
     {5, 5, 320, 20}},
    {IDC_AUTOPLAY_LABEL,
     Label,
     "Diese Datei wird automatisch beim Einlegen der CD gestartet (AutoPlay):",
     {5, 25, 240, 8}},
    {IDC_AUTOPLAY_FILE, Edit, "", {5, 37, 190, 12}},
    {IDC_BROWSE_AUTOPLAY_FILE, Button, "Suchen", {200, 35, 45, 15}},
    {IDC_USE_STARTER, CheckBox, "Programm Orbilan benutzen", {10, 55, 115, 12}},
    {IDC_STARTER_GROUP, Group, "Orbilan-Einstellungen", {5, 72, 240, 95}},
    {IDC_HEADLINE_LABEL,
     Label,
     "\xdc"
     "berschrift:",
     {10, 87, 60, 8}},
    {IDC_HEADLINE, Edit, "", {10, 97, 230, 12}},
    {IDC_QUESTION_TEXT_LABEL, Label, "Text:", {10, 112, 60, 8}},
    {IDC_QUESTION_TEXT, Edit, "", {10, 122, 230, 12}},
    {IDC_STARTER_PROGRAM_LABEL, Label, "Auszuf\xfchrende Datei:", {10, 137, 100, 8}},
    {IDC_STARTER_PROGRAM, Edit, "", {10, 148, 180, 12}},
    {IDC_STATIC, Group, "Icon der CD im Exporer:", {5, 170, 240, 60}},
    {IDC_STATIC, Label, "Dateiname:", {10, 180, 60, 8}},
    {IDC_ICON_FILE, Edit, "", {10, 191, 155, 12}},
    {IDC_BROWSE_ICON_FILE, Button, "Suchen", {170, 190, 45, 15}},
    {IDC_ICON_MARKER, HiddenFrame, "#1", {220, 190, 18, 20}},
    {IDC_STATIC, Label, "Nummer der Icons (bei mehreren Icons in einer Datei):", {12, 212, 180, 8}},
    {IDC_ICON_NUMBER, Edit, "", {190, 210, 25, 12}},
    {IDC_STATIC, Group, "Eintr\xe4ge im Popupmen\xfc der CD:", {250, 25, 115, 205}},
    {IDC_ENTRY_LIST, List, "", {255, 40, 105, 85}},
    {IDC_NEW_ENTRY, Button, "Neu", {255, 130, 45, 15}},
    {IDC_DELETE_ENTRY, Button, "L\xf6schen", {315, 130, 45, 15}},
    {IDC_ENTRY_NAME_LABEL, Label, "Name:", {255, 150, 25, 8}},
    {IDC_ENTRY_NAME, Edit, "", {255, 160, 41, 12}},
    {IDC_ENTRY_COMMAND_LABEL, Label, "&Startzeile:", {255, 175, 45, 8}},
    {IDC_ENTRY_COMMAND, Edit, "", {255, 185, 105, 12}},
    {IDC_BROWSE_ENTRY_COMMAND, Button, "Suchen", {315, 165, 45, 15}},
    {IDC_MENU_TEXT_LABEL,
     Label,
     "Men\xfc"
     "eintrag:",
     {255, 200, 60, 8}},
    {IDC_MENU_TEXT, Edit, "", {255, 210, 105, 12}},
    {IDOK, DefaultButton, "OK", {19, 235, 50, 14}},
    {IDCANCEL, Button, "Abbruch", {158, 235, 50, 14}},
    {IDC_HELP_BUTTON, Button, "Hilfe", {299, 235, 50, 14}},
    {IDC_BROWSE_STARTER_PROGRAM, Button, "Suchen", {195, 147, 45, 15}},
    {IDC_STATIC, Frame, "", {218, 188, 22, 24}},
    {IDC_TEST_STARTER, Button, "Test", {195, 80, 45, 14}},
};

struct KindTraits {
    const char* className;
    LONG typeMask;
    LONG type;
    LONG required;  // style bits that must be set
    LONG forbidden; // style bits that must not be set
};

KindTraits TraitsOf(Kind kind) {
    switch (kind) {
    case Label:
        return {"Static", SS_TYPEMASK, SS_LEFT, WS_GROUP | WS_VISIBLE, WS_TABSTOP};
    case Edit:
        // The border is checked apart: Wine may turn WS_BORDER into WS_EX_CLIENTEDGE.
        return {"Edit", ES_CENTER | ES_RIGHT | ES_MULTILINE, ES_LEFT, WS_TABSTOP | WS_VISIBLE,
                ES_AUTOHSCROLL};
    case Button:
        return {"Button", BS_TYPEMASK, BS_PUSHBUTTON, WS_TABSTOP | WS_VISIBLE, 0};
    case DefaultButton:
        return {"Button", BS_TYPEMASK, BS_DEFPUSHBUTTON, WS_TABSTOP | WS_VISIBLE, 0};
    case CheckBox:
        return {"Button", BS_TYPEMASK, BS_AUTOCHECKBOX, WS_TABSTOP | WS_VISIBLE, 0};
    case Group:
        return {"Button", BS_TYPEMASK, BS_GROUPBOX, WS_VISIBLE, WS_TABSTOP};
    case List:
        // Border and scroll bar are checked apart.
        return {"ListBox", 0, 0, LBS_NOTIFY | LBS_HASSTRINGS | WS_TABSTOP | WS_VISIBLE, LBS_SORT};
    case Frame:
        return {"Static", SS_TYPEMASK, SS_BLACKFRAME, WS_VISIBLE, WS_TABSTOP};
    case HiddenFrame:
        return {"Static", SS_TYPEMASK, SS_BLACKFRAME, 0, WS_VISIBLE | WS_TABSTOP};
    }
    return {};
}

// The line height of a list box made without a font of its own, as the dialog's list box is
// while it is being made.
LRESULT LineOfANewListBox(HWND parent) {
    HWND list = CreateWindowA("ListBox", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 50, 50, parent,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    const LRESULT line = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    DestroyWindow(list);
    return line;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

class DialogLayout : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog_.Create()) << "no dialog template IDD_MARLISK"; }

    // Windows converts a control's position and size separately, so its right edge may differ
    // by a pixel from a converted right edge: convert the same way.
    RECT Expected(const RECT& units) {
        RECT pixels = units;
        MapDialogRect(dialog_.Handle(), &pixels);
        return {pixels.left, pixels.top, pixels.left + pixels.right, pixels.top + pixels.bottom};
    }

    std::vector<HWND> Children() {
        std::vector<HWND> children;
        for (HWND child = GetWindow(dialog_.Handle(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }

    TDialog dialog_{nullptr, IDD_MARLISK};
};

TEST_F(DialogLayout, HasEveryControlInTabOrder) {
    const std::vector<HWND> children = Children();
    ASSERT_EQ(children.size(), std::size(kLayout));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = kLayout[i];
        HWND control = children[i];
        SCOPED_TRACE("row " + std::to_string(i) + ", id " + std::to_string(row.id));
        EXPECT_EQ(static_cast<int>(static_cast<short>(GetDlgCtrlID(control))), row.id);

        const KindTraits traits = TraitsOf(row.kind);
        EXPECT_EQ(ClassOf(control), traits.className);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(style & traits.typeMask, traits.type);
        EXPECT_EQ(style & traits.required, traits.required);
        EXPECT_EQ(style & traits.forbidden, 0);
        if (row.kind == Edit || row.kind == List) {
            const LONG extended = GetWindowLongA(control, GWL_EXSTYLE);
            EXPECT_TRUE((style & WS_BORDER) || (extended & WS_EX_CLIENTEDGE)) << "no border";
        }

        char text[256] = "";
        GetWindowTextA(control, text, sizeof text);
        if (row.kind != Frame && row.kind != HiddenFrame) {
            EXPECT_EQ(std::string(text), row.text);
        }

        RECT actual;
        GetWindowRect(control, &actual);
        MapWindowPoints(HWND_DESKTOP, dialog_.Handle(), reinterpret_cast<POINT*>(&actual), 2);
        const RECT expected = Expected(row.units);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        if (row.kind == List) {
            // A list box shows whole lines only: it ends at most one line above its frame. It
            // is cut to lines when it is made, before the dialog gives it its font, so the line
            // may be one of the system font's, which is higher in some fonts than the dialog's.
            const LRESULT line = std::max(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0),
                                          LineOfANewListBox(dialog_.Handle()));
            EXPECT_LE(actual.bottom, expected.bottom);
            EXPECT_GT(actual.bottom, expected.bottom - line);
        } else {
            EXPECT_EQ(actual.bottom, expected.bottom);
        }
    }
}

TEST_F(DialogLayout, IsACaptionedPopupOfTheGivenSize) {
    EXPECT_EQ(ClassOf(dialog_.Handle()), "#32770");
    char caption[64] = "";
    GetWindowTextA(dialog_.Handle(), caption, sizeof caption);
    EXPECT_STREQ(caption, "AutoRun.INF");
    const LONG style = GetWindowLongA(dialog_.Handle(), GWL_STYLE);
    const LONG expected = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    EXPECT_EQ(style & expected, expected);

    RECT client;
    GetClientRect(dialog_.Handle(), &client);
    const RECT size = Expected({0, 0, 369, 254});
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
}

TEST_F(DialogLayout, EntryListScrollsWhenItIsFull) {
    HWND list = GetDlgItem(dialog_.Handle(), IDC_ENTRY_LIST);
    for (int i = 0; i < 30; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("PopupMnu"));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(DialogLayout, TabMovesThroughTheFieldsInOrder) {
    // From the AutoPlay field the next tab stops are its browse button and the check box.
    HWND autoplay = GetDlgItem(dialog_.Handle(), IDC_AUTOPLAY_FILE);
    HWND next = GetNextDlgTabItem(dialog_.Handle(), autoplay, FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), IDC_BROWSE_AUTOPLAY_FILE);
    next = GetNextDlgTabItem(dialog_.Handle(), next, FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), IDC_USE_STARTER);
    // The last control, "Test", leads back to the AutoPlay field.
    next =
        GetNextDlgTabItem(dialog_.Handle(), GetDlgItem(dialog_.Handle(), IDC_TEST_STARTER), FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), IDC_AUTOPLAY_FILE);
}

} // namespace
