#include "cd_trees.h"

#include <filesystem>

void WriteTree(const TempDir& dir, const CdFiles& files) {
    for (const auto& [path, bytes] : files) {
        const std::filesystem::path full = std::filesystem::path(dir.Path()) / path;
        std::filesystem::create_directories(full.parent_path());
        if (path.back() == '/')
            std::filesystem::create_directories(full);
        else
            WriteBytes(full.string(), bytes);
    }
}

std::vector<std::string> CodesOf(const cd_check::CheckResult& result) {
    std::vector<std::string> codes;
    for (const cd_check::Finding& finding : result.findings)
        codes.push_back(cd_check::TextOf(finding.kind).code);
    return codes;
}

cd_check::CommandResult RunCommand(const TempDir& dir, const std::vector<std::string>& arguments) {
    std::vector<std::filesystem::path> paths;
    for (const std::string& argument : arguments)
        paths.emplace_back(argument == "CD" ? dir.Path() : argument);
    return cd_check::RunCheckCommand(paths);
}
