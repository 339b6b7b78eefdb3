// The small window that a long copy into the CD root (or the CD's image) shows over the
// editor's dialog: the file's name, a bar, the bytes done of the total, and "Abbrechen", which
// asks the copy to stop. It only shows; the copy runs elsewhere.
#pragma once

#include "copy_progress.h"
#include "dialog.h"

#include <string>

// What the window shows besides the bytes: its caption and the line above the name (empty: the
// template's own texts, those of a copy), and the name of what is written.
struct ProgressTexts {
    std::string caption;
    std::string label;
    std::string name;
};

class CopyProgressWindow : public TDialog {
public:
    // owner: the dialog the window belongs to.
    CopyProgressWindow(HWND owner, ProgressTexts texts, CopyProgress& progress);

    void SetupWindow() override;
    // Shows how far the copy has come; a line that did not change is not drawn again.
    void Refresh();

private:
    void Cancel();
    // Puts the window in the middle of its owner's top-level window.
    void CenterOverOwner();

    HWND owner_;
    ProgressTexts texts_;
    CopyProgress& progress_;
    std::string shownBytes_;
    int shownPosition_ = -1;
};
