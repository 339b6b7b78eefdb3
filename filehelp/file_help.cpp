#include "file_help.h"

int FileHelp::FileExists(const char* path) const {
    return path != nullptr && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

const char* FileHelp::ProgramDirectory() {
    if (module_ == nullptr)
        return paths_.ClearWorkPath();
    char moduleName[filehelp::kPathBufferSize];
    const DWORD length = GetModuleFileNameA(module_, moduleName, sizeof moduleName);
    // A name that filled the whole buffer was cut (and older systems leave it unterminated).
    if (length == 0 || length >= sizeof moduleName)
        return paths_.ClearWorkPath();
    SplitPath(moduleName);
    paths_.ClearFileName();
    MergePath();
    return AddBackslash(paths_.WorkPath());
}
