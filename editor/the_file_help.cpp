#include "the_file_help.h"

FileHelp* theFileHelp = nullptr;
