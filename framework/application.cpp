#include "application.h"

#include <utility>

TApplication::~TApplication() = default;

void TApplication::SetMainWindow(std::unique_ptr<TFrameWindow> window) {
    mainWindow_ = std::move(window);
}

int TApplication::Run() {
    InitMainWindow();
    if (mainWindow_ == nullptr || !mainWindow_->Create(SW_SHOWNORMAL))
        return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators_ != nullptr &&
            TranslateAcceleratorA(mainWindow_->Handle(), accelerators_, &message))
            continue;
        // The dialog's keyboard interface: tab, mnemonics, Enter for the default button.
        TDialog* client = mainWindow_->Client();
        if (client != nullptr && client->Handle() != nullptr &&
            IsDialogMessageA(client->Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    const int exitCode = static_cast<int>(message.wParam);
    // The frame and its dialog (and what the dialog owns) go before Run returns.
    mainWindow_.reset();
    return exitCode;
}
