// Bringing a file from outside into the CD root: the copy runs on a thread of its own while the
// dialog waits. A short copy shows only the wait cursor; one that takes longer than about half
// a second shows a progress window owned by the dialog, from which the user may cancel it.
// The dialog takes no input meanwhile.
#pragma once

#include <windows.h>

enum class CopyOutcome {
    kCopied,
    kFailed,    // the copy could not be made; nothing of it is left
    kCancelled, // the user stopped it; nothing of it is left
};

// Copies source to target (full paths in path buffers) for dialog.
CopyOutcome CopyIntoRoot(HWND dialog, const char* source, const char* target);
