// Writes a tree as an ISO 9660 image with Joliet and, beside them, UDF: the primary tree with 8.3
// names, the Joliet and UDF trees with the real names, all three sharing the files' data. The
// same tree and settings give the same bytes.
#pragma once

#include "image_platform.h"
#include "source_tree.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace iso_image {

struct VolumeSettings {
    // Cut to each descriptor's rules when written.
    std::u16string label;
    // Seconds since 1970 UTC: the volume's creation and modification time.
    std::int64_t time = 0;
    // Without it, the image is what Windows 95 reads, and it reads no file of 4 GiB.
    bool udf = true;
    // The largest extent of a file in the ISO 9660 trees (the last sector below 4 GiB) and in
    // UDF: a larger file takes several. Tests lower them to see several with small files.
    std::uint64_t isoExtent = 0xFFFFF800ull;
    std::uint32_t udfExtent = 0x3FFFF800u;
};

// The largest file the image holds with these settings.
std::uint64_t LargestFile(const VolumeSettings& settings);

// Told how many bytes of how many are written; returning false cancels.
using Progress = std::function<bool(std::uint64_t written, std::uint64_t total)>;

enum class WriteOutcome {
    kWritten,
    kCancelled,
    kCannotCreate,
    kCannotWrite,
    kCannotRead,
    kChanged
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::kWritten;
    // The file that could not be read or changed while it was read.
    image_platform::NativeString path;
};

// The image's size in bytes.
std::uint64_t ImageSize(const SourceTree& tree, const VolumeSettings& settings = {});

// The path of the first file whose data would end beyond the 2^32 sectors that ISO 9660
// numbers, if one would.
std::optional<std::u16string> BeyondSectorLimit(const SourceTree& tree,
                                                const VolumeSettings& settings = {});

// Writes the image of a tree without refusals. Anything but kWritten leaves no file at target.
WriteResult WriteImage(const SourceTree& tree, const VolumeSettings& settings,
                       const image_platform::NativeString& target, const Progress& progress);

} // namespace iso_image
