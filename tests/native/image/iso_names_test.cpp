// The names on the CD: 8.3 names with their clashes, what Joliet refuses, the volume's names
// and the label the plan gives them.
#include "iso_names.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

using iso_image::AssignShortNames;
using iso_image::NameRequest;

namespace {

std::vector<std::string> Identifiers(const std::vector<NameRequest>& requests) {
    std::vector<std::string> identifiers;
    const auto names = AssignShortNames(requests);
    for (std::size_t index = 0; index < names.size(); ++index)
        identifiers.push_back(names[index].Identifier(requests[index].directory));
    return identifiers;
}

NameRequest File(const std::u16string& name) {
    return NameRequest{name, false};
}
NameRequest Directory(const std::u16string& name) {
    return NameRequest{name, true};
}

struct ShortNameRow {
    std::vector<NameRequest> names;
    std::vector<std::string> expected;
};

TEST(ShortNames, MapsEachDirectoryDeterministically) {
    const ShortNameRow rows[] = {
        {{File(u"README.TXT")}, {"README.TXT;1"}},
        {{File(u"readme.txt")}, {"README.TXT;1"}},
        // The name that is 8.3 already keeps it, whichever comes first.
        {{File(u"README.TXT"), File(u"readme.txt")}, {"README.TXT;1", "README_1.TXT;1"}},
        {{File(u"readme.txt"), File(u"README.TXT")}, {"README_1.TXT;1", "README.TXT;1"}},
        {{File(u"Handbuch f\u00fcr Anwender.pdf")}, {"HANDBUCH.PDF;1"}},
        {{File(u"Makefile")}, {"MAKEFILE.;1"}},
        {{File(u"archive.tar.gz")}, {"ARCHIVE_.GZ;1"}},
        {{File(u".hidden")}, {"_.HID;1"}},
        {{File(u"\u65e5\u672c.txt")}, {"__.TXT;1"}},
        {{File(u"\U0001F600.txt")}, {"_.TXT;1"}},
        {{Directory(u"Setup Dateien")}, {"SETUP_DA"}},
        {{Directory(u"v1.2")}, {"V1_2"}},
        // Files and directories share the names of a directory.
        {{File(u"FOO"), Directory(u"foo")}, {"FOO.;1", "FOO_1"}},
        {{File(u"Dokument 2.txt"), File(u"Dokument 1.txt")}, {"DOKUME_1.TXT;1", "DOKUMENT.TXT;1"}},
    };
    for (const ShortNameRow& row : rows)
        EXPECT_EQ(Identifiers(row.names), row.expected) << row.expected.front();
}

TEST(ShortNames, ManyClashesStayUniqueAndValid) {
    std::vector<NameRequest> requests;
    for (int number = 0; number < 1200; ++number) {
        std::string name = "Bericht vom Tag " + std::to_string(number) + ".text";
        requests.push_back(File(std::u16string(name.begin(), name.end())));
    }
    requests.push_back(File(u"BERICH_1.TEX"));
    const std::vector<std::string> identifiers = Identifiers(requests);
    const std::set<std::string> unique(identifiers.begin(), identifiers.end());
    EXPECT_EQ(unique.size(), identifiers.size());
    const std::regex shortName("[A-Z0-9_]{1,8}\\.[A-Z0-9_]{0,3};1");
    for (const std::string& identifier : identifiers)
        EXPECT_TRUE(std::regex_match(identifier, shortName)) << identifier;
    EXPECT_EQ(identifiers.front(), "BERICHT_.TEX;1");
    EXPECT_EQ(identifiers.back(), "BERICH_1.TEX;1");
    EXPECT_EQ(unique.count("BER_1199.TEX;1"), 1u);
}

TEST(JolietNames, RefusesLongNamesAndForbiddenCharacters) {
    using iso_image::RefusalKind;
    const struct {
        std::u16string name;
        std::optional<RefusalKind> expected;
    } rows[] = {
        {std::u16string(64, u'x'), std::nullopt},
        {std::u16string(65, u'x'), RefusalKind::kNameTooLong},
        // A character beyond the BMP takes two of the 64 units.
        {std::u16string(62, u'x') + u"\U0001F600", std::nullopt},
        {std::u16string(63, u'x') + u"\U0001F600", RefusalKind::kNameTooLong},
        {u"\u00c4rger \u00fcber \u65e5\u672c.txt", std::nullopt},
        {u"a:b", RefusalKind::kForbiddenCharacter},
        {u"a*b", RefusalKind::kForbiddenCharacter},
        {u"a?b", RefusalKind::kForbiddenCharacter},
        {u"a;1", RefusalKind::kForbiddenCharacter},
        {u"a\\b", RefusalKind::kForbiddenCharacter},
        {u"tab\there", RefusalKind::kForbiddenCharacter},
    };
    for (const auto& row : rows)
        EXPECT_EQ(iso_image::JolietNameProblem(row.name), row.expected) << row.name.size();
}

TEST(VolumeNames, CutToEachDescriptor) {
    EXPECT_EQ(iso_image::PrimaryVolumeName(u"M\u00e4rchen CD"), "M_RCHEN_CD");
    EXPECT_EQ(iso_image::PrimaryVolumeName(std::u16string(40, u'a')), std::string(32, 'A'));
    EXPECT_EQ(iso_image::JolietVolumeName(u"M\u00e4rchen CD"), u"M\u00e4rchen CD");
    EXPECT_EQ(iso_image::JolietVolumeName(u"Eine sehr lange Bezeichnung"), u"Eine sehr lange ");
    // A pair of surrogates is not split at the 16th unit.
    EXPECT_EQ(iso_image::JolietVolumeName(std::u16string(15, u'a') + u"\U0001F600"),
              std::u16string(15, u'a'));
    EXPECT_EQ(iso_image::JolietVolumeName(u"A:B"), u"A_B");
}

} // namespace
