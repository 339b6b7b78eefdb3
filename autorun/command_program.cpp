#include "command_program.h"

namespace command_program {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view WithoutLeadingBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

CommandProgram Split(std::string_view line, std::size_t fileEnd, std::size_t argumentsStart,
                     bool quoted) {
    CommandProgram program;
    program.file = std::string(line.substr(0, fileEnd));
    program.arguments = std::string(WithoutLeadingBlanks(line.substr(argumentsStart)));
    program.quoted = quoted;
    return program;
}

} // namespace

CommandProgram ProgramOf(std::string_view commandLine, const FileExists& exists) {
    const std::string_view line = WithoutLeadingBlanks(commandLine);
    if (!line.empty() && line.front() == '"') {
        const std::string_view rest = line.substr(1);
        const std::size_t close = rest.find('"');
        if (close == std::string_view::npos)
            return Split(rest, rest.size(), rest.size(), true);
        return Split(rest, close, close + 1, true);
    }

    // Every end of a part in front of a blank, shortest first; then the whole line.
    std::size_t firstEnd = std::string_view::npos;
    for (std::size_t end = 0; end <= line.size(); ++end) {
        if (end < line.size() && !IsBlank(line[end]))
            continue;
        // A part that ends where the one before it ended (two blanks) is that part again.
        if (end == 0 || IsBlank(line[end - 1]))
            continue;
        if (firstEnd == std::string_view::npos)
            firstEnd = end;
        if (exists(std::string(line.substr(0, end))))
            return Split(line, end, end, false);
    }
    if (firstEnd == std::string_view::npos)
        return CommandProgram{};
    return Split(line, firstEnd, firstEnd, false);
}

std::string CommandLineOf(std::string_view file, std::string_view arguments) {
    std::string line;
    if (file.find_first_of(" \t") != std::string_view::npos) {
        line = '"';
        line.append(file);
        line += '"';
    } else {
        line = std::string(file);
    }
    if (!arguments.empty()) {
        line += ' ';
        line.append(arguments);
    }
    return line;
}

bool QuotesStrippedByReader(std::string_view value) {
    const std::string_view trimmed = WithoutTrailingBlanks(WithoutLeadingBlanks(value));
    if (trimmed.size() < 2 || trimmed.front() != '"' || trimmed.back() != '"')
        return false;
    // A quoted program alone loses its own pair, and the program is still found by its parts.
    const std::size_t close = trimmed.find('"', 1);
    return close != trimmed.size() - 1;
}

} // namespace command_program
