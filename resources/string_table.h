// The string table as data, for the builds that have no Windows resources to load it from.
#pragma once

#include "string_ids.h"

// The text of a string id, or nullptr when the table has no entry for it (as LoadString
// fails for such an id).
const char* StringTableText(unsigned id);
