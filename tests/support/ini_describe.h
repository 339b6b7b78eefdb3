// A document as text, one element a line, for comparing documents in tests: the header
// "[name]", then "  key=value" per entry and "  text" per text line, each followed by
// " ;comment" when it has one.
#pragma once

#include "ini_file.h"

#include <string>

std::string Describe(const INIFile& document);

// Sets the modified flag without changing the content, so that Save writes the document.
void MarkModified(INIFile& document);

// The description without the entries whose values are empty: what a document reads back
// as after it was saved, since such entries are not written.
std::string WithoutEmptyValues(const std::string& description);
