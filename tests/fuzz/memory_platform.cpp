// platform.h over memory_files: a fuzz run reads and writes thousands of files a second
// without a system call. Writing passes go to a file beside the target, as on disk, that
// takes its place when it is replaced.
#include "memory_files.h"
#include "platform.h"

#include "string_table.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

struct OpenFile {
    std::string path;
    std::size_t position = 0;
};

std::map<std::string, std::string> files;
std::map<ini_platform::FileHandle, OpenFile> handles;
ini_platform::FileHandle nextHandle = 1;
unsigned long nextTemp = 0;

OpenFile* HandleOf(ini_platform::FileHandle file) {
    const auto found = handles.find(file);
    return found == handles.end() ? nullptr : &found->second;
}

ini_platform::FileHandle Open(const std::string& path) {
    handles[nextHandle] = OpenFile{path, 0};
    return nextHandle++;
}

} // namespace

namespace memory_files {

void Put(const std::string& path, std::string bytes) {
    files[path] = std::move(bytes);
}

const std::string* Find(const std::string& path) {
    const auto found = files.find(path);
    return found == files.end() ? nullptr : &found->second;
}

void Clear() {
    files.clear();
    handles.clear();
}

std::size_t Count() {
    return files.size();
}

} // namespace memory_files

namespace ini_platform {

FileHandle OpenForReading(const char* path, bool& missing) {
    missing = files.count(path) == 0;
    return missing ? kNoFile : Open(path);
}

long ReadBytes(FileHandle file, char* buffer, unsigned capacity) {
    OpenFile* open = HandleOf(file);
    if (open == nullptr)
        return -1;
    const std::string& bytes = files[open->path];
    const std::size_t count =
        std::min<std::size_t>(capacity, bytes.size() - std::min(open->position, bytes.size()));
    std::memcpy(buffer, bytes.data() + open->position, count);
    open->position += count;
    return static_cast<long>(count);
}

FileHandle CreateBeside(const char* targetPath, std::string& tempPath) {
    tempPath = std::string(targetPath) + ".tmp" + std::to_string(nextTemp++);
    files[tempPath].clear();
    return Open(tempPath);
}

bool WriteBytes(FileHandle file, const char* bytes, unsigned count) {
    OpenFile* open = HandleOf(file);
    if (open == nullptr)
        return false;
    files[open->path].append(bytes, count);
    return true;
}

bool CloseFile(FileHandle file) {
    return handles.erase(file) == 1;
}

void CloseWithoutStoring(FileHandle file) {
    handles.erase(file);
}

bool ReplaceFileWith(const char* sourcePath, const char* targetPath) {
    const auto source = files.find(sourcePath);
    if (source == files.end())
        return false;
    std::string bytes = std::move(source->second);
    files.erase(source);
    files[targetPath] = std::move(bytes);
    return true;
}

bool RemoveFile(const char* path) {
    return files.erase(path) == 1;
}

bool LoadText(ModuleInstance, unsigned id, char* buffer, unsigned capacity) {
    const char* text = StringTableText(id);
    if (text == nullptr || capacity == 0)
        return false;
    const std::size_t length = std::min<std::size_t>(std::strlen(text), capacity - 1);
    std::memcpy(buffer, text, length);
    buffer[length] = '\0';
    return true;
}

} // namespace ini_platform
