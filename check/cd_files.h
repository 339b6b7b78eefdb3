// What the checks need to know of the files on a CD: the entries of its directories and the
// bytes of its files. Each program fills it its own way: quillot-check through the C++
// library's file system, the editor through the calls that every Windows from 95 on has. The
// checks themselves touch no file system.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cd_check {

// A file or directory on the CD: the keys of its path's components below the root, the root
// itself when empty.
using CdPath = std::vector<std::string>;

struct CdEntry {
    // Names the entry to the view that listed it; the view's order of names is the byte order
    // of their keys.
    std::string key;
    // The name in code page 1252; a character the code page lacks is "?".
    std::string name;
    // Its length in UTF-16 units, as Joliet counts it.
    std::size_t nameUnits = 0;
    // A directory, or a link to one.
    bool directory = false;
    // A link: it is not entered, as the CD holds what it points to.
    bool link = false;
};

// A file opened for reading at any offset.
class CdBytes {
public:
    virtual ~CdBytes() = default;
    virtual std::uint64_t Size() const = 0;
    // count bytes from offset; false when they cannot all be read.
    virtual bool ReadAt(std::uint64_t offset, void* out, std::size_t count) = 0;
};

class CdFiles {
public:
    virtual ~CdFiles() = default;
    // The entries of the directory at path, in any order. Sets failed when a directory could
    // not be read to its end (why, each view keeps as the system tells it); a file named as
    // if it were a directory has no entries and is no failure.
    virtual std::vector<CdEntry> List(const CdPath& path, bool& failed) const = 0;
    // The file at path for reading, or nullptr.
    virtual std::unique_ptr<CdBytes> Open(const CdPath& path) const = 0;
};

} // namespace cd_check
