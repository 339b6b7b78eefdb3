// The open-file dialog of the editor's "Suchen" buttons, and the save dialog of the CD's image.
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

// Lets the user name a file to write, starting in directory (empty: where the system starts)
// with name proposed and the filter of filterId, whose first pattern's extension is added to a
// name typed without one; an existing file is replaced only when the user confirms it. True
// when the user confirmed; the full path is then in chosen (filehelp::kPathBufferSize).
bool ChooseFileToWrite(HWND owner, const std::string& directory, const std::string& name,
                       unsigned filterId, const char* extension, char* chosen);
