// A document as text, one element a line, for comparing documents in tests: the header
// "[name]", then "  key=value" per entry and "  text" per text line, each followed by
// " ;comment" when it has one.
#pragma once

#include "ini_file.h"

#include <string>

std::string Describe(const INIFile& document);

// Sets the modified flag without changing the content, so that Save writes the document.
void MarkModified(INIFile& document);

// The description of what Save writes of the document: entries set to empty values and
// empty text lines are left out, so a saved document reads back as this.
std::string DescribeAsWritten(const INIFile& document);
