// quillot-image's command line: reads the CD directory, lists what the image cannot hold or
// writes the image.
#pragma once

#include "image_platform.h"

#include <string>
#include <vector>

namespace iso_image {

struct CommandResult {
    // 0 written, 1 refused (the refusals in output), 2 not written (the reason in error).
    int exitCode = 0;
    // UTF-8.
    std::string output;
    std::string error;
};

// arguments without the program's name. With showProgress, a line on standard output tells
// how far the writing is.
CommandResult RunImageCommand(const std::vector<image_platform::NativeString>& arguments,
                              bool showProgress);

} // namespace iso_image
