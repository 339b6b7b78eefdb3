// The files of the in-memory platform that the fuzz targets put under the INI document in
// place of the disk: a path names a byte string, nothing more. One thread only.
#pragma once

#include <string>

namespace memory_files {

void Put(const std::string& path, std::string bytes);
// Null when there is no such file.
const std::string* Find(const std::string& path);
// Removes every file; open handles must be closed before.
void Clear();
// Number of files, temporary ones included: shows left-over temporary files.
std::size_t Count();

} // namespace memory_files
