// Which file a command line names, as Windows starts it: a program in quotes is the text
// between them; an unquoted one may hold blanks, and then the shortest part in front of a
// blank that names an existing file is the program, then the longer ones, as the system's
// own start of a process tries them. Whether a file exists is asked of the caller, so that
// the editor and the checker each answer it in their own way.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace command_program {

struct CommandProgram {
    std::string file;      // the program as written, without its quotes
    std::string arguments; // what follows it, without the blanks in front
    bool quoted = false;   // the program stood in quotes
};

using FileExists = std::function<bool(const std::string&)>;

// The program of commandLine and its arguments. An unquoted program of which no part names an
// existing file is the text up to the first blank or tab, as the launcher then reports it.
CommandProgram ProgramOf(std::string_view commandLine, const FileExists& exists);

// file and arguments as a command line: file in quotes when it holds a blank or tab, so that
// no part of its name is taken for an argument; arguments behind it, after one blank.
std::string CommandLineOf(std::string_view file, std::string_view arguments);

// Whether Windows' profile reader breaks the value: one that begins with a quoted program and
// ends with a quoted argument loses its first and its last quote, as if one pair enclosed it.
bool QuotesStrippedByReader(std::string_view value);

} // namespace command_program
