#include "html_help.h"

#include <htmlhelp.h>

HtmlHelpViewer::~HtmlHelpViewer() {
    if (htmlHelp_ != nullptr)
        htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

bool HtmlHelpViewer::Load() {
    if (htmlHelp_ != nullptr)
        return true;
    library_.reset(LoadLibraryA("hhctrl.ocx"));
    if (!library_)
        return false;
    // GetProcAddress hands out every export as one generic function type.
    htmlHelp_ = reinterpret_cast<HtmlHelpFunction>(
        reinterpret_cast<void*>(GetProcAddress(library_.get(), "HtmlHelpA")));
    return htmlHelp_ != nullptr;
}

bool HtmlHelpViewer::Show(HWND owner, const std::string& file, const char* page) {
    if (!Load())
        return false;
    if (page == nullptr)
        return htmlHelp_(owner, file.c_str(), HH_DISPLAY_TOC, 0) != nullptr;
    // A page inside the compiled file: "file::/page".
    const std::string topic = file + "::/" + page;
    return htmlHelp_(owner, topic.c_str(), HH_DISPLAY_TOPIC, 0) != nullptr;
}
