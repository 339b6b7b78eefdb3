// Readable, unique and shell-safe case names for the table-driven path tests: CTest names its
// tests after the printed parameter.
#pragma once

#include <cstdio>
#include <string>

inline std::string PathCaseName(const std::string& path) {
    if (path.empty())
        return "(empty)";
    std::string shown;
    for (std::size_t i = 0; i < path.size() && i < 30; ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (c == ' ') {
            shown += '_';
        } else if (c < 0x21 || c > 0x7E) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            shown += hex;
        } else {
            shown += static_cast<char>(c);
        }
    }
    if (path.size() > 30)
        shown += "...(" + std::to_string(path.size()) + ")";
    return shown;
}
