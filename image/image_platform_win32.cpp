#include "image_platform.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace image_platform {

namespace {

// Seconds since 1970 of a FILETIME (100 ns since 1601).
std::int64_t UnixTimeOf(const FILETIME& time) {
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000ull) - 11644473600ll;
}

// The absolute form with "\\?\", so that deep trees pass the 260 characters of MAX_PATH.
std::wstring LongForm(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\", 0) == 0)
        return path;
    const DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), length, &full[0], nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    if (full.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::wstring WideOfUtf8(std::string_view utf8) {
    if (utf8.empty())
        return std::wstring();
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                            length);
    return wide;
}

std::string Utf8OfWide(const std::wstring& wide) {
    if (wide.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0],
                            length, nullptr, nullptr);
    return utf8;
}

} // namespace

bool ListDirectory(const NativeString& directory, std::vector<DirectoryItem>& items) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileW(Join(LongForm(directory), L"*").c_str(), &found));
    if (find.get() == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        DirectoryItem item;
        item.name = name;
        item.units.assign(name.begin(), name.end());
        item.directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.size = item.directory ? 0
                                   : (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) |
                                         found.nFileSizeLow;
        item.modified = UnixTimeOf(found.ftLastWriteTime);
        items.push_back(std::move(item));
    } while (FindNextFileW(find.get(), &found));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool IsDirectory(const NativeString& path, std::int64_t& modified) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(LongForm(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;
    modified = UnixTimeOf(data.ftLastWriteTime);
    return true;
}

NativeString Join(const NativeString& directory, const NativeString& name) {
    if (!directory.empty() && (directory.back() == L'\\' || directory.back() == L'/'))
        return directory + name;
    return directory + L'\\' + name;
}

std::u16string LastComponent(const NativeString& path) {
    std::wstring full = LongForm(path);
    while (!full.empty() && (full.back() == L'\\' || full.back() == L'/'))
        full.pop_back();
    const std::size_t slash = full.find_last_of(L"\\/");
    const std::wstring last = slash == std::wstring::npos ? full : full.substr(slash + 1);
    // "C:" is a drive's root, not a name.
    if (last.size() == 2 && last[1] == L':')
        return std::u16string();
    return std::u16string(last.begin(), last.end());
}

std::u16string UnitsOf(const NativeString& text) {
    return std::u16string(text.begin(), text.end());
}

std::string DisplayPath(const NativeString& path) {
    return Utf8OfWide(path);
}

struct InputFile::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
};

InputFile::InputFile() : handle_(new Handle) {}

InputFile::~InputFile() {
    if (handle_->file != INVALID_HANDLE_VALUE)
        CloseHandle(handle_->file);
}

bool InputFile::Open(const NativeString& path) {
    handle_->file = CreateFileW(LongForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    return handle_->file != INVALID_HANDLE_VALUE;
}

std::int64_t InputFile::Read(unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(handle_->file, buffer + done, wanted, &got, nullptr))
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    return static_cast<std::int64_t>(done);
}

struct OutputFile::Handle {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::wstring temporary;
    std::wstring target;
    bool committed = false;
};

OutputFile::OutputFile() : handle_(new Handle) {}

OutputFile::~OutputFile() {
    if (handle_->file != INVALID_HANDLE_VALUE)
        CloseHandle(handle_->file);
    if (!handle_->committed && !handle_->temporary.empty())
        DeleteFileW(handle_->temporary.c_str());
}

bool OutputFile::Create(const NativeString& target) {
    handle_->target = LongForm(target);
    // A name of our own beside the target: never a file someone else is writing.
    for (int number = 0; number < 100; ++number) {
        const std::wstring temporary =
            handle_->target + L".part" + (number == 0 ? std::wstring() : std::to_wstring(number));
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            handle_->file = file;
            handle_->temporary = temporary;
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

bool OutputFile::Write(const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(handle_->file, data, wanted, &put, nullptr) || put == 0)
            return false;
        data += put;
        size -= put;
    }
    return true;
}

bool OutputFile::Commit() {
    if (!FlushFileBuffers(handle_->file))
        return false;
    const HANDLE file = handle_->file;
    handle_->file = INVALID_HANDLE_VALUE;
    if (!CloseHandle(file))
        return false;
    if (!MoveFileExW(handle_->temporary.c_str(), handle_->target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    handle_->committed = true;
    return true;
}

void WriteText(Stream stream, std::string_view utf8) {
    const HANDLE handle =
        GetStdHandle(stream == Stream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // A console shows characters, whatever its code page: umlauts need no conversion.
        const std::wstring wide = WideOfUtf8(utf8);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    // Redirected into a file or a pipe: the UTF-8 bytes, as on other systems.
    std::FILE* out = stream == Stream::kOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), out);
    std::fflush(out);
}

bool OutputIsTerminal() {
    DWORD mode = 0;
    const HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode);
}

} // namespace image_platform
