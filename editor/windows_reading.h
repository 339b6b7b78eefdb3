// The Windows that read a processor's AutoRun section, in the words of the editor's texts.
#pragma once

#include <string>
#include <string_view>

// Appends to text the Windows that read the processor section sectionName: x64Text and x86Text
// are the string ids that name those of the two processors Microsoft's own media carry; any
// other is "Windows für" and the processor as the file spells it.
void AppendWindowsReading(std::string& text, std::string_view sectionName, unsigned x64Text,
                          unsigned x86Text);
