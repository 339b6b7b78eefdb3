// The window of a long copy into the CD root, in-process with the real template: what it
// shows of the copy's progress, and the three ways a user stops the copy from it.
#include "copy_progress_window.h"
#include "copy_progress_window_ids.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace {

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class CopyProgressWindowTest : public testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        owner_ = CreateWindowA("STATIC", "Marlisk V1.0", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 400, 300,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
        window_.emplace(owner_, ProgressTexts{{}, {}, "Setup.exe"}, progress_);
    }
    void TearDown() override {
        window_.reset();
        DestroyWindow(owner_);
    }

    CopyProgressWindow& Window() { return *window_; }
    HWND Item(int id) const { return GetDlgItem(window_->Handle(), id); }
    int BarPosition() const {
        return static_cast<int>(SendMessageA(Item(IDC_COPY_BAR), PBM_GETPOS, 0, 0));
    }

    HWND owner_ = nullptr;
    CopyProgress progress_;
    std::optional<CopyProgressWindow> window_;
};

TEST_F(CopyProgressWindowTest, ShowsTheFileAndHowFarTheCopyHasCome) {
    progress_.SetTotal(4194304);
    progress_.Add(1048576);
    ASSERT_TRUE(Window().Create());
    EXPECT_EQ(GetWindow(Window().Handle(), GW_OWNER), owner_);
    EXPECT_EQ(TextOf(Window().Handle()), "Datei kopieren");
    EXPECT_EQ(TextOf(Item(IDC_COPY_LABEL)),
              "Die Datei wird in das Verzeichnis der virtuellen CD kopiert:");
    EXPECT_EQ(TextOf(Item(IDC_COPY_FILE)), "Setup.exe");
    EXPECT_EQ(TextOf(Item(IDCANCEL)), "Abbrechen");
    EXPECT_EQ(TextOf(Item(IDC_COPY_BYTES)), "1.048.576 von 4.194.304 Bytes");
    EXPECT_EQ(BarPosition(), 250);

    progress_.Add(3145728);
    Window().Refresh();
    EXPECT_EQ(TextOf(Item(IDC_COPY_BYTES)), "4.194.304 von 4.194.304 Bytes");
    EXPECT_EQ(BarPosition(), 1000);
}

// A user's ways to stop the copy.
struct StopWay {
    const char* name;
    void (*act)(HWND window);
};

void PrintTo(const StopWay& way, std::ostream* out) {
    *out << way.name;
}

const StopWay kStopWays[] = {
    {"Abbrechen", [](HWND window) { SendMessageA(GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0); }},
    // Alt+F4: the window has no close box, but the system still asks it to close.
    {"CloseRequest", [](HWND window) { SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    // The key as the modal loop passes it to the window.
    {"EscapeKey",
     [](HWND window) {
         MSG key = {GetDlgItem(window, IDCANCEL), WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
         IsDialogMessageA(window, &key);
     }},
};

class StoppingTheCopy : public CopyProgressWindowTest,
                        public testing::WithParamInterface<StopWay> {};

TEST_P(StoppingTheCopy, AsksTheCopyToStopAndWaitsForIt) {
    progress_.SetTotal(1000);
    ASSERT_TRUE(Window().Create());
    ASSERT_FALSE(progress_.CancelRequested());
    GetParam().act(Window().Handle());
    EXPECT_TRUE(progress_.CancelRequested());
    // The window goes with the copy's end, not before: the copy still removes its file.
    EXPECT_TRUE(IsWindow(Window().Handle()));
    EXPECT_FALSE(IsWindowEnabled(Item(IDCANCEL)));
}

INSTANTIATE_TEST_SUITE_P(Ways, StoppingTheCopy, testing::ValuesIn(kStopWays),
                         [](const testing::TestParamInfo<StopWay>& way) {
                             return std::string(way.param.name);
                         });

} // namespace
