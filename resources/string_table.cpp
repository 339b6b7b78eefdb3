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

constexpr bool AllIdsBelowLimit() {
    for (const StringEntry& entry : kStrings)
        if (entry.id >= IDS_LIMIT)
            return false;
    return true;
}
static_assert(AllIdsBelowLimit(), "a string id at or above IDS_LIMIT");

} // namespace

const char* StringTableText(unsigned id) {
    for (const StringEntry& entry : kStrings) {
        if (entry.id == id)
            return entry.text;
    }
    return nullptr;
}
