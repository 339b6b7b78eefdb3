// The file the editor proposes for the CD's image: its name from the CD's name or directory,
// and the directory above the CD directory it goes into.
#include "cd_image_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct NameCase {
    const char* name;
    std::string label;
    const char* directory;
    std::string proposed;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name;
}

class ProposedName : public testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, IsAFileNameWindowsAccepts) {
    const NameCase& c = GetParam();
    EXPECT_EQ(cd_image::ProposedFileName(c.label, c.directory), c.proposed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposedName,
    testing::Values(NameCase{"LabelAsItIs", "Meine CD 2026", "cd", "Meine CD 2026.iso"},
                    NameCase{"ForbiddenCharactersReplaced", "A:B/C\\D*E?F\"G<H>I|J\tK", "cd",
                             "A_B_C_D_E_F_G_H_I_J_K.iso"},
                    NameCase{"Cp1252Kept",
                             "Gr\xF6\xDF"
                             "e \x80",
                             "cd",
                             "Gr\xF6\xDF"
                             "e \x80.iso"},
                    NameCase{"TrailingDotsAndBlanksGo", "  Demo. . ", "cd", "Demo.iso"},
                    NameCase{"NoLabelGivesTheDirectory", "", "Spiele-CD", "Spiele-CD.iso"},
                    NameCase{"BlankLabelGivesTheDirectory", "   ", "Spiele-CD", "Spiele-CD.iso"},
                    NameCase{"NeitherGivesCd", "...", "", "CD.iso"},
                    NameCase{"CutToJolietLength", std::string(70, 'x'), "cd",
                             std::string(64, 'x') + ".iso"}),
    [](const testing::TestParamInfo<NameCase>& row) { return row.param.name; });

struct PlaceCase {
    const char* name;
    const char* root;
    const char* parent;
    const char* directory;
};

void PrintTo(const PlaceCase& c, std::ostream* out) {
    *out << c.name;
}

class RootPlace : public testing::TestWithParam<PlaceCase> {};

TEST_P(RootPlace, IsTheDirectoryAboveTheCd) {
    const PlaceCase& c = GetParam();
    const cd_image::RootPlace place = cd_image::PlaceOf(c.root);
    EXPECT_EQ(place.parent, c.parent);
    EXPECT_EQ(place.name, c.directory);
}

INSTANTIATE_TEST_SUITE_P(
    Places, RootPlace,
    testing::Values(
        PlaceCase{"WithBackslash", "C:\\Projekte\\Meine CD\\", "C:\\Projekte\\", "Meine CD"},
        PlaceCase{"WithoutBackslash", "C:\\cd", "C:\\", "cd"},
        PlaceCase{"DriveRootHasNothingAbove", "O:\\", "", ""},
        PlaceCase{"ShareRootHasNothingAbove", "\\\\server\\cds\\", "", ""},
        PlaceCase{"DirectoryOnAShare", "\\\\server\\cds\\demo\\", "\\\\server\\cds\\", "demo"}),
    [](const testing::TestParamInfo<PlaceCase>& row) { return row.param.name; });

} // namespace
