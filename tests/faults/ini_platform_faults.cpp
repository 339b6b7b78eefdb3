#include "ini_platform_faults.h"

#include "platform.h"

#include <string>

// The build's real implementation, compiled a second time with its namespace renamed to this
// one (see CMakeLists.txt). A declaration here that does not match it fails to link.
namespace real_ini_platform {
using ini_platform::FileHandle;
using ini_platform::ModuleInstance;
FileHandle OpenForReading(const char* path, bool& missing);
long ReadBytes(FileHandle file, char* buffer, unsigned capacity);
FileHandle CreateBeside(const char* targetPath, std::string& tempPath);
bool WriteBytes(FileHandle file, const char* bytes, unsigned count);
bool CloseFile(FileHandle file);
void CloseWithoutStoring(FileHandle file);
bool ReplaceFileWith(const char* sourcePath, const char* targetPath);
bool RemoveFile(const char* path);
bool LoadText(ModuleInstance module, unsigned id, char* buffer, unsigned capacity);
} // namespace real_ini_platform

namespace {

struct FaultState {
    bool active = false;
    ini_faults::Step step = ini_faults::Step::kCreate;
    std::size_t bytesBefore = 0;
    bool fired = false;
    // The new file of the running writing pass and the bytes stored in it so far.
    ini_platform::FileHandle newFile = ini_platform::kNoFile;
    std::size_t stored = 0;
    // The file being read and the bytes read from it so far.
    ini_platform::FileHandle readFile = ini_platform::kNoFile;
    std::size_t read = 0;
};

FaultState state;

bool IsArmed(ini_faults::Step step) {
    return state.active && state.step == step;
}

bool IsWriteFault() {
    return IsArmed(ini_faults::Step::kWriteFrom) || IsArmed(ini_faults::Step::kWriteAt);
}

} // namespace

namespace ini_faults {

ArmedFault::ArmedFault(Step step, std::size_t bytesBefore) {
    state = {};
    state.active = true;
    state.step = step;
    state.bytesBefore = bytesBefore;
}

ArmedFault::~ArmedFault() {
    state = {};
}

bool ArmedFault::Fired() const {
    return state.fired;
}

} // namespace ini_faults

namespace ini_platform {

FileHandle OpenForReading(const char* path, bool& missing) {
    if (IsArmed(ini_faults::Step::kOpen)) {
        state.fired = true;
        missing = false;
        return kNoFile;
    }
    const FileHandle opened = real_ini_platform::OpenForReading(path, missing);
    state.readFile = opened;
    state.read = 0;
    return opened;
}

long ReadBytes(FileHandle file, char* buffer, unsigned capacity) {
    if (!IsArmed(ini_faults::Step::kReadFrom) || file == kNoFile || file != state.readFile)
        return real_ini_platform::ReadBytes(file, buffer, capacity);
    if (state.read >= state.bytesBefore) {
        state.fired = true;
        return -1;
    }
    const std::size_t left = state.bytesBefore - state.read;
    const long got = real_ini_platform::ReadBytes(
        file, buffer, left < capacity ? static_cast<unsigned>(left) : capacity);
    if (got > 0)
        state.read += static_cast<std::size_t>(got);
    return got;
}

FileHandle CreateBeside(const char* targetPath, std::string& tempPath) {
    if (IsArmed(ini_faults::Step::kCreate)) {
        state.fired = true;
        return kNoFile;
    }
    const FileHandle created = real_ini_platform::CreateBeside(targetPath, tempPath);
    state.newFile = created;
    state.stored = 0;
    return created;
}

bool WriteBytes(FileHandle file, const char* bytes, unsigned count) {
    if (!IsWriteFault() || file == kNoFile || file != state.newFile)
        return real_ini_platform::WriteBytes(file, bytes, count);
    if (state.fired && state.step == ini_faults::Step::kWriteFrom)
        return false;
    if (state.fired || state.stored + count < state.bytesBefore) {
        state.stored += count;
        return real_ini_platform::WriteBytes(file, bytes, count);
    }
    const unsigned front = static_cast<unsigned>(state.bytesBefore - state.stored);
    if (front > 0 && !real_ini_platform::WriteBytes(file, bytes, front))
        return false;
    state.stored += front;
    state.fired = true;
    return false;
}

bool CloseFile(FileHandle file) {
    const bool closed = real_ini_platform::CloseFile(file);
    if (file != kNoFile && file == state.readFile)
        state.readFile = kNoFile;
    if (file == kNoFile || file != state.newFile)
        return closed;
    state.newFile = kNoFile;
    if (!IsArmed(ini_faults::Step::kClose))
        return closed;
    state.fired = true;
    return false;
}

void CloseWithoutStoring(FileHandle file) {
    real_ini_platform::CloseWithoutStoring(file);
    if (file == kNoFile)
        return;
    if (file == state.readFile)
        state.readFile = kNoFile;
    if (file == state.newFile)
        state.newFile = kNoFile;
}

bool ReplaceFileWith(const char* sourcePath, const char* targetPath) {
    if (IsArmed(ini_faults::Step::kReplace)) {
        state.fired = true;
        return false;
    }
    return real_ini_platform::ReplaceFileWith(sourcePath, targetPath);
}

bool RemoveFile(const char* path) {
    return real_ini_platform::RemoveFile(path);
}

bool LoadText(ModuleInstance module, unsigned id, char* buffer, unsigned capacity) {
    return real_ini_platform::LoadText(module, id, buffer, capacity);
}

} // namespace ini_platform
