#include "media_fit.h"

#include "number_text.h"

namespace iso_image {

namespace {

constexpr bool InTheOrderOfTheMedia() {
    for (std::size_t index = 0; index < kMedia.size(); ++index) {
        if (kMedia[index].medium != static_cast<Medium>(index))
            return false;
    }
    return true;
}
// NamedCapacity finds a medium's row by its number.
static_assert(InTheOrderOfTheMedia(), "the table lists the media in the order of Medium");

const char* NameOf(Medium medium) {
    switch (medium) {
    case Medium::kCd650:
        return "eine CD mit 650 MB";
    case Medium::kCd700:
        return "eine CD mit 700 MB";
    case Medium::kDvd47:
        return "eine DVD mit 4,7 GB";
    case Medium::kDvd85:
        return "eine DVD mit 8,5 GB";
    case Medium::kBd25:
    case Medium::kNone:
        break;
    }
    return "eine BD mit 25 GB";
}

} // namespace

std::uint64_t SectorsOf(std::uint64_t bytes) {
    return bytes / kSectorBytes + (bytes % kSectorBytes != 0 ? 1 : 0);
}

Medium SmallestMediumFor(std::uint64_t sectors) {
    for (const MediumCapacity& capacity : kMedia) {
        if (sectors <= capacity.sectors)
            return capacity.medium;
    }
    return Medium::kNone;
}

const MediumCapacity& NamedCapacity(Medium fit) {
    return fit == Medium::kNone ? kMedia.back() : kMedia[static_cast<std::size_t>(fit)];
}

std::string MediumLine(std::uint64_t sectors) {
    const Medium medium = SmallestMediumFor(sectors);
    const MediumCapacity& shown = NamedCapacity(medium);
    const char* fits = medium == Medium::kNone ? " und passt nicht einmal auf " : " und passt auf ";
    return "Das Abbild belegt " + GroupedNumber(sectors) + " Sektoren zu 2.048 Bytes" + fits +
           NameOf(shown.medium) + " (" + GroupedNumber(shown.sectors) + " Sektoren).";
}

} // namespace iso_image
