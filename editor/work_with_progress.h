// Long work of the editor's dialog (a copy into the CD root, the CD's image) on a thread of its
// own while the dialog waits. Work that ends soon shows only the wait cursor; work that takes
// longer than about half a second shows the progress window over the dialog, from whose
// "Abbrechen" the user may ask it to stop. The dialog takes no input meanwhile.
#pragma once

#include "copy_progress.h"
#include "copy_progress_window.h"

#include <windows.h>

#include <functional>

// Runs work, which reports to progress and looks at its cancel request, until it has ended.
void RunWithProgress(HWND dialog, const ProgressTexts& texts, CopyProgress& progress,
                     const std::function<void()>& work);
