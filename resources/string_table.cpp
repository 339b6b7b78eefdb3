#include "string_table.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

#define STARTER_STRING(id, text) {id, text},
#define EDITOR_STRING(id, text) {id, text},
constexpr StringEntry kStrings[] = {
#include "strings.def"
};
#undef STARTER_STRING
#undef EDITOR_STRING

} // namespace

const char* StringTableText(unsigned id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}
