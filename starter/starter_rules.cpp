#include "starter_rules.h"

#include "string_ids.h"

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

unsigned CopyText(char* target, const char* source, unsigned capacity) {
    if (capacity == 0)
        return 0;
    unsigned length = 0;
    while (length + 1 < capacity && source[length] != '\0') {
        target[length] = source[length];
        ++length;
    }
    target[length] = '\0';
    return length;
}

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

char* SplitCommandLine(char* commandLine, char*& program) {
    char* p = commandLine;
    while (*p == ' ' || *p == '\t')
        ++p;
    const bool quoted = *p == '"';
    if (quoted)
        ++p;
    program = p;
    while (*p != '\0' && (quoted ? *p != '"' : *p != ' ' && *p != '\t'))
        ++p;
    if (*p == '\0')
        return p;
    *p++ = '\0';
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

unsigned LaunchFailureReason(unsigned launchResult) {
    switch (launchResult) {
    case 0:
        return IDS_LAUNCH_NO_MEMORY;
    case 2:
        return IDS_LAUNCH_FILE_NOT_FOUND;
    case 3:
        return IDS_LAUNCH_PATH_NOT_FOUND;
    case 11:
        return IDS_LAUNCH_BAD_FORMAT;
    default:
        return 0;
    }
}
