// A file that the INF names, resolved as the editor resolves a field's text: relative to the
// CD's root unless the text holds ':', "." and ".." resolved, letter case ignored, and
// outside the root when it climbs out of it.
#pragma once

#include "cd_tree.h"

#include <string>
#include <string_view>

namespace cd_check {

struct FileReference {
    enum class Status {
        kOnCd,          // the file lies on the CD
        kMissing,       // it would lie on the CD, but is not there
        kOutside,       // a full path or one that climbs out of the root
        kNotAFile,      // an address such as http://... that the shell opens
        kSystemProgram, // a bare name of a program that every Windows brings along
    };
    Status status = Status::kMissing;
    // The file on disk, for kOnCd.
    CdPath file;
    // The path behind the root, components separated by '\', for kOnCd and kMissing.
    std::string relative;
};

// The program of a command line, as Windows finds it among the files of the CD: in quotes, or
// the shortest part in front of a blank that names a file on the CD (a program also without
// its ".exe"); up to the first blank when none does.
std::string ProgramOf(const CdTree& tree, std::string_view commandLine);

// Resolves the text that names one file. A program may be named without its ".exe", as
// Windows starts it.
FileReference ResolveFile(const CdTree& tree, std::string_view text, bool isProgram);

} // namespace cd_check
