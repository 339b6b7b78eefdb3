// The CD's files for the check, read with the calls every Windows from 95 on has: names in
// the ANSI code page (the editor's fields show them so), sizes and bytes through plain file
// handles.
#pragma once

#include "cd_files.h"

#include <string>

class Win32CdFiles : public cd_check::CdFiles {
public:
    // root: the CD's directory, with or without its closing backslash.
    explicit Win32CdFiles(std::string root);

    std::vector<cd_check::CdEntry> List(const cd_check::CdPath& path, bool& failed) const override;
    std::unique_ptr<cd_check::CdBytes> Open(const cd_check::CdPath& path) const override;

private:
    // The full path of path, separated by '\'.
    std::string PathOf(const cd_check::CdPath& path) const;

    std::string root_;
};
