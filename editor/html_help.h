// The HTML Help viewer of hhctrl.ocx, loaded when help is first shown, so that the editor
// starts and works on a Windows without it. Its help windows live in the editor's process;
// they are all closed when the viewer object goes, so none outlives the editor.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

class HtmlHelpViewer {
public:
    HtmlHelpViewer() = default;
    ~HtmlHelpViewer();
    HtmlHelpViewer(const HtmlHelpViewer&) = delete;
    HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

    // Shows file (a .chm) at page, one of its pages, or at its contents when page is
    // nullptr. False when the viewer is missing or opened no window.
    bool Show(HWND owner, const std::string& file, const char* page);

private:
    using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    struct LibraryRelease {
        void operator()(HMODULE library) const { FreeLibrary(library); }
    };

    bool Load();

    std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease> library_;
    HtmlHelpFunction htmlHelp_ = nullptr;
};
