#include "root_references.h"

#include "path_identity.h"

#include <cctype>

namespace root_references {

namespace {

// "C:\..." or "\\server\share\...": a path that does not depend on a current directory.
bool IsFullPath(std::string_view path) {
    const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                       path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool share = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
    return drive || share;
}

} // namespace

std::string AbsoluteReference(std::string_view root, std::string_view text) {
    if (text.find(':') != std::string_view::npos)
        return std::string(text);
    std::string full(root);
    full.append(text);
    return full;
}

std::optional<std::string> RelativeReference(std::string_view root, std::string_view path) {
    // The arguments of a command line start at the first blank behind the root. They are kept
    // out of the resolution: a '/' or ".." in an argument is no part of the file's path.
    const std::size_t argumentsStart = path.find(' ', root.size());
    std::optional<std::string> rest = RelativeFile(root, path.substr(0, argumentsStart));
    if (rest && argumentsStart != std::string_view::npos)
        rest->append(path.substr(argumentsStart));
    return rest;
}

std::optional<std::string> RelativeFile(std::string_view root, std::string_view path) {
    // Compared once resolved, so that "sub\..\..\x.exe" does not pass for a file on the CD
    // just because its text begins with the root.
    const std::string normalRoot = filehelp::NormalizePath(root);
    const std::string normalFile = filehelp::NormalizePath(path);
    // A drive without a separator ("E:") is that drive's current directory, not its root.
    const bool driveOnly = normalFile.size() == 2 && normalFile[1] == ':';
    if (normalFile.compare(0, normalRoot.size(), normalRoot) == 0)
        return normalFile.substr(normalRoot.size());
    if (driveOnly || normalFile + '\\' != normalRoot)
        return std::nullopt;
    return std::string();
}

std::string_view ReferencedFile(std::string_view reference) {
    return reference.substr(0, reference.find(' '));
}

std::optional<CommandFile> SplitCommandFile(std::string_view path,
                                            const std::function<bool(const std::string&)>& isFile) {
    for (std::size_t end = path.size(); end > 0;) {
        const std::string file(path.substr(0, end));
        // A part that ends in a blank is no name of its own: the system drops the blank.
        if (file.back() != ' ' && IsFullPath(file) && isFile(file))
            return CommandFile{file, std::string(path.substr(end))};
        end = path.rfind(' ', end - 1);
        if (end == std::string_view::npos)
            break;
    }
    return std::nullopt;
}

std::optional<std::string> PathInRoot(std::string_view root, std::string_view name) {
    if (root.size() + name.size() > filehelp::kMaxPathLength)
        return std::nullopt;
    std::string path(root);
    path.append(name);
    return path;
}

} // namespace root_references
