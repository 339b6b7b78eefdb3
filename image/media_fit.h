// Which of the common writable media an image fits, counted as the burners count: in sectors
// of 2,048 bytes. One table for quillot-image and the editor alike.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace iso_image {

constexpr std::uint64_t kSectorBytes = 2048;

// In the order of their capacity; kNone is beyond the largest.
enum class Medium { kCd650, kCd700, kDvd47, kDvd85, kBd25, kNone };

struct MediumCapacity {
    Medium medium;
    std::uint64_t sectors;
};

constexpr std::array<MediumCapacity, 5> kMedia = {{
    {Medium::kCd650, 333000},
    {Medium::kCd700, 360000},
    {Medium::kDvd47, 2295104},
    {Medium::kDvd85, 4173824},
    {Medium::kBd25, 12219392},
}};

// The sectors an image of that many bytes takes; a part of one takes a whole.
std::uint64_t SectorsOf(std::uint64_t bytes);

// The smallest medium that holds that many sectors; kNone when none of them does.
Medium SmallestMediumFor(std::uint64_t sectors);

// The medium a text about the fit names: the one the image fits, or the largest when none.
const MediumCapacity& NamedCapacity(Medium fit);

// quillot-image's line about it, in UTF-8, without the line's end.
std::string MediumLine(std::uint64_t sectors);

} // namespace iso_image
