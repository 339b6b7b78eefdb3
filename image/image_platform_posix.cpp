#include "image_platform.h"

#include "utf8.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace image_platform {

namespace {

class DirectoryHandle {
public:
    explicit DirectoryHandle(DIR* handle) : handle_(handle) {}
    ~DirectoryHandle() {
        if (handle_ != nullptr)
            closedir(handle_);
    }
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;
    DIR* get() const { return handle_; }

private:
    DIR* handle_;
};

} // namespace

bool ListDirectory(const NativeString& directory, std::vector<DirectoryItem>& items) {
    DirectoryHandle handle(opendir(directory.c_str()));
    if (handle.get() == nullptr)
        return false;
    for (;;) {
        // readdir tells its end from an error by errno alone; realpath leaves it set.
        errno = 0;
        const dirent* entry = readdir(handle.get());
        if (entry == nullptr)
            break;
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string path = Join(directory, name);
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0)
            return false;
        DirectoryItem item;
        if (S_ISLNK(status.st_mode)) {
            // A link stands for what it names, as a copy onto the CD would take it.
            char resolved[PATH_MAX];
            if (stat(path.c_str(), &status) != 0 || realpath(path.c_str(), resolved) == nullptr) {
                if (errno != ENOENT && errno != ELOOP)
                    return false;
                item.link = errno == ELOOP ? Link::kLoop : Link::kDangling;
                item.name = name;
                item.units = utf8::UnitsOf(name);
                items.push_back(std::move(item));
                continue;
            }
            item.link = Link::kResolved;
            item.linkTarget = resolved;
        }
        if (!S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode))
            continue;
        item.name = name;
        item.units = utf8::UnitsOf(name);
        item.directory = S_ISDIR(status.st_mode);
        item.size = item.directory ? 0 : static_cast<std::uint64_t>(status.st_size);
        item.modified = static_cast<std::int64_t>(status.st_mtime);
        items.push_back(std::move(item));
    }
    return errno == 0;
}

bool IsDirectory(const NativeString& path, std::int64_t& modified) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return false;
    modified = static_cast<std::int64_t>(status.st_mtime);
    return true;
}

NativeString Join(const NativeString& directory, const NativeString& name) {
    if (!directory.empty() && directory.back() == '/')
        return directory + name;
    return directory + '/' + name;
}

std::u16string LastComponent(const NativeString& path) {
    char resolved[PATH_MAX];
    std::string absolute = realpath(path.c_str(), resolved) != nullptr ? resolved : path;
    while (absolute.size() > 1 && absolute.back() == '/')
        absolute.pop_back();
    const std::size_t slash = absolute.rfind('/');
    return utf8::UnitsOf(slash == std::string::npos ? absolute : absolute.substr(slash + 1));
}

NativeString AbsolutePath(const NativeString& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    char resolved[PATH_MAX];
    if (realpath(directory.c_str(), resolved) == nullptr)
        return path;
    return name.empty() ? std::string(resolved) : Join(resolved, name);
}

bool SamePlace(const NativeString& left, const NativeString& right) {
    return left == right;
}

bool IsWithin(const NativeString& path, const NativeString& directory) {
    if (path.compare(0, directory.size(), directory) != 0)
        return false;
    return path.size() == directory.size() || directory == "/" || path[directory.size()] == '/';
}

std::u16string UnitsOf(const NativeString& text) {
    return utf8::UnitsOf(text);
}

std::string DisplayPath(const NativeString& path) {
    return utf8::OfUnits(utf8::UnitsOf(path));
}

struct InputFile::Handle {
    int descriptor = -1;
};

InputFile::InputFile() : handle_(new Handle) {}

InputFile::~InputFile() {
    if (handle_->descriptor >= 0)
        close(handle_->descriptor);
}

bool InputFile::Open(const NativeString& path) {
    handle_->descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle_->descriptor < 0)
        return false;
    posix_fadvise(handle_->descriptor, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

std::int64_t InputFile::Read(unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = read(handle_->descriptor, buffer + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

struct OutputFile::Handle {
    int descriptor = -1;
    std::string temporary;
    std::string target;
    bool committed = false;
};

OutputFile::OutputFile() : handle_(new Handle) {}

OutputFile::~OutputFile() {
    // Removed while still locked: another run must not take it over in between.
    if (!handle_->committed && !handle_->temporary.empty())
        unlink(handle_->temporary.c_str());
    if (handle_->descriptor >= 0)
        close(handle_->descriptor);
}

bool OutputFile::Create(const NativeString& target) {
    handle_->target = target;
    // A name of our own beside the target: never a file another run is writing, which holds
    // the lock on it until the file is renamed or removed.
    for (int number = 0; number < 100; ++number) {
        const std::string temporary =
            target + ".part" + (number == 0 ? std::string() : std::to_string(number));
        const int descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
        if (descriptor < 0)
            return false;
        if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            close(descriptor);
            if (errno != EWOULDBLOCK)
                return false;
            continue;
        }
        handle_->descriptor = descriptor;
        handle_->temporary = temporary;
        return ftruncate(descriptor, 0) == 0;
    }
    return false;
}

bool OutputFile::Write(const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = write(handle_->descriptor, data, size);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

bool OutputFile::Commit() {
    if (fsync(handle_->descriptor) != 0)
        return false;
    // Renamed while still locked, for the reason the destructor removes it so.
    if (rename(handle_->temporary.c_str(), handle_->target.c_str()) != 0)
        return false;
    handle_->committed = true;
    const int descriptor = handle_->descriptor;
    handle_->descriptor = -1;
    return close(descriptor) == 0;
}

void WriteText(Stream stream, std::string_view text) {
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), out);
    std::fflush(out);
}

std::string DocumentPath(const NativeString& path) {
    return path;
}

bool OutputIsTerminal() {
    return isatty(STDOUT_FILENO) != 0;
}

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void NoteInterrupt(int) {
    interrupted = 1;
}

} // namespace

void NoteInterrupts() {
    struct sigaction action {};
    action.sa_handler = NoteInterrupt;
    // The first interrupt is noted; the next one ends the program.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the caller ignores (a background job's SIGINT, nohup's SIGHUP) stays so.
        struct sigaction old {};
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler != SIG_IGN)
            sigaction(signal, &action, nullptr);
    }
}

bool Interrupted() {
    return interrupted != 0;
}

} // namespace image_platform
