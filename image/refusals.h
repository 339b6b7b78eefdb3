// Why a tree cannot be put on a CD with ISO 9660 and Joliet: every kind with its German
// message, and one refusal as it is reported.
#pragma once

#include <string>
#include <vector>

namespace iso_image {

enum class RefusalKind {
    kNameTooLong,
    kForbiddenCharacter,
    kDeviceName,
    kSameName,
    kFileTooLarge,
    kFileTooLargeForUdf,
    kTooDeep,
    kPathTooLong,
    kTooManyDirectories,
    kImageTooLarge,
    kDanglingLink,
    kLinkLoop,
};

// The message in code page 1252; the file's path follows it.
const char* TextOf(RefusalKind kind);

struct Refusal {
    RefusalKind kind;
    // The path inside the CD directory, with "/" between its names.
    std::u16string path;
};

using Refusals = std::vector<Refusal>;

} // namespace iso_image
