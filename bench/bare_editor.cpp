// The baseline of the editor's start-up: the same open-file dialog, and after a file is
// chosen the editor's dialog layout as a plain dialog under the editor's caption, with
// nothing read, filled or checked.
#include "path_limits.h"
#include "resource_ids.h"

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <cstring>

namespace {

constexpr char kCaption[] = "Marlisk V1.0";
constexpr char kFilter[] = "AutoRun.INF\0*.INF\0";

INT_PTR CALLBACK PlainDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        PostQuitMessage(0);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}

// The directory of this program, ending in a backslash.
std::array<char, filehelp::kPathBufferSize> OwnDirectory() {
    std::array<char, filehelp::kPathBufferSize> directory{};
    GetModuleFileNameA(nullptr, directory.data(), filehelp::kPathBufferSize);
    char* lastSlash = std::strrchr(directory.data(), '\\');
    if (lastSlash != nullptr)
        lastSlash[1] = '\0';
    return directory;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::array<char, filehelp::kPathBufferSize> fileName{};
    std::strncpy(fileName.data(), "AutoStart.INF", filehelp::kPathBufferSize - 1);
    const std::array<char, filehelp::kPathBufferSize> initialDirectory = OwnDirectory();

    OPENFILENAMEA description = {};
    description.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    description.hInstance = instance;
    description.lpstrFilter = kFilter;
    description.lpstrFile = fileName.data();
    description.nMaxFile = filehelp::kPathBufferSize;
    description.lpstrInitialDir = initialDirectory.data();
    description.lpstrTitle = kCaption;
    description.Flags =
        OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_CREATEPROMPT | OFN_NOREADONLYRETURN;
    if (!GetOpenFileNameA(&description))
        return 0;

    HWND dialog =
        CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MARLISK), nullptr, PlainDialog, 0);
    if (dialog == nullptr)
        return 1;
    SetWindowTextA(dialog, kCaption);
    ShowWindow(dialog, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return 0;
}
