#include "copy_into_root.h"

#include "file_help.h"
#include "the_file_help.h"
#include "work_with_progress.h"

CopyOutcome CopyIntoRoot(HWND dialog, const char* source, const char* target) {
    CopyProgress progress;
    int copied = 0;
    RunWithProgress(dialog, ProgressTexts{{}, {}, theFileHelp->FileNameOf(source)}, progress,
                    [&] { copied = theFileHelp->CopyFileTo(source, target, progress); });
    if (copied == 1)
        return CopyOutcome::kCopied;
    return progress.CancelRequested() ? CopyOutcome::kCancelled : CopyOutcome::kFailed;
}
