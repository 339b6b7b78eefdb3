#include "file_help.h"

#include "lz_file.h"
#include "same_file.h"
#include "wait_cursor.h"

#include <string>

namespace {

// The library tries the compressed name when the given one cannot be created; a copy that
// went there did not reach the target.
bool OpenedAsNamed(const LzFile& file, const char* path) {
    return IsSameFile(file.OpenedPath(), path);
}

} // namespace

int FileHelp::CopyFileTo(const char* source, const char* target) {
    const WaitCursor waitCursor;
    if (source == nullptr || target == nullptr)
        return 0;
    // Creating the target empties it: were it the source, the file would be lost.
    if (IsSameFile(source, target))
        return FileExists(source);

    LzFile input(source, OF_READ);
    if (!input.IsOpen())
        return 0;
    LzFile output(target, OF_CREATE);
    if (!output.IsOpen())
        return 0;
    if (!OpenedAsNamed(output, target)) {
        const std::string stray = output.OpenedPath();
        output.Close();
        DeleteFileA(stray.c_str());
        return 0;
    }

    const LONG copied = LZCopy(input.Handle(), output.Handle());
    output.Close();
    if (copied < 0) {
        DeleteFileA(target);
        return 0;
    }
    return 1;
}
