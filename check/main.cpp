// quillot-check: the AutoRun rules of the editor as a command-line check of a CD directory.
#include "check_command.h"
#include "check_platform.h"

#include <exception>
#include <filesystem>
#include <vector>

namespace {

template <typename Char> int Run(int argc, Char** argv) {
    cd_check::CommandResult result;
    try {
        std::vector<std::filesystem::path> arguments;
        for (int index = 1; index < argc; ++index)
            arguments.emplace_back(argv[index]);
        result = cd_check::RunCheckCommand(arguments);
    } catch (const std::exception&) {
        // Out of memory, or a path the system cannot convert: no check was made.
        result = cd_check::CommandResult{2, "", "quillot-check: Abbruch\n"};
    }
    check_platform::WriteText(check_platform::Stream::kOutput, result.output);
    check_platform::WriteText(check_platform::Stream::kError, result.error);
    return result.exitCode;
}

} // namespace

#ifdef _WIN32
// The wide arguments: a path with characters beyond the ANSI code page reaches the check whole.
int wmain(int argc, wchar_t** argv) {
    return Run(argc, argv);
}
#else
int main(int argc, char** argv) {
    return Run(argc, argv);
}
#endif
