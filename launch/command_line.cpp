#include "command_line.h"

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
