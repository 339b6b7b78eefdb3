#include "string_resource.h"

#include <windows.h>

std::string LoadResourceString(unsigned id) {
    // Every text of the table fits; LoadString cuts longer ones at the buffer's end.
    char text[1024];
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}
