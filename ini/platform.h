// The few things the INI document needs from the operating system. One implementation
// serves Windows, one POSIX systems; the build picks one.
#pragma once

#include <cstdint>
#include <string>

namespace ini_platform {

// An open file; kNoFile when opening failed.
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

// The module whose string table names are loaded from; nullptr is the running program.
using ModuleInstance = void*;

// Opens an existing file for reading. When it cannot be opened, missing tells whether that
// is because there is no such file.
FileHandle OpenForReading(const char* path, bool& missing);

// Reads up to capacity bytes; the number read, 0 at the end of the file, -1 on failure.
long ReadBytes(FileHandle file, char* buffer, unsigned capacity);

// Creates a new, empty file in the directory of targetPath, under a name no other file has,
// for writing; tempPath receives its name.
FileHandle CreateBeside(const char* targetPath, std::string& tempPath);

// Writes all count bytes; false if any of them could not be written.
bool WriteBytes(FileHandle file, const char* bytes, unsigned count);

// Closes the file; false if the system reports that its content may not have been stored.
bool CloseFile(FileHandle file);

// Closes a file that was only read, or one that is given up: nothing of it needs storing.
void CloseWithoutStoring(FileHandle file);

// Puts the file at sourcePath in the place of targetPath, replacing a file there in one step.
bool ReplaceFileWith(const char* sourcePath, const char* targetPath);

bool RemoveFile(const char* path);

// Copies the text of string id into buffer (at most capacity - 1 bytes, terminated); false
// when the string table of module has no such string.
bool LoadText(ModuleInstance module, unsigned id, char* buffer, unsigned capacity);

} // namespace ini_platform

namespace ini_program {

// The text of string id in the program's own table, or nullptr when it has none. Used where
// programs carry no string table that the system could load (POSIX systems): whoever links
// the document there provides it.
const char* Text(unsigned id);

} // namespace ini_program
