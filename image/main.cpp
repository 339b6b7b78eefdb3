// quillot-image: writes the CD directory as an ISO 9660 image with Joliet.
#include "image_command.h"
#include "image_platform.h"

#include <exception>
#include <vector>

namespace {

template <typename Char> int Run(int argc, Char** argv) {
    iso_image::CommandResult result;
    try {
        std::vector<image_platform::NativeString> arguments;
        for (int index = 1; index < argc; ++index)
            arguments.emplace_back(argv[index]);
        image_platform::NoteInterrupts();
        result = iso_image::RunImageCommand(arguments, image_platform::OutputIsTerminal());
    } catch (const std::exception&) {
        // Out of memory: no image was written; the output file removed itself.
        result = iso_image::CommandResult{2, "", "quillot-image: Abbruch\n"};
    }
    image_platform::WriteText(image_platform::Stream::kOutput, result.output);
    image_platform::WriteText(image_platform::Stream::kError, result.error);
    return result.exitCode;
}

} // namespace

#ifdef _WIN32
// The wide arguments: a path with characters beyond the ANSI code page reaches the image whole.
int wmain(int argc, wchar_t** argv) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");
    return Run(argc, reinterpret_cast<char16_t**>(argv));
}
#else
int main(int argc, char** argv) {
    return Run(argc, argv);
}
#endif
