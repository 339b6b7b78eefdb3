#include "inf_names.h"

#include "string_table.h"

namespace inf_names {

namespace {

// Every id asked for here is in the table; the table's own test holds its texts.
const char* Text(unsigned id) {
    const char* text = StringTableText(id);
    return text != nullptr ? text : "";
}

} // namespace

const char* InfFile() {
    return Text(IDS_AUTORUN_INF);
}
const char* AutoRun() {
    return Text(IDS_AUTORUN);
}
const char* Open() {
    return Text(IDS_OPEN);
}
const char* Icon() {
    return Text(IDS_ICON);
}
const char* ShellPrefix() {
    return Text(IDS_SHELL_PREFIX);
}
const char* CommandSuffix() {
    return Text(IDS_COMMAND_SUFFIX);
}
const char* Orbilan() {
    return Text(IDS_ORBILAN);
}
const char* Exec() {
    return Text(IDS_EXEC);
}
const char* StarterFile() {
    return Text(IDS_STARTER_FILE);
}

} // namespace inf_names
