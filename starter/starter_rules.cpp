#include "starter_rules.h"

#include "command_line.h"

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Length of "\\server\share\" at the start of a network path, or 0 when there is none.
unsigned ShareRootLength(const char* path) {
    if (!IsSeparator(path[0]) || !IsSeparator(path[1]))
        return 0;
    unsigned i = 2;
    for (int component = 0; component < 2; ++component) {
        const unsigned start = i;
        while (path[i] != '\0' && !IsSeparator(path[i]))
            ++i;
        if (i == start)
            return 0;
        if (path[i] != '\0')
            ++i;
    }
    return i;
}

} // namespace

unsigned CdRootOf(const char* modulePath, char* root, unsigned capacity) {
    if (capacity == 0)
        return 0;
    if (modulePath[0] == '\0') {
        root[0] = '\0';
        return 0;
    }

    const unsigned shareLength = ShareRootLength(modulePath);
    if (shareLength > 0) {
        unsigned length =
            CopyText(root, modulePath, shareLength + 1 < capacity ? shareLength + 1 : capacity);
        if (!IsSeparator(root[length - 1]) && length + 2 <= capacity) {
            root[length++] = '\\';
            root[length] = '\0';
        }
        return length;
    }

    const char drive[] = {modulePath[0], ':', '\\', '\0'};
    return CopyText(root, drive, capacity);
}
