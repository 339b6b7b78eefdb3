// The editor's dialogs at the display scales of today's laptops: every control inside the
// dialog, every text within its control in the dialog's own font; in the main dialog the
// preview icon, at the system's icon size, inside its frame, and in the check's dialog room
// for ten findings. Windows reads the scale (LogPixels) when a program
// starts, so the check at 144 DPI runs in a copy of this program started with it set.
#include "cd_check_dlg_ids.h"
#include "dialog.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr char kExpectedDpi[] = "QUILLOT_EXPECTED_DPI";

RECT RectInDialog(HWND dialog, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The room a text needs in the dialog's font, wrapped at width where the control wraps.
SIZE TextSize(HDC dc, const std::string& text, int width, bool wraps) {
    RECT calc = {0, 0, width, 0};
    DrawTextA(dc, text.c_str(), -1, &calc,
              DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE | DT_NOCLIP));
    return {calc.right, calc.bottom};
}

// Every control inside the dialog, every text within its control.
void ExpectControlsFit(HWND dialog) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    if (const char* expected = std::getenv(kExpectedDpi)) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "the scale was not taken over";
    }
    std::cout << "scale " << dpi << " DPI, icons " << GetSystemMetrics(SM_CXICON) << " px\n";

    RECT client = {};
    GetClientRect(dialog, &client);
    HDC dc = GetDC(dialog);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT rect = RectInDialog(dialog, child);
        const std::string text = TextOf(child);
        SCOPED_TRACE("control " + std::to_string(GetDlgCtrlID(child)) + " \"" + text + "\"");
        EXPECT_TRUE(rect.left >= 0 && rect.top >= 0 && rect.right <= client.right &&
                    rect.bottom <= client.bottom);

        char className[32] = "";
        GetClassNameA(child, className, sizeof className);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        const int width = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        if (text.empty() || std::string(className) == "Edit")
            continue;
        if (std::string(className) == "Static") {
            if ((style & SS_TYPEMASK) == SS_BLACKFRAME)
                continue;
            const SIZE needed = TextSize(dc, text, width, true);
            EXPECT_LE(needed.cx, width);
            EXPECT_LE(needed.cy, height) << "the text wraps onto a line the label lacks";
            continue;
        }
        // Buttons, the check box and the group boxes show one line beside their own parts.
        const SIZE needed = TextSize(dc, text, width, false);
        int parts = 2 * GetSystemMetrics(SM_CXEDGE);
        if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            parts = GetSystemMetrics(SM_CXMENUCHECK) + GetSystemMetrics(SM_CXEDGE);
        EXPECT_LE(needed.cx + parts, width);
        if ((style & BS_TYPEMASK) != BS_GROUPBOX) {
            EXPECT_LE(needed.cy, height);
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
}

TEST(DialogScale, MainDialogsControlsTextsAndIconFit) {
    TDialog main(nullptr, IDD_MARLISK);
    ASSERT_TRUE(main.Create());
    HWND dialog = main.Handle();
    ExpectControlsFit(dialog);

    // The preview draws the icon from the marker's corner on, inside the visible frame around
    // it: the frame grows with the scale as the icon does. How much of the icon's size the
    // frame holds depends on the dialog's font (the icon preview's tests check the drawing);
    // at least the marker and the frame must scale together.
    const RECT marker = RectInDialog(dialog, GetDlgItem(dialog, IDC_ICON_MARKER));
    RECT frame = {218, 188, 22, 24};
    MapDialogRect(dialog, &frame);
    EXPECT_GT(marker.left, frame.left);
    EXPECT_GT(marker.top, frame.top);
    EXPECT_LT(marker.right, frame.left + frame.right - 1);
    EXPECT_LT(marker.bottom, frame.top + frame.bottom - 1);
}

TEST(DialogScale, CheckDialogsControlsFitAndTheListShowsTenLines) {
    TDialog check(nullptr, IDD_CD_CHECK);
    ASSERT_TRUE(check.Create());
    HWND dialog = check.Handle();
    ExpectControlsFit(dialog);
    HWND list = GetDlgItem(dialog, IDC_CD_CHECK_LIST);
    ASSERT_NE(list, nullptr);
    RECT inside = {};
    GetClientRect(list, &inside);
    const LRESULT line = SendMessageA(list, LB_GETITEMHEIGHT, 0, 0);
    ASSERT_GT(line, 0);
    // Room for ten lines below the horizontal scroll bar the dialog's list may show.
    EXPECT_GE(inside.bottom - GetSystemMetrics(SM_CYHSCROLL), 10 * line);
}

// Sets the user's display scale and puts the old value back when it goes.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
        DWORD value = 0;
        DWORD size = sizeof value;
        if (RegQueryValueExA(key_, kName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                             &size) == ERROR_SUCCESS)
            previous_ = value;
        set_ = RegSetValueExA(key_, kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                              sizeof dpi) == ERROR_SUCCESS;
    }
    ~DisplayScale() {
        if (previous_) {
            RegSetValueExA(key_, kName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*previous_),
                           sizeof *previous_);
        } else {
            RegDeleteValueA(key_, kName);
        }
        RegCloseKey(key_);
    }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;
    bool Set() const { return set_; }

private:
    static constexpr char kName[] = "LogPixels";
    HKEY key_ = nullptr;
    std::optional<DWORD> previous_;
    bool set_ = false;
};

TEST(DialogScaleAt, OneHundredFiftyPercent) {
    const DisplayScale scale(144);
    ASSERT_TRUE(scale.Set());
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = std::string("\"") + self + "\" --gtest_filter=DialogScale.*";
    SetEnvironmentVariableA(kExpectedDpi, "144");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    SetEnvironmentVariableA(kExpectedDpi, nullptr);
    ASSERT_TRUE(started);
    CloseHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u) << "the checks failed at 144 DPI (see above)";
}

} // namespace
