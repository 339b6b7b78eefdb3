// The frame that holds a dialog as its client: its size, and how it goes with the dialog.
#include "frame_window.h"
#include "resource_ids.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Runs the messages that are waiting, as the application's loop would.
void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

class FrameWithDialog : public testing::Test {
protected:
    void SetUp() override {
        auto dialog = std::make_unique<TDialog>(nullptr, IDD_MARLISK);
        dialog_ = dialog.get();
        frame_ = std::make_unique<TFrameWindow>(nullptr, "Rahmen", std::move(dialog));
        ASSERT_TRUE(frame_->Create(SW_SHOWNORMAL))
            << "frame " << frame_->Handle() << " dialog " << dialog_->Handle() << " error "
            << GetLastError();
    }
    std::unique_ptr<TFrameWindow> frame_;
    TDialog* dialog_ = nullptr;
};

TEST_F(FrameWithDialog, HoldsTheDialogAsAChildThatFillsItsClientArea) {
    HWND dialog = dialog_->Handle();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetParent(dialog), frame_->Handle());
    const LONG style = GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_CAPTION);

    RECT client;
    RECT dialogRect;
    GetClientRect(frame_->Handle(), &client);
    GetWindowRect(dialog, &dialogRect);
    EXPECT_EQ(client.right, dialogRect.right - dialogRect.left);
    EXPECT_EQ(client.bottom, dialogRect.bottom - dialogRect.top);
}

TEST_F(FrameWithDialog, GoesWhenTheDialogIsCancelled) {
    HWND frame = frame_->Handle();
    SendMessageA(dialog_->Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_EQ(dialog_->Result(), IDCANCEL);
    EXPECT_FALSE(IsWindow(frame));
}

TEST_F(FrameWithDialog, CloseBoxCancelsTheDialog) {
    HWND frame = frame_->Handle();
    SendMessageA(frame, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(dialog_->Result(), IDCANCEL);
    EXPECT_FALSE(IsWindow(frame));
}

// The editor's frame names its menu in its window class: the frame grows by the menu bar, and
// the dialog below it keeps its whole size.
class MenuFrame : public TFrameWindow {
public:
    using TFrameWindow::TFrameWindow;

protected:
    void GetWindowClass(WNDCLASSA& windowClass) override {
        TFrameWindow::GetWindowClass(windowClass);
        windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_QUILLOT);
    }
    const char* WindowClassName() const override { return "MenuFrameTest"; }
};

TEST_F(FrameWithDialog, WithAMenuGrowsByItsBarAndStillHoldsTheWholeDialog) {
    auto dialog = std::make_unique<TDialog>(nullptr, IDD_MARLISK);
    TDialog* client = dialog.get();
    MenuFrame withMenu(nullptr, "Rahmen mit Men\xfc", std::move(dialog));
    ASSERT_TRUE(withMenu.Create(SW_SHOWNORMAL));
    ASSERT_NE(GetMenu(withMenu.Handle()), nullptr);

    RECT clientArea;
    RECT dialogRect;
    GetClientRect(withMenu.Handle(), &clientArea);
    GetWindowRect(client->Handle(), &dialogRect);
    EXPECT_EQ(clientArea.right, dialogRect.right - dialogRect.left);
    EXPECT_EQ(clientArea.bottom, dialogRect.bottom - dialogRect.top);

    RECT plain;
    RECT grown;
    GetWindowRect(frame_->Handle(), &plain);
    GetWindowRect(withMenu.Handle(), &grown);
    EXPECT_EQ(grown.right - grown.left, plain.right - plain.left);
    EXPECT_GE(grown.bottom - grown.top - (plain.bottom - plain.top), GetSystemMetrics(SM_CYMENU));
}

} // namespace
