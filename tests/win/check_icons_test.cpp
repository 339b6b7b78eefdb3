// quillot-check reads icons from the files' bytes; the shell's extractor must agree with it on
// the project's own programs and icon files: the same number of icons, and an icon for
// exactly the numbers the check accepts. The bytes come through both views of a CD's files:
// quillot-check's, and the editor's, which reads with the calls of Windows 95.
#include "check_platform.h"
#include "disk_cd_files.h"
#include "icon_container.h"
#include "win32_cd_files.h"

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

class ExtractorAgrees : public testing::TestWithParam<IconFileCase> {
protected:
    static const char* Path() { return GetParam().path; }
    static void ExpectAgreement(cd_check::ByteSource& bytes);
};

void ExtractorAgrees::ExpectAgreement(cd_check::ByteSource& bytes) {
    ASSERT_TRUE(bytes.IsOpen());
    const cd_check::IconContainer container = cd_check::ReadIconContainer(bytes);
    const UINT count =
        static_cast<UINT>(reinterpret_cast<UINT_PTR>(ExtractIconA(nullptr, Path(), ~0u)));
    EXPECT_EQ(count, container.count);
    for (int number = -40; number <= 5; ++number) {
        if (number == -1)
            continue;
        HICON icon = ExtractIconA(nullptr, Path(), static_cast<UINT>(number));
        const bool extracted = icon != nullptr && icon != reinterpret_cast<HICON>(1);
        if (extracted)
            DestroyIcon(icon);
        EXPECT_EQ(extracted, cd_check::FindIcon(container, number) == cd_check::IconLookup::kFound)
            << number;
    }
}

// Numbers from -40 to 5 cover the groups by position and the resource ids 10, 20 and 30.
TEST_P(ExtractorAgrees, OnEveryNumberReadFromDisk) {
    const std::filesystem::path file(GetParam().path);
    const cd_check::DiskCdFiles files(file.parent_path());
    cd_check::ByteSource bytes(files.Open({check_platform::KeyOf(file.filename())}));
    ExpectAgreement(bytes);
}

TEST_P(ExtractorAgrees, OnEveryNumberReadByTheEditor) {
    const std::string file(GetParam().path);
    const std::size_t separator = file.find_last_of("\\/");
    const Win32CdFiles files(file.substr(0, separator));
    cd_check::ByteSource bytes(files.Open({file.substr(separator + 1)}));
    ExpectAgreement(bytes);
}

INSTANTIATE_TEST_SUITE_P(ProjectFiles, ExtractorAgrees,
                         testing::Values(IconFileCase{"ThreeIcons", THREE_ICONS_EXE},
                                         IconFileCase{"Starter", ORBILAN_EXE},
                                         IconFileCase{"Editor", QUILLOT_EXE},
                                         IconFileCase{"SeveralSizes", SEVERAL_ICO}));

} // namespace
