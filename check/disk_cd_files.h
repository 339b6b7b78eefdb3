// The CD's files as the C++ library's file system shows them, for quillot-check.
#pragma once

#include "cd_files.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace cd_check {

// The name of a file on disk in code page 1252; a character the code page lacks is "?", as
// the INI document shows such characters.
std::string NameInCodePage(const std::filesystem::path& name);

// The entries of a directory that bear name in any letter case, in byte order.
std::vector<std::filesystem::path> NamesLike(const std::filesystem::path& directory,
                                             std::string_view name);

class DiskCdFiles : public CdFiles {
public:
    explicit DiskCdFiles(std::filesystem::path root) : root_(std::move(root)) {}

    // The file on disk that path names.
    std::filesystem::path PathOf(const CdPath& path) const;

    // Why the first directory that could not be read to its end failed.
    const std::error_code& FirstError() const { return firstError_; }

    std::vector<CdEntry> List(const CdPath& path, bool& failed) const override;
    std::unique_ptr<CdBytes> Open(const CdPath& path) const override;

private:
    std::filesystem::path root_;
    mutable std::error_code firstError_;
};

} // namespace cd_check
