// The rules by which a field text names a file on the CD, as far as they need no file: a text
// is a full path when it holds ':' and lies below the virtual root otherwise, and a full path
// is a reference to the CD only when, once "." and ".." are resolved, it still lies below the
// root. A reference may be a command line: from its first blank on come arguments.
#pragma once

#include "path_limits.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace root_references {

// The full path of a field text, however long it is; root ends in a backslash.
std::string AbsoluteReference(std::string_view root, std::string_view text);

// The reference behind root of the full path, with "." and ".." resolved in its file part
// (the arguments are left as they are); nothing when the path does not lie below root in
// exactly root's letter case. The root itself gives the empty reference.
std::optional<std::string> RelativeReference(std::string_view root, std::string_view path);

// The same for a path that is a file's path alone, blanks and all: nothing of it is taken for
// arguments.
std::optional<std::string> RelativeFile(std::string_view root, std::string_view path);

// The file that a reference names: the reference up to its first blank.
std::string_view ReferencedFile(std::string_view reference);

// A full path from outside the root may be a command line: a program and its arguments.
struct CommandFile {
    std::string file;      // the program, a full path
    std::string arguments; // from the blank in front of them on; empty when there are none
};

// The program a full path names: the whole path when isFile says it is a file; otherwise the
// longest part in front of a blank that is a full path itself (a drive and its root, or a
// network share) and a file. Nothing when no such part is one.
std::optional<CommandFile> SplitCommandFile(std::string_view path,
                                            const std::function<bool(const std::string&)>& isFile);

// root followed by name, or nothing when that is longer than a path buffer holds.
std::optional<std::string> PathInRoot(std::string_view root, std::string_view name);

} // namespace root_references
