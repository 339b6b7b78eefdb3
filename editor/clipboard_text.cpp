#include "clipboard_text.h"

#include <cstring>

bool PutOnClipboard(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    bool placed = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* bytes = GlobalLock(memory)) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(memory);
            // The clipboard owns the memory from here on.
            placed = SetClipboardData(CF_TEXT, memory) != nullptr;
        }
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}
