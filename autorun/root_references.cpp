#include "root_references.h"

#include "path_identity.h"

namespace root_references {

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
    // Only a directory named without its last separator gains one: "\\" plus one more is the
    // start of a network path, not the current drive's root it names.
    const bool endsInSeparator = !normalFile.empty() && normalFile.back() == '\\';
    if (normalFile.compare(0, normalRoot.size(), normalRoot) == 0)
        return normalFile.substr(normalRoot.size());
    if (driveOnly || endsInSeparator || normalFile + '\\' != normalRoot)
        return std::nullopt;
    return std::string();
}

std::optional<std::string> PathInRoot(std::string_view root, std::string_view name) {
    if (root.size() + name.size() > filehelp::kMaxPathLength)
        return std::nullopt;
    std::string path(root);
    path.append(name);
    return path;
}

} // namespace root_references
