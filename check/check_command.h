// The command line of quillot-check: quillot-check [--json] [--iso9660] [--targets] PATH.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace cd_check {

struct CommandResult {
    int exitCode = 0;
    // UTF-8, for standard output and standard error.
    std::string output;
    std::string error;
};

// The arguments without the program's name.
CommandResult RunCheckCommand(const std::vector<std::filesystem::path>& arguments);

} // namespace cd_check
