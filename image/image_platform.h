// What the image writer needs from the system: the entries of a directory with their names as
// UTF-16, reading files, and an output file that appears under its name only when it is whole.
// One implementation for POSIX systems, one for Windows; the build picks one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace image_platform {

// A path in the form the system opens: UTF-16 on Windows, bytes elsewhere. On Windows the units
// are char16_t rather than wchar_t: the C++ library's prebuilt std::wstring would bring 35 KB
// into the editor, which links the writer.
#ifdef _WIN32
using NativeString = std::u16string;
#else
using NativeString = std::string;
#endif

// What a symbolic link leads to; Windows' links are taken as what they name.
enum class Link { kNone, kResolved, kDangling, kLoop };

struct DirectoryItem {
    NativeString name;
    // The name as UTF-16. POSIX names are read as UTF-8; a byte that is no part of a UTF-8
    // character stands for its character in code page 1252.
    std::u16string units;
    bool directory = false;
    std::uint64_t size = 0;
    // Seconds since 1970-01-01 UTC.
    std::int64_t modified = 0;
    // For a link, directory, size and time are those of what it leads to.
    Link link = Link::kNone;
    // Where a resolved link leads: an absolute path without links.
    NativeString linkTarget;
};

// False when the directory cannot be read. Entries that are neither files nor directories
// (devices, sockets) are left out; "." and ".." too.
bool ListDirectory(const NativeString& directory, std::vector<DirectoryItem>& items);

// True when path names a directory; its modification time goes to modified.
bool IsDirectory(const NativeString& path, std::int64_t& modified);

NativeString Join(const NativeString& directory, const NativeString& name);

// The last component of the path made absolute, as UTF-16; empty for a root.
std::u16string LastComponent(const NativeString& path);

// The absolute form of a path whose last name need not exist yet, links resolved where the
// system resolves them; two such forms of one place compare alike with SamePlace.
NativeString AbsolutePath(const NativeString& path);

// True when two absolute paths name the same place: on Windows letter case is no difference.
bool SamePlace(const NativeString& left, const NativeString& right);

// True when the absolute path is directory or lies below it.
bool IsWithin(const NativeString& path, const NativeString& directory);

// A path or name as UTF-16, read as ListDirectory reads names.
std::u16string UnitsOf(const NativeString& text);

// The path for people to read, in UTF-8.
std::string DisplayPath(const NativeString& path);

// The path in the form the INI document opens; empty when that form cannot name the file.
std::string DocumentPath(const NativeString& path);

class InputFile {
public:
    InputFile();
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    bool Open(const NativeString& path);
    // The number of bytes read; 0 at the end; negative on an error.
    std::int64_t Read(unsigned char* buffer, std::size_t size);

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// Written beside the target as "target.part" (or "target.part1", ... while another run writes
// the same target); Commit moves it into the target's place once it is whole. Destroyed
// without Commit, it removes what it wrote. A partial file that no run writes any more (left
// by a killed one) is taken over, so that the numbers do not grow from run to run.
class OutputFile {
public:
    OutputFile();
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool Create(const NativeString& target);
    bool Write(const unsigned char* data, std::size_t size);
    // Flushes the data to the disk before the rename, so that the target is never a torn image.
    bool Commit();

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

enum class Stream { kOutput, kError };

// Writes UTF-8 text: to a Windows console as its characters, elsewhere as the bytes.
void WriteText(Stream stream, std::string_view utf8);

// True when standard output is a terminal (a console on Windows).
bool OutputIsTerminal();

// From now on the first interrupt (Ctrl+C; on POSIX systems SIGINT, SIGTERM and SIGHUP) does
// not end the program but is noted, so that the writing stops and removes its partial file; a
// second one ends the program as before.
void NoteInterrupts();

// True once an interrupt was noted.
bool Interrupted();

} // namespace image_platform
