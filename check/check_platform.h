// What the check needs from the system beyond the standard library: the names of files as
// UTF-16, paths for the INI document and for messages, and text on the console. One
// implementation for Windows, one for POSIX systems; the build picks one.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace check_platform {

// A file name or path as UTF-16. POSIX names are read as UTF-8; a byte that is no part of a
// UTF-8 character stands for its character in code page 1252.
std::u16string NameUnits(const std::filesystem::path& name);

// A name's key among the CD's entries: the byte order of keys is the order of the names as
// paths compare them. NameOfKey gives the name back.
std::string KeyOf(const std::filesystem::path& name);
std::filesystem::path NameOfKey(const std::string& key);

// The path in the form the INI document opens; empty when that form cannot name the file.
std::string DocumentPath(const std::filesystem::path& path);

// The path for people to read, in UTF-8.
std::string DisplayPath(const std::filesystem::path& path);

enum class Stream { kOutput, kError };

// Writes UTF-8 text: to a Windows console as its characters, elsewhere as the bytes.
void WriteText(Stream stream, std::string_view utf8);

} // namespace check_platform
