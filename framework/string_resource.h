// Texts of the program's string table.
#pragma once

#include <string>

// The text of string id from the program's own resources; "" when there is none.
std::string LoadResourceString(unsigned id);
