// What an image of the CD directory holds, made once for quillot-image and for the editor's
// menu alike: the tree with what it cannot hold, and the volume's name and time.
#pragma once

#include "iso_writer.h"
#include "source_tree.h"

#include <optional>
#include <string>

namespace iso_image {

struct ImagePlan {
    SourceTree tree;
    VolumeSettings settings;
};

// Reads the tree below root. The volume is named label when one is given (the editor gives
// the one the user set, saved or not); otherwise the label of the AutoRun.INF in the root as
// Windows reads it; failing both, the directory's name. Its time is the newest file's: the
// same CD gives the same image. The image to be written at target is left out of the tree.
// Without udf, the image is what Windows 95 reads: a file of 4 GiB is refused.
ImagePlan PlanImage(const image_platform::NativeString& root,
                    const std::optional<std::u16string>& label,
                    const image_platform::NativeString& target, bool udf = true);

} // namespace iso_image
