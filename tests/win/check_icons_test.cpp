// quillot-check reads icons from the files' bytes; the shell's extractor must agree with it on
// the project's own programs and icon files: the same number of icons, and an icon for
// exactly the numbers the check accepts.
#include "icon_container.h"

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct IconFileCase {
    const char* name;
    const char* path;
};

void PrintTo(const IconFileCase& c, std::ostream* out) {
    *out << c.name;
}

class ExtractorAgrees : public testing::TestWithParam<IconFileCase> {};

// Numbers from -40 to 5 cover the groups by position and the resource ids 10, 20 and 30.
TEST_P(ExtractorAgrees, OnEveryNumber) {
    cd_check::ByteSource bytes{std::filesystem::path(GetParam().path)};
    const cd_check::IconContainer container = cd_check::ReadIconContainer(bytes);
    const UINT count =
        static_cast<UINT>(reinterpret_cast<UINT_PTR>(ExtractIconA(nullptr, GetParam().path, ~0u)));
    EXPECT_EQ(count, container.count);
    for (int number = -40; number <= 5; ++number) {
        if (number == -1)
            continue;
        HICON icon = ExtractIconA(nullptr, GetParam().path, static_cast<UINT>(number));
        const bool extracted = icon != nullptr && icon != reinterpret_cast<HICON>(1);
        if (extracted)
            DestroyIcon(icon);
        EXPECT_EQ(extracted, cd_check::FindIcon(container, number) == cd_check::IconLookup::kFound)
            << number;
    }
}

INSTANTIATE_TEST_SUITE_P(ProjectFiles, ExtractorAgrees,
                         testing::Values(IconFileCase{"ThreeIcons", THREE_ICONS_EXE},
                                         IconFileCase{"Starter", ORBILAN_EXE},
                                         IconFileCase{"Editor", QUILLOT_EXE},
                                         IconFileCase{"SeveralSizes", SEVERAL_ICO}));

} // namespace
