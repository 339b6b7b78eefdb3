// The one icon the dialog's preview shows, destroyed when it is replaced or the dialog goes.
#pragma once

#include <windows.h>

#include <utility>

class OwnedIcon {
public:
    OwnedIcon() = default;
    ~OwnedIcon() { Reset(); }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;

    // Takes icon over (nullptr: none) and destroys the one held so far.
    void Reset(HICON icon = nullptr) {
        HICON old = std::exchange(icon_, icon);
        if (old != nullptr && old != icon)
            DestroyIcon(old);
    }
    HICON Get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }

private:
    HICON icon_ = nullptr;
};
