#include "path_workspace.h"

#include "bounded_text.h"

#include <cstring>
#include <string_view>

namespace filehelp {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

} // namespace

PathWorkspace::PathWorkspace() {
    ClearWorkPath();
    SplitPath(nullptr);
}

void PathWorkspace::SplitPath(const char* path) {
    drive_[0] = directory_[0] = name_[0] = extension_[0] = '\0';
    if (path == nullptr)
        return;
    while (*path == ' ')
        ++path;
    std::string_view rest(path, BoundedLength(path, kMaxConsideredPathLength));

    if (rest.size() >= 2 && rest[1] == ':') {
        CopyCut(drive_, rest.substr(0, 2));
        rest.remove_prefix(2);
    }

    const std::size_t lastSeparator = rest.find_last_of("\\/");
    std::string_view directory = lastSeparator == std::string_view::npos
                                     ? std::string_view()
                                     : rest.substr(0, lastSeparator + 1);
    std::string_view fileName = rest.substr(directory.size());
    // "." and ".." name directories, never a file with an empty name and an extension.
    if (fileName == "." || fileName == "..") {
        directory = rest;
        fileName = std::string_view();
    }

    const std::size_t dot = fileName.rfind('.');
    CopyCut(directory_, directory);
    CopyCut(name_, fileName.substr(0, dot));
    if (dot != std::string_view::npos)
        CopyCut(extension_, fileName.substr(dot));
}

const char* PathWorkspace::MergePath() {
    BoundedText work(workPath_, sizeof workPath_);
    if (drive_[0] != '\0') {
        work.Append(drive_[0]);
        work.Append(':');
    }
    const std::size_t directoryLength = std::strlen(directory_);
    work.Append(directory_);
    if (directoryLength > 0 && !IsSeparator(directory_[directoryLength - 1]))
        work.Append('\\');
    work.Append(name_);
    if (extension_[0] != '\0') {
        if (extension_[0] != '.')
            work.Append('.');
        work.Append(extension_);
    }
    return workPath_;
}

const char* PathWorkspace::DirectoryOf(const char* path) {
    if (path == nullptr)
        return ClearWorkPath();
    if (std::strchr(path, '.') == nullptr) {
        BoundedText(workPath_, sizeof workPath_).Append(path);
        return workPath_;
    }
    SplitPath(path);
    ClearFileName();
    return MergePath();
}

const char* PathWorkspace::FileNameOf(const char* path) {
    SplitPath(path);
    BoundedText work(workPath_, sizeof workPath_);
    work.Append(name_);
    work.Append(extension_);
    return workPath_;
}

void PathWorkspace::ClearFileName() {
    name_[0] = extension_[0] = '\0';
}

const char* PathWorkspace::ClearWorkPath() {
    workPath_[0] = '\0';
    return workPath_;
}

char* AddBackslash(char* buffer, std::size_t capacity) {
    if (buffer == nullptr || capacity == 0)
        return buffer;
    const std::size_t length = BoundedLength(buffer, capacity);
    // No terminator inside the buffer, or nothing to end: leave it as it is.
    if (length == capacity || length == 0)
        return buffer;
    const std::string_view suffix = length == 1 ? ":\\" : buffer[length - 1] == '\\' ? "" : "\\";
    if (length + suffix.size() < capacity) {
        suffix.copy(buffer + length, suffix.size());
        buffer[length + suffix.size()] = '\0';
    }
    return buffer;
}

} // namespace filehelp
