// The CD of a test: a directory of the Linux side that the test command maps as a CD-ROM
// drive of the Wine prefix. Tests fill it with files and run programs from it.
#pragma once

#include <string>

// The drive's root, e.g. "O:\".
std::string CdRoot();

// True when the drive is mapped (the test command does it).
bool CdDriveMapped();

// Removes everything on the CD.
void ClearCd();

// Writes content to the file at relativePath on the CD (directories are made); true on success.
bool WriteCdFile(const std::string& relativePath, const std::string& content);

// Copies sourcePath to relativePath on the CD (directories are made); true on success.
bool CopyToCd(const std::string& sourcePath, const std::string& relativePath);

// Reads the file at relativePath on the CD into content; false if it cannot be read.
bool ReadCdFile(const std::string& relativePath, std::string& content);

bool CdFileExists(const std::string& relativePath);

// Waits (bounded) for a file that a started program writes on the CD; false if it does not
// come with content.
bool WaitForCdFile(const std::string& relativePath, std::string& content);
