// The CD's name as its AutoRun.INF gives it: "label" in [AutoRun], read as Windows reads it.
#pragma once

#include "source_tree.h"

#include <string>
#include <string_view>

namespace iso_image {

// The first "label" of the first [AutoRun] section of the file's bytes (code page 1252, or
// UTF-16 with its byte-order mark), without surrounding quotes; empty when there is none.
std::u16string LabelOfInf(std::string_view bytes);

// The label of the AutoRun.INF in the tree's root (its name in any case); empty when there is
// no such file or it names no label.
std::u16string LabelOfTree(const SourceTree& tree);

} // namespace iso_image
