// The open-file dialog of the editor's "Suchen" buttons.
#pragma once

#include <windows.h>

#include <string>

// A filter of the string table ("name|patterns|...") turned into what the file dialog
// expects: its parts separated by NULs, the list ended by an empty one.
std::string FileDialogFilter(unsigned filterId);

// Lets the user choose an existing file, starting in the directory of startPath with its file
// name proposed, listing what the filter of the string table filterId names. True when the
// user confirmed; the full path is then in chosen (a path buffer of filehelp::kPathBufferSize
// characters).
bool ChooseExistingFile(HWND owner, const char* startPath, unsigned filterId, char* chosen);
