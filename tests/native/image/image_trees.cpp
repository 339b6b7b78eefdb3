#include "image_trees.h"

#include "utf8.h"

#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t kTreeTime = 1700000000;

std::string UnitsPath(const fs::path& relative) {
    std::string out;
    for (const fs::path& part : relative) {
        if (!out.empty())
            out += '/';
        out += utf8::OfUnits(utf8::UnitsOf(part.native()));
    }
    return out;
}

} // namespace

void SetTime(const std::string& path, std::int64_t seconds) {
    const timespec times[2] = {{static_cast<time_t>(seconds), 0},
                               {static_cast<time_t>(seconds), 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void MakeTree(const std::string& root, const std::vector<TreeFile>& files,
              const std::vector<std::string>& emptyDirectories) {
    fs::create_directories(root);
    for (const std::string& directory : emptyDirectories)
        fs::create_directories(fs::path(root) / directory);
    for (const TreeFile& file : files) {
        const fs::path path = fs::path(root) / file.path;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << file.bytes;
    }
    for (const auto& entry : fs::recursive_directory_iterator(root))
        SetTime(entry.path().native(), kTreeTime);
    SetTime(root, kTreeTime);
}

std::map<std::string, std::string> ReadTree(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[UnitsPath(fs::relative(entry.path(), root))] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

std::vector<std::string> DirectoriesOf(const std::string& root) {
    std::vector<std::string> directories;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_directory())
            directories.push_back(UnitsPath(fs::relative(entry.path(), root)));
    return directories;
}

ToolRun RunTool(const std::string& command) {
    ToolRun run;
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
