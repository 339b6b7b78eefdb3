// The INI document's names come from the program's string table.
#include "platform.h"
#include "string_table.h"

const char* ini_program::Text(unsigned id) {
    return StringTableText(id);
}
