// Any bytes as a file that an "Icon" value names: reading its icons must keep within the
// bytes and keep its promises: every group id is counted, the icons 0 to count - 1 are found
// and the next one is not, a group is found by its resource id, and -1 is never an icon.
#include "icon_container.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using cd_check::IconContainer;
    using cd_check::IconLookup;
    cd_check::ByteSource bytes(std::string(reinterpret_cast<const char*>(data), size));
    const IconContainer container = cd_check::ReadIconContainer(bytes);
    Require(container.groupIds.size() <= container.count, "every group id is counted");

    const bool numbered = container.kind == IconContainer::Kind::kIconFile ||
                          container.kind == IconContainer::Kind::kProgram;
    Require(!numbered || container.count > 0, "a file with numbered icons has one");
    if (numbered) {
        const int last = static_cast<int>(container.count) - 1;
        Require(cd_check::FindIcon(container, 0) == IconLookup::kFound, "icon 0 is found");
        Require(cd_check::FindIcon(container, last) == IconLookup::kFound, "the last is found");
        Require(cd_check::FindIcon(container, last + 1) == IconLookup::kNumberMissing,
                "none beyond the last");
        Require(cd_check::FindIcon(container, -1) == IconLookup::kNumberMissing, "-1 is no icon");
        for (const std::uint32_t id : container.groupIds)
            if (id > 1 && id <= 0x7FFFFFFF)
                Require(cd_check::FindIcon(container, -static_cast<int>(id)) == IconLookup::kFound,
                        "a group is found by its id");
    }
    return 0;
}
