#include "file_help.h"

#include "file_identity.h"
#include "lz_file.h"
#include "same_file.h"
#include "wait_cursor.h"

#include <string>

namespace {

// When the target cannot be created, the LZ library tries again under the compressed form of
// its name (last character '_') and may succeed there, in a file nobody asked for. Such an
// output is closed and removed; the copy has failed. An output that the file system cannot
// identify (a device) is no such file.
bool ReachedTheTarget(LzFile& output, const char* target) {
    const FileIdentity opened(LongToHandle(output.Handle()));
    if (!opened.Known() || opened.SameAs(FileIdentity(target)))
        return true;
    const std::string stray = output.OpenedPath();
    // The name the library reports is cut at 127 characters: only remove what it really is.
    const bool strayKnown = opened.SameAs(FileIdentity(stray.c_str()));
    output.Close();
    if (strayKnown)
        DeleteFileA(stray.c_str());
    return false;
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
    if (!output.IsOpen() || !ReachedTheTarget(output, target))
        return 0;

    const LONG copied = LZCopy(input.Handle(), output.Handle());
    output.Close();
    if (copied < 0) {
        DeleteFileA(target);
        return 0;
    }
    return 1;
}
