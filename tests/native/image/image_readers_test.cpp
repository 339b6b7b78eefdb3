// Images of generated trees as independent readers see them: xorriso, isoinfo (genisoimage) and
// bsdtar (libarchive) read the ISO 9660 side, 7z (p7zip) and udfinfo (udftools) the UDF side;
// every file comes back with its real name and bytes, the primary names are 8.3, the volume's
// names are as set, and two runs give the same bytes.
#include "image_command.h"
#include "image_plan.h"
#include "image_trees.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <set>
#include <sstream>

namespace {

// The readers print names in UTF-8 only in a UTF-8 locale.
const std::string kLocale = "LC_ALL=C.UTF-8 ";

std::set<std::string> KeysOf(const std::map<std::string, std::string>& files) {
    std::set<std::string> keys;
    for (const auto& file : files)
        keys.insert(file.first);
    return keys;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct TreeCase {
    const char* name;
    // The CD directory's own name: the volume's name when nothing else gives one.
    std::string root;
    std::vector<TreeFile> files;
    std::vector<std::string> emptyDirectories;
    std::vector<std::string> labelArguments;
    std::string primaryVolume;
    // UTF-8.
    std::string jolietVolume;
    std::string udfVolume;
};

std::vector<TreeFile> WideTree() {
    std::vector<TreeFile> files;
    for (int number = 0; number < 300; ++number)
        files.push_back({"Dokument Nummer " + std::to_string(number) + ".txt",
                         std::string(static_cast<std::size_t>(number) * 37, 'w')});
    for (int number = 0; number < 40; ++number)
        files.push_back({"Ordner " + std::to_string(number) + "/inhalt.txt", "i"});
    return files;
}

std::vector<TreeFile> DeepTree() {
    std::string path;
    std::vector<TreeFile> files;
    for (int level = 1; level <= 7; ++level) {
        path += "Stufe " + std::to_string(level) + "/";
        files.push_back({path + "datei.txt", std::string(2049, static_cast<char>('0' + level))});
    }
    // 127 characters: the longest path the image holds.
    files.push_back({"x/" + std::string(60, 'l') + "/" + std::string(60, 'm') + ".txt", "m"});
    return files;
}

std::string Random(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<char>(seed >> 16);
    }
    return bytes;
}

const TreeCase kTrees[] = {
    {"mixed",
     "gemischt",
     {{"AutoRun.INF", "[AutoRun]\r\nopen=setup.exe\r\nlabel=M\344rchen und Sagen 2026\r\n"},
      {"README.TXT", "upper"},
      {"Readme (alt).txt", "lower"},
      {"leer.dat", ""},
      {"Gr\xC3\xB6\xC3\x9F"
       "e \xC3\xBC"
       "ber \xE2\x82\xAC.txt",
       Random(2047, 1)},
      {"caf\xE9.txt", Random(2048, 2)},
      {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E/\xE5\x86\x99\xE7\x9C\x9F.jpg", Random(2049, 3)},
      {"Emoji \xF0\x9F\x98\x80.txt", "smile"},
      // 64 units: the character beyond the BMP as its two.
      {std::string(62, 'e') + "\xF0\x9F\x98\x80", "full"},
      {std::string(60, 'a') + ".txt", Random(1u << 20, 4)},
      {"archiv.tar.gz", Random(3000000, 5)},
      {"Setup Dateien/Teil 1/leer", ""}},
     {"Leerer Ordner"},
     {},
     "M_RCHEN_UND_SAGEN_2026",
     "M\xC3\xA4rchen und Sage",
     "M\xC3\xA4rchen und Sagen 2026"},
    {"wide",
     "Breite Sammlung",
     WideTree(),
     {},
     {},
     "BREITE_SAMMLUNG",
     "Breite Sammlung",
     "Breite Sammlung"},
    {"deep",
     "tief",
     DeepTree(),
     {},
     {"--label", "Tiefe \xE2\x82\xAC"
                 "CD"},
     "TIEFE__CD",
     "Tiefe \xE2\x82\xAC"
     "CD",
     "Tiefe \xE2\x82\xAC"
     "CD"},
    {"empty", "leer", {}, {"a/b/c"}, {}, "LEER", "leer", "leer"},
};

void PrintTo(const TreeCase& tree, std::ostream* out) {
    *out << tree.name;
}

class ImageReaders : public testing::TestWithParam<TreeCase> {
protected:
    void SetUp() override {
        const TreeCase& tree = GetParam();
        cd_ = temp_.PathOf(tree.root);
        MakeTree(cd_, tree.files, tree.emptyDirectories);
        std::vector<std::string> arguments = tree.labelArguments;
        arguments.push_back(cd_);
        arguments.push_back(iso_);
        const iso_image::CommandResult result = iso_image::RunImageCommand(arguments, false);
        ASSERT_EQ(result.exitCode, 0) << result.output << result.error;
        source_ = ReadTree(cd_);
    }

    ToolRun Read(const std::string& command) {
        const ToolRun run = RunTool(kLocale + command);
        EXPECT_EQ(run.status, 0) << command << "\n" << run.output;
        return run;
    }

    void ExpectExtracted(const std::string& command, const std::string& out) {
        Read(command);
        const std::map<std::string, std::string> extracted = ReadTree(out);
        EXPECT_EQ(KeysOf(extracted), KeysOf(source_)) << command;
        EXPECT_TRUE(extracted == source_) << command << ": the bytes differ";
    }

    TempDir temp_;
    std::string cd_;
    std::string iso_ = temp_.PathOf("cd.iso");
    std::map<std::string, std::string> source_;
};

TEST_P(ImageReaders, XorrisoFindsEveryFileAndDirectory) {
    std::set<std::string> files;
    for (const std::string& line :
         Lines(Read("xorriso -indev " + Quoted(iso_) + " -find / -type f").output)) {
        if (line.size() > 3 && line.front() == '\'' && line.back() == '\'')
            files.insert(line.substr(2, line.size() - 3));
    }
    EXPECT_EQ(files, KeysOf(source_));
    const std::string info = Read("xorriso -indev " + Quoted(iso_) + " -pvd_info").output;
    EXPECT_NE(info.find("Volume Id    : " + GetParam().primaryVolume + "\n"), std::string::npos)
        << info;
}

TEST_P(ImageReaders, IsoinfoReadsBothTreesAndVolumeNames) {
    const std::string info = Read("isoinfo -d -i " + Quoted(iso_)).output;
    EXPECT_NE(info.find("Volume id: " + GetParam().primaryVolume + "\n"), std::string::npos)
        << info;
    EXPECT_NE(info.find("Joliet with UCS level 3 found"), std::string::npos);

    // The primary tree: every name 8.3 of d-characters, every entry there.
    const std::regex record(".*\\]  (.*) $");
    const std::regex fileName("[A-Z0-9_]{1,8}\\.[A-Z0-9_]{0,3};1");
    const std::regex directoryName("[A-Z0-9_]{1,8}");
    std::size_t entries = 0;
    for (const std::string& line : Lines(Read("isoinfo -l -i " + Quoted(iso_)).output)) {
        std::smatch match;
        if (!std::regex_match(line, match, record) || match[1] == "." || match[1] == "..")
            continue;
        ++entries;
        const bool directory = line.front() == 'd';
        EXPECT_TRUE(std::regex_match(match[1].str(), directory ? directoryName : fileName)) << line;
    }
    EXPECT_EQ(entries, source_.size() + DirectoriesOf(cd_).size());

    // Joliet: this isoinfo converts names only to single-byte code pages; the ASCII names are
    // there as they are.
    const std::string joliet = Read("isoinfo -l -J -i " + Quoted(iso_)).output;
    for (const auto& file : source_) {
        const std::string name = file.first.substr(file.first.rfind('/') + 1);
        if (std::all_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            EXPECT_NE(joliet.find("]  " + name + " \n"), std::string::npos) << name;
        }
    }
}

// 7z prefers the UDF side when there is one.
TEST_P(ImageReaders, SevenZipListsAndExtractsEveryFileFromUdf) {
    std::set<std::string> listed;
    bool entries = false;
    const std::string listing = Read("7z l -slt " + Quoted(iso_)).output;
    EXPECT_NE(listing.find("\nType = Udf\n"), std::string::npos) << listing;
    for (const std::string& line : Lines(listing)) {
        entries = entries || line.rfind("----------", 0) == 0;
        if (entries && line.rfind("Path = ", 0) == 0)
            listed.insert(line.substr(7));
    }
    std::set<std::string> expected = KeysOf(source_);
    for (const std::string& directory : DirectoriesOf(cd_))
        expected.insert(directory);
    EXPECT_EQ(listed, expected);
    ExpectExtracted("7z x -y -o" + Quoted(temp_.PathOf("7z")) + " " + Quoted(iso_),
                    temp_.PathOf("7z"));
}

TEST_P(ImageReaders, UdfinfoNamesTheVolumeAndCountsItsFiles) {
    const std::string info = Read("udfinfo " + Quoted(iso_)).output;
    EXPECT_NE(info.find("\nlabel=" + GetParam().udfVolume + "\n"), std::string::npos) << info;
    EXPECT_NE(info.find("\nnumfiles=" + std::to_string(source_.size()) + "\n"), std::string::npos)
        << info;
    // The root counts.
    EXPECT_NE(info.find("\nnumdirs=" + std::to_string(DirectoriesOf(cd_).size() + 1) + "\n"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("\nudfrev=1.02\n"), std::string::npos) << info;
}

TEST_P(ImageReaders, BsdtarExtractsEveryFileWithItsBytes) {
    RunTool("mkdir " + Quoted(temp_.PathOf("tar")));
    ExpectExtracted("bsdtar -xf " + Quoted(iso_) + " -C " + Quoted(temp_.PathOf("tar")),
                    temp_.PathOf("tar"));
}

TEST_P(ImageReaders, JolietVolumeNameAsSet) {
    // blkid shows the Joliet name, continued by the primary one's rest when it is 16 long.
    const std::string label = Read("blkid -p -o value -s LABEL " + Quoted(iso_)).output;
    EXPECT_EQ(label.rfind(GetParam().jolietVolume, 0), 0u) << label;
}

TEST_P(ImageReaders, SameDirectorySameBytes) {
    const std::string second = temp_.PathOf("second.iso");
    std::vector<std::string> arguments = GetParam().labelArguments;
    arguments.push_back(cd_);
    arguments.push_back(second);
    ASSERT_EQ(iso_image::RunImageCommand(arguments, false).exitCode, 0);
    EXPECT_TRUE(ReadBytes(iso_) == ReadBytes(second));
}

INSTANTIATE_TEST_SUITE_P(Trees, ImageReaders, testing::ValuesIn(kTrees),
                         [](const testing::TestParamInfo<TreeCase>& tree) {
                             return std::string(tree.param.name);
                         });

TEST(ImageTimes, VolumeTimeFromNewestFileOrSourceDateEpoch) {
    TempDir temp;
    const std::string cd = temp.PathOf("cd");
    MakeTree(cd, {{"alt.txt", "a"}, {"neu.txt", "n"}});
    SetTime(cd + "/neu.txt", 1800000000); // 2027-01-15 08:00:00 UTC
    const std::string iso = temp.PathOf("cd.iso");
    ASSERT_EQ(iso_image::RunImageCommand({cd, iso}, false).exitCode, 0);
    std::string info = RunTool(kLocale + "xorriso -indev " + Quoted(iso) + " -pvd_info").output;
    EXPECT_NE(info.find("Creation Time: 2027011508000000"), std::string::npos) << info;
    const std::string listing = RunTool(kLocale + "isoinfo -l -i " + Quoted(iso)).output;
    EXPECT_NE(listing.find("Jan 15 2027 ["), std::string::npos) << listing;
    EXPECT_NE(listing.find("Nov 14 2023 ["), std::string::npos) << listing;

    setenv("SOURCE_DATE_EPOCH", "946684800", 1);
    ASSERT_EQ(iso_image::RunImageCommand({cd, iso}, false).exitCode, 0);
    unsetenv("SOURCE_DATE_EPOCH");
    info = RunTool(kLocale + "xorriso -indev " + Quoted(iso) + " -pvd_info").output;
    EXPECT_NE(info.find("Creation Time: 2000010100000000"), std::string::npos) << info;
}

TEST(ImageTimes, DirectoriesTimesDoNotCount) {
    TempDir temp;
    const std::string cd = temp.PathOf("cd");
    MakeTree(cd, {{"sub/a.txt", "a"}}, {"leer"});
    const std::string first = temp.PathOf("first.iso");
    const std::string second = temp.PathOf("second.iso");
    ASSERT_EQ(iso_image::RunImageCommand({cd, first}, false).exitCode, 0);
    // As a file made and removed again leaves them.
    SetTime(cd + "/sub", 1900000000);
    SetTime(cd + "/leer", 1900000000);
    ASSERT_EQ(iso_image::RunImageCommand({cd, second}, false).exitCode, 0);
    EXPECT_TRUE(ReadBytes(first) == ReadBytes(second));
}

} // namespace

namespace {

// A file beyond one extent, with the extents lowered so that small files show it: the ISO 9660
// trees record it in consecutive records, all but the last flagged, and UDF's file entry in
// several allocation descriptors; each side's reader gives the file back whole.
TEST(ImageExtents, FileInSeveralExtentsReadsWhole) {
    TempDir temp;
    const std::string cd = temp.PathOf("teile");
    const std::string big = Random(4 * 4096 + 5, 7);
    MakeTree(cd, {{"gross.bin", big}, {"genau.bin", Random(8192, 8)}, {"klein.txt", "k"}});
    const std::string iso = temp.PathOf("teile.iso");
    iso_image::ImagePlan plan = iso_image::PlanImage(cd, std::nullopt, iso);
    ASSERT_TRUE(plan.tree.refusals.empty());
    plan.settings.isoExtent = 8192;
    plan.settings.udfExtent = 4096;
    ASSERT_EQ(iso_image::WriteImage(plan.tree, plan.settings, iso, {}).outcome,
              iso_image::WriteOutcome::kWritten);

    // Size, extent and flags of each record of GROSS.BIN, in the order of the directory.
    std::vector<std::string> records;
    // isoinfo shows the flag byte sign-extended and cut: "FFFF" for the multi-extent flag 0x80.
    const std::regex record(" +([0-9]+) [A-Z][a-z]{2} +[0-9]+ [0-9]{4} \\[ *([0-9]+) "
                            "(00\\] |FFFF) GROSS\\.BIN;1 ");
    const std::string listing = RunTool("isoinfo -l -i " + Quoted(iso)).output;
    for (const std::string& line : Lines(listing)) {
        std::smatch match;
        if (std::regex_search(line, match, record))
            records.push_back(match[1].str() + "@" + match[2].str() + "/" + match[3].str());
    }
    ASSERT_EQ(records.size(), 3u) << listing;
    const auto extentOf = [&](std::size_t index) {
        const std::string& text = records[index];
        return std::stoul(text.substr(text.find('@') + 1));
    };
    EXPECT_EQ(records[0].substr(0, records[0].find('@')), "8192");
    EXPECT_EQ(records[2].substr(0, records[2].find('@')), "5");
    EXPECT_EQ(extentOf(1), extentOf(0) + 4);
    EXPECT_EQ(extentOf(2), extentOf(1) + 4);
    EXPECT_EQ(records[1].substr(records[1].find('/')), "/FFFF");
    EXPECT_EQ(records[2].substr(records[2].find('/')), "/00] ");

    EXPECT_EQ(RunTool("bsdtar -xOf " + Quoted(iso) + " gross.bin").output, big);
    const ToolRun udf = RunTool("7z x -so " + Quoted(iso) + " gross.bin");
    EXPECT_EQ(udf.status, 0);
    EXPECT_TRUE(udf.output == big) << "7z gave " << udf.output.size() << " bytes";
    EXPECT_NE(RunTool("7z l -slt " + Quoted(iso)).output.find("\nType = Udf\n"), std::string::npos);
    EXPECT_EQ(RunTool("xorriso -indev " + Quoted(iso) + " -find / -type f").status, 0);
}

TEST(ImageExtents, WithoutUdfTheImageIsIsoAlone) {
    TempDir temp;
    const std::string cd = temp.PathOf("alt");
    MakeTree(cd, {{"a.txt", "a"}});
    const std::string iso = temp.PathOf("alt.iso");
    ASSERT_EQ(iso_image::RunImageCommand({"--no-udf", cd, iso}, false).exitCode, 0);
    EXPECT_NE(RunTool("7z l -slt " + Quoted(iso)).output.find("\nType = Iso\n"), std::string::npos);
    EXPECT_NE(RunTool("udfinfo " + Quoted(iso)).status, 0);
    EXPECT_EQ(RunTool("bsdtar -xOf " + Quoted(iso) + " a.txt").output, "a");
}

// The longer run (QUILLOT_IMAGE_LONG=1): a sparse file of 5 GiB with data at its end, read back
// whole by every reader, each extraction streamed into a hash; a second run gives the same
// bytes.
TEST(ImageLongRun, FiveGibibyteFile) {
    if (std::getenv("QUILLOT_IMAGE_LONG") == nullptr)
        GTEST_SKIP() << "set QUILLOT_IMAGE_LONG=1 for the run with a 5 GiB file";
    TempDir temp;
    const std::string cd = temp.PathOf("gross");
    MakeTree(cd, {{"klein.txt", "k"}});
    const std::string big = cd + "/f\xC3\xBCnf Gigabyte.bin";
    ASSERT_EQ(RunTool("truncate -s 5G " + Quoted(big) + " && printf Ende >> " + Quoted(big)).status,
              0);
    const std::string hash = RunTool("sha256sum < " + Quoted(big)).output;
    const std::string iso = temp.PathOf("gross.iso");
    ASSERT_EQ(iso_image::RunImageCommand({"--label", "Gross", cd, iso}, false).exitCode, 0);

    const std::string name = Quoted("f\xC3\xBCnf Gigabyte.bin");
    const std::string listing = RunTool(kLocale + "7z l -slt " + Quoted(iso)).output;
    EXPECT_NE(listing.find("\nType = Udf\n"), std::string::npos) << listing;
    EXPECT_NE(listing.find("\nSize = 5368709124\n"), std::string::npos) << listing;
    EXPECT_EQ(RunTool(kLocale + "7z x -so " + Quoted(iso) + " " + name + " | sha256sum").output,
              hash);
    EXPECT_EQ(RunTool(kLocale + "bsdtar -xOf " + Quoted(iso) + " " + name + " | sha256sum").output,
              hash);
    const std::string info = RunTool("udfinfo " + Quoted(iso)).output;
    EXPECT_NE(info.find("\nlabel=Gross\nuuid="), std::string::npos) << info;
    EXPECT_NE(info.find("\nnumfiles=2\n"), std::string::npos) << info;
    // Two records: 4 GiB less a sector, and the rest.
    const std::string extents = RunTool("isoinfo -l -i " + Quoted(iso)).output;
    EXPECT_NE(extents.find(" 4294965248 "), std::string::npos) << extents;
    EXPECT_NE(extents.find(" 1073743876 "), std::string::npos) << extents;

    const std::string first = RunTool("sha256sum < " + Quoted(iso)).output;
    ASSERT_EQ(iso_image::RunImageCommand({"--label", "Gross", cd, iso}, false).exitCode, 0);
    EXPECT_EQ(RunTool("sha256sum < " + Quoted(iso)).output, first);
}

} // namespace
