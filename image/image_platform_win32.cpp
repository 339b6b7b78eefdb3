// The files' side of the system behind image_platform.h on Windows: directories, reading,
// writing beside the target. The editor links it with the writer; the console's side is apart
// (image_console_win32.cpp).
//
// Windows 95, 98 and Me have the wide functions only as stubs that fail, and Windows 95 lacks
// GetFileAttributesExW altogether; the editor, which runs there, must not import them. They are
// looked up where the system has them (NT and later); elsewhere paths go through the ANSI
// functions in the system's code page, from which those systems' names come anyway.
#include "image_platform.h"

#include "windows_names.h"

#include <windows.h>

#include <algorithm>

namespace image_platform {

namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

struct WideFunctions {
    decltype(&CreateFileW) createFile;
    decltype(&DeleteFileW) deleteFile;
    decltype(&MoveFileExW) moveFileEx;
    decltype(&FindFirstFileW) findFirstFile;
    decltype(&FindNextFileW) findNextFile;
    decltype(&GetFullPathNameW) getFullPathName;
};

template <typename Function> void Look(HMODULE module, const char* name, Function& function) {
    // GetProcAddress hands out every export as one generic function type.
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// nullptr on Windows 95, 98 and Me.
const WideFunctions* Wides() {
    static const WideFunctions* const wides = []() -> const WideFunctions* {
        static WideFunctions functions;
        if ((GetVersion() & 0x80000000u) != 0)
            return nullptr;
        const HMODULE kernel = GetModuleHandleA("kernel32.dll");
        Look(kernel, "CreateFileW", functions.createFile);
        Look(kernel, "DeleteFileW", functions.deleteFile);
        Look(kernel, "MoveFileExW", functions.moveFileEx);
        Look(kernel, "FindFirstFileW", functions.findFirstFile);
        Look(kernel, "FindNextFileW", functions.findNextFile);
        Look(kernel, "GetFullPathNameW", functions.getFullPathName);
        return functions.createFile && functions.deleteFile && functions.moveFileEx &&
                       functions.findFirstFile && functions.findNextFile &&
                       functions.getFullPathName
                   ? &functions
                   : nullptr;
    }();
    return wides;
}

std::string Ansi(const std::u16string& text) {
    const int count = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_ACP, 0, Wide(text), count, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, Wide(text), count, &ansi[0], length, nullptr, nullptr);
    return ansi;
}

HANDLE OpenFile(const std::u16string& path, DWORD access, DWORD share, DWORD creation,
                DWORD flags) {
    if (const WideFunctions* wides = Wides())
        return wides->createFile(Wide(path), access, share, nullptr, creation, flags, nullptr);
    return CreateFileA(Ansi(path).c_str(), access, share, nullptr, creation, flags, nullptr);
}

void RemoveFile(const std::u16string& path) {
    if (const WideFunctions* wides = Wides())
        wides->deleteFile(Wide(path));
    else
        DeleteFileA(Ansi(path).c_str());
}

bool ReplaceFile(const std::u16string& from, const std::u16string& to) {
    if (const WideFunctions* wides = Wides())
        return wides->moveFileEx(Wide(from), Wide(to),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    // These systems cannot replace a file in one step.
    const std::string target = Ansi(to);
    DeleteFileA(target.c_str());
    return MoveFileA(Ansi(from).c_str(), target.c_str()) != FALSE;
}

// The found entry's name as UTF-16.
struct Found {
    WIN32_FIND_DATAW data;
    std::u16string name() const { return reinterpret_cast<const char16_t*>(data.cFileName); }
};

void TakeAnsi(const WIN32_FIND_DATAA& ansi, Found& found) {
    found.data.dwFileAttributes = ansi.dwFileAttributes;
    found.data.ftLastWriteTime = ansi.ftLastWriteTime;
    found.data.nFileSizeHigh = ansi.nFileSizeHigh;
    found.data.nFileSizeLow = ansi.nFileSizeLow;
    if (MultiByteToWideChar(CP_ACP, 0, ansi.cFileName, -1, found.data.cFileName, MAX_PATH) == 0)
        found.data.cFileName[0] = L'\0';
}

HANDLE FindFirst(const std::u16string& pattern, Found& found) {
    if (const WideFunctions* wides = Wides())
        return wides->findFirstFile(Wide(pattern), &found.data);
    WIN32_FIND_DATAA ansi;
    const HANDLE find = FindFirstFileA(Ansi(pattern).c_str(), &ansi);
    if (find != INVALID_HANDLE_VALUE)
        TakeAnsi(ansi, found);
    return find;
}

bool FindNext(HANDLE find, Found& found) {
    if (const WideFunctions* wides = Wides())
        return wides->findNextFile(find, &found.data) != FALSE;
    WIN32_FIND_DATAA ansi;
    if (!FindNextFileA(find, &ansi))
        return false;
    TakeAnsi(ansi, found);
    return true;
}

// Seconds since 1970 of a FILETIME (100 ns since 1601).
std::int64_t UnixTimeOf(const FILETIME& time) {
    const std::uint64_t ticks =
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<std::int64_t>(ticks / 10000000ull) - 11644473600ll;
}

// The absolute form with "\\?\", so that deep trees pass the 260 characters of MAX_PATH.
// Windows 95, 98 and Me know no such form: their paths stay as they are.
std::u16string LongForm(const std::u16string& path) {
    const WideFunctions* wides = Wides();
    if (wides == nullptr || path.rfind(u"\\\\?\\", 0) == 0)
        return path;
    const DWORD length = wides->getFullPathName(Wide(path), 0, nullptr, nullptr);
    if (length == 0)
        return path;
    std::u16string full(length, u'\0');
    const DWORD written =
        wides->getFullPathName(Wide(path), length, reinterpret_cast<wchar_t*>(&full[0]), nullptr);
    if (written == 0 || written >= length)
        return path;
    full.resize(written);
    if (full.rfind(u"\\\\", 0) == 0)
        return u"\\\\?\\UNC\\" + full.substr(2);
    return u"\\\\?\\" + full;
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

// The decimal digits of number, without a formatting function (which would bring printf).
std::u16string DigitsOf(unsigned number) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + number % 10));
        number /= 10;
    } while (number != 0);
    return digits;
}

} // namespace

bool ListDirectory(const NativeString& directory, std::vector<DirectoryItem>& items) {
    Found found;
    FindHandle find(FindFirst(Join(LongForm(directory), u"*"), found));
    if (find.get() == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::u16string name = found.name();
        if (name == u"." || name == u"..")
            continue;
        DirectoryItem item;
        item.name = name;
        item.units = name;
        item.directory = (found.data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        item.size = item.directory ? 0
                                   : (static_cast<std::uint64_t>(found.data.nFileSizeHigh) << 32) |
                                         found.data.nFileSizeLow;
        item.modified = UnixTimeOf(found.data.ftLastWriteTime);
        items.push_back(std::move(item));
    } while (FindNext(find.get(), found));
    return GetLastError() == ERROR_NO_MORE_FILES;
}

bool IsDirectory(const NativeString& path, std::int64_t& modified) {
    std::u16string full = LongForm(path);
    while (!full.empty() && (full.back() == u'\\' || full.back() == u'/'))
        full.pop_back();
    Found found;
    {
        const FindHandle find(FindFirst(full, found));
        if (find.get() != INVALID_HANDLE_VALUE) {
            modified = UnixTimeOf(found.data.ftLastWriteTime);
            return (found.data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        }
    }
    // A drive's root has no entry of its own; it is a directory when it can be listed. It has
    // no time either.
    const FindHandle find(FindFirst(full + u"\\*", found));
    modified = 0;
    return find.get() != INVALID_HANDLE_VALUE || GetLastError() == ERROR_FILE_NOT_FOUND;
}

NativeString Join(const NativeString& directory, const NativeString& name) {
    if (!directory.empty() && (directory.back() == u'\\' || directory.back() == u'/'))
        return directory + name;
    return directory + u'\\' + name;
}

std::u16string LastComponent(const NativeString& path) {
    std::u16string full = LongForm(path);
    while (!full.empty() && (full.back() == u'\\' || full.back() == u'/'))
        full.pop_back();
    const std::size_t slash = full.find_last_of(u"\\/");
    const std::u16string last = slash == std::u16string::npos ? full : full.substr(slash + 1);
    // "C:" is a drive's root, not a name.
    if (last.size() == 2 && last[1] == u':')
        return std::u16string();
    return last;
}

NativeString AbsolutePath(const NativeString& path) {
    return LongForm(path);
}

bool SamePlace(const NativeString& left, const NativeString& right) {
    return iso_image::SameNameKey(left) == iso_image::SameNameKey(right);
}

bool IsWithin(const NativeString& path, const NativeString& directory) {
    if (path.size() < directory.size() || !SamePlace(path.substr(0, directory.size()), directory))
        return false;
    return path.size() == directory.size() || directory.back() == u'\\' ||
           path[directory.size()] == u'\\';
}

std::u16string UnitsOf(const NativeString& text) {
    return text;
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
    handle_->file = OpenFile(LongForm(path), GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING,
                             FILE_FLAG_SEQUENTIAL_SCAN);
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
    std::u16string temporary;
    std::u16string target;
    bool committed = false;
};

OutputFile::OutputFile() : handle_(new Handle) {}

OutputFile::~OutputFile() {
    if (handle_->file != INVALID_HANDLE_VALUE)
        CloseHandle(handle_->file);
    if (!handle_->committed && !handle_->temporary.empty())
        RemoveFile(handle_->temporary);
}

bool OutputFile::Create(const NativeString& target) {
    handle_->target = LongForm(target);
    // A name of our own beside the target: never a file someone else is writing.
    for (int number = 0; number < 100; ++number) {
        const std::u16string temporary =
            handle_->target + u".part" + (number == 0 ? std::u16string() : DigitsOf(number));
        // Shared with no one: a file another run is writing cannot be opened, one left by a
        // killed run is taken over and emptied.
        const HANDLE file =
            OpenFile(temporary, GENERIC_WRITE, 0, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
        if (file != INVALID_HANDLE_VALUE) {
            handle_->file = file;
            handle_->temporary = temporary;
            return true;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION)
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
    if (!ReplaceFile(handle_->temporary, handle_->target))
        return false;
    handle_->committed = true;
    return true;
}

std::string DocumentPath(const NativeString& path) {
    const int count = static_cast<int>(path.size());
    BOOL lost = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Wide(path), count, nullptr,
                                           0, nullptr, &lost);
    if (length <= 0 || lost)
        return std::string();
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Wide(path), count, &ansi[0], length, nullptr,
                        &lost);
    return ansi;
}

} // namespace image_platform
