// The small window that a long copy into the CD root shows over the editor's dialog: the
// file's name, a bar, the bytes done of the total, and "Abbrechen", which asks the copy to
// stop. It only shows; the copy runs elsewhere.
#pragma once

#include "copy_progress.h"
#include "dialog.h"

#include <string>

class CopyProgressWindow : public TDialog {
public:
    // owner: the dialog the window belongs to; fileName: the name it shows.
    CopyProgressWindow(HWND owner, std::string fileName, CopyProgress& progress);

    void SetupWindow() override;
    // Shows how far the copy has come; a line that did not change is not drawn again.
    void Refresh();

private:
    void Cancel();
    // Puts the window in the middle of its owner's top-level window.
    void CenterOverOwner();

    HWND owner_;
    std::string fileName_;
    CopyProgress& progress_;
    std::string shownBytes_;
    int shownPosition_ = -1;
};
