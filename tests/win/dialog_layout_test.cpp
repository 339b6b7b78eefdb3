// The editor's dialog as Windows builds it from the template: every control's id, class,
// style, text bytes and place, and the tab order, against the layout the editor is drawn to.
#include "dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

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
    {-1,
     Label,
     "In diesem Dialog wird das Verzeichnis, in dem sich die Datei AutoRun.INF befindet als "
     "virtuelles Root-Verzeichnis der CD behandelt.",
     {5, 5, 320, 20}},
    {113,
     Label,
     "Diese Datei wird automatisch beim Einlegen der CD gestartet (AutoPlay):",
     {5, 25, 240, 8}},
    {101, Edit, "", {5, 37, 190, 12}},
    {120, Button, "Suchen", {200, 35, 45, 15}},
    {102, CheckBox, "Programm Orbilan benutzen", {10, 55, 115, 12}},
    {103, Group, "Orbilan-Einstellungen", {5, 72, 240, 95}},
    {104,
     Label,
     "\xdc"
     "berschrift:",
     {10, 87, 60, 8}},
    {105, Edit, "", {10, 97, 230, 12}},
    {106, Label, "Text:", {10, 112, 60, 8}},
    {107, Edit, "", {10, 122, 230, 12}},
    {108, Label, "Auszuf\xfchrende Datei:", {10, 137, 100, 8}},
    {109, Edit, "", {10, 148, 180, 12}},
    {-1, Group, "Icon der CD im Exporer:", {5, 170, 240, 60}},
    {-1, Label, "Dateiname:", {10, 180, 60, 8}},
    {110, Edit, "", {10, 191, 155, 12}},
    {121, Button, "Suchen", {170, 190, 45, 15}},
    {112, HiddenFrame, "#1", {220, 190, 18, 20}},
    {-1, Label, "Nummer der Icons (bei mehreren Icons in einer Datei):", {12, 212, 180, 8}},
    {111, Edit, "", {190, 210, 25, 12}},
    {-1, Group, "Eintr\xe4ge im Popupmen\xfc der CD:", {250, 25, 115, 205}},
    {114, List, "", {255, 40, 105, 85}},
    {115, Button, "Neu", {255, 130, 45, 15}},
    {116, Button, "L\xf6schen", {315, 130, 45, 15}},
    {124, Label, "Name:", {255, 150, 25, 8}},
    {10, Edit, "", {255, 160, 41, 12}},
    {125, Label, "&Startzeile:", {255, 175, 45, 8}},
    {118, Edit, "", {255, 185, 105, 12}},
    {122, Button, "Suchen", {315, 165, 45, 15}},
    {126,
     Label,
     "Men\xfc"
     "eintrag:",
     {255, 200, 60, 8}},
    {119, Edit, "", {255, 210, 105, 12}},
    {1, DefaultButton, "OK", {19, 235, 50, 14}},
    {2, Button, "Abbruch", {158, 235, 50, 14}},
    {100, Button, "Hilfe", {299, 235, 50, 14}},
    {123, Button, "Suchen", {195, 147, 45, 15}},
    {-1, Frame, "", {218, 188, 22, 24}},
    {127, Button, "Test", {195, 80, 45, 14}},
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

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

class DialogLayout : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog_.Create()) << "no dialog template 3"; }

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

    TDialog dialog_{nullptr, 3};
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
            // A list box shows whole lines only: it ends at most one line above its frame.
            const LRESULT line = SendMessageA(control, LB_GETITEMHEIGHT, 0, 0);
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
    HWND list = GetDlgItem(dialog_.Handle(), 114);
    for (int i = 0; i < 30; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("PopupMnu"));
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(DialogLayout, TabMovesThroughTheFieldsInOrder) {
    // From the AutoPlay field the next tab stops are its browse button and the check box.
    HWND autoplay = GetDlgItem(dialog_.Handle(), 101);
    HWND next = GetNextDlgTabItem(dialog_.Handle(), autoplay, FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), 120);
    next = GetNextDlgTabItem(dialog_.Handle(), next, FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), 102);
    // The last control, "Test", leads back to the AutoPlay field.
    next = GetNextDlgTabItem(dialog_.Handle(), GetDlgItem(dialog_.Handle(), 127), FALSE);
    EXPECT_EQ(GetDlgCtrlID(next), 101);
}

} // namespace
