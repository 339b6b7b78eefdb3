// The starter settings on the real dialog: the check box that writes the starter into the
// virtual root and switches the two groups, and the test launch's question and failures.
#include "marlisk_fixture.h"
#include "preview_pixels.h"
#include "string_ids.h"
#include "string_resource.h"
#include "resource_ids.h"

#include <string>
#include <vector>

namespace {

constexpr int kStarterGroup[] = {
    IDC_STARTER_GROUP, IDC_HEADLINE_LABEL, IDC_QUESTION_TEXT_LABEL, IDC_STARTER_PROGRAM_LABEL,
    IDC_HEADLINE,      IDC_QUESTION_TEXT,  IDC_STARTER_PROGRAM,     IDC_BROWSE_STARTER_PROGRAM,
    IDC_TEST_STARTER};
constexpr int kAutoPlayRow[] = {IDC_AUTOPLAY_LABEL, IDC_AUTOPLAY_FILE, IDC_BROWSE_AUTOPLAY_FILE};

class StarterSettings : public MarliskFixture {
protected:
    std::string BuiltStarter() const { return FileContent(WinePath(ORBILAN_EXE)); }

    // Whether every control of the starter group is enabled as given and the AutoPlay row
    // the other way round.
    void ExpectStarterGroupEnabled(bool enabled) {
        for (int id : kStarterGroup)
            EXPECT_EQ(Enabled(id), enabled) << "control " << id;
        for (int id : kAutoPlayRow)
            EXPECT_EQ(Enabled(id), !enabled) << "control " << id;
    }
};

TEST_F(StarterSettings, CheckingWritesTheBuiltStarterAndFillsTheEmptyFields) {
    OpenDialog();
    Click(IDC_USE_STARTER);
    EXPECT_TRUE(Boxes().empty());
    const std::string written = ReadFile("Orbilan.EXE");
    ASSERT_FALSE(written.empty());
    EXPECT_TRUE(written == BuiltStarter()) << "Orbilan.EXE differs from the built starter";
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "Orbilan.EXE");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "0");
    EXPECT_EQ(FieldText(IDC_HEADLINE), "\xDC"
                                       "berschrift");
    EXPECT_EQ(FieldText(IDC_QUESTION_TEXT), "Soll Programm xy gestartet werden?");
    EXPECT_EQ(FieldText(IDC_STARTER_PROGRAM), "");
    ExpectStarterGroupEnabled(true);
    // The preview shows the starter's own icon: the green arrow over the disc.
    EXPECT_EQ(PixelAtMarker(Dialog().Handle(), 20, 22), RGB(0, 255, 0));
}

TEST_F(StarterSettings, FieldsTheUserBeganAreLeftAlone) {
    OpenDialog();
    WriteFile("eigen.ico", FileContent(WinePath(ORBILAN_EXE)));
    SetField(IDC_HEADLINE, "Mein Titel");
    SetField(IDC_ICON_FILE, "eigen.ico");
    SetField(IDC_ICON_NUMBER, "4");
    Click(IDC_USE_STARTER);
    EXPECT_EQ(FieldText(IDC_HEADLINE), "Mein Titel");
    EXPECT_EQ(FieldText(IDC_QUESTION_TEXT), "");
    EXPECT_EQ(FieldText(IDC_STARTER_PROGRAM), "");
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "eigen.ico");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "4");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
}

TEST_F(StarterSettings, AnExistingStarterFileIsNeverReplaced) {
    OpenDialog();
    WriteFile("Orbilan.EXE", "a starter of the user's own");
    Click(IDC_USE_STARTER);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ReadFile("Orbilan.EXE"), "a starter of the user's own");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
    ExpectStarterGroupEnabled(true);
}

TEST_F(StarterSettings, UncheckingUnlocksTheAutoPlayRowAndKeepsTheFile) {
    OpenDialog();
    Click(IDC_USE_STARTER);
    Click(IDC_USE_STARTER);
    EXPECT_FALSE(Checked(IDC_USE_STARTER));
    ExpectStarterGroupEnabled(false);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
    EXPECT_TRUE(ReadFile("Orbilan.EXE") == BuiltStarter());
}

struct UnwritableCase {
    const char* name;
    const char* inf;       // below the CD directory
    const char* directory; // made below the CD directory first, or nullptr
};

void PrintTo(const UnwritableCase& c, std::ostream* out) {
    *out << c.name;
}

class StarterNotWritable : public StarterSettings,
                           public testing::WithParamInterface<UnwritableCase> {};

TEST_P(StarterNotWritable, SaysSoAndLocksTheGroupWhileTheBoxStaysChecked) {
    const UnwritableCase& c = GetParam();
    if (c.directory != nullptr) {
        ASSERT_TRUE(CreateDirectoryA((CdDir() + c.directory).c_str(), nullptr));
    }
    OpenDialog(c.inf);
    ExpectBox(IDOK);
    Click(IDC_USE_STARTER);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Die Datei konnte nicht kopiert werden!");
    EXPECT_EQ(Boxes()[0].caption, "Fehler:");
    EXPECT_EQ(Boxes()[0].type, static_cast<unsigned>(MB_OK));
    EXPECT_EQ(Boxes()[0].owner, Dialog().Handle());
    EXPECT_TRUE(Checked(IDC_USE_STARTER));
    ExpectStarterGroupEnabled(false);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "");
    EXPECT_EQ(FieldText(IDC_HEADLINE), "");
}

// A root whose starter path does not fit a path buffer: cut to fit, the path would name
// another file ("Orbilan.E"), which must not be written.
TEST_F(StarterSettings, ARootTooLongForTheStartersPathGetsNoStarter) {
    const std::size_t rootLength = 250;
    const std::string directory(rootLength - 1 - CdDir().size(), 'd');
    ASSERT_TRUE(CreateDirectoryA((CdDir() + directory).c_str(), nullptr));
    OpenDialog(directory + "\\AutoRun.INF");
    ExpectBox(IDOK);
    Click(IDC_USE_STARTER);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, "Die Datei konnte nicht kopiert werden!");
    EXPECT_TRUE(Checked(IDC_USE_STARTER));
    EXPECT_FALSE(FileExists(directory + "\\Orbilan.E"));
    EXPECT_FALSE(FileExists(directory + "\\Orbilan.EXE"));
}

INSTANTIATE_TEST_SUITE_P(
    Roots, StarterNotWritable,
    testing::Values(UnwritableCase{"RootMissing", "fehlt\\AutoRun.INF", nullptr},
                    // A directory of the starter's name cannot be taken for the starter.
                    UnwritableCase{"DirectoryOfThatName", "AutoRun.INF", "Orbilan.EXE"}),
    CaseName());

class StarterTest : public StarterSettings {
protected:
    void SetUp() override {
        StarterSettings::SetUp();
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, directory);
        savedDirectory_ = directory;
        OpenDialog();
        SetField(IDC_HEADLINE, "Installieren");
        SetField(IDC_QUESTION_TEXT, "Soll Setup gestartet werden?");
    }
    void TearDown() override {
        SetCurrentDirectoryA(savedDirectory_.c_str());
        StarterSettings::TearDown();
    }
    std::string CurrentDirectory() const {
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, directory);
        std::string text = directory;
        if (!text.empty() && text.back() != '\\')
            text += '\\';
        return text;
    }
    void ExpectQuestion() {
        ASSERT_FALSE(Boxes().empty());
        EXPECT_EQ(Boxes()[0].text, "Soll Setup gestartet werden?");
        EXPECT_EQ(Boxes()[0].caption, "Installieren");
        EXPECT_EQ(Boxes()[0].type, static_cast<unsigned>(MB_YESNO));
        EXPECT_EQ(Boxes()[0].owner, nullptr);
    }

    std::string savedDirectory_;
};

TEST_F(StarterTest, AnsweredNoStartsNothingAndKeepsTheCurrentDirectory) {
    SetField(IDC_STARTER_PROGRAM, "fehlt.exe");
    const std::string before = CurrentDirectory();
    ExpectBox(IDNO);
    Click(IDC_TEST_STARTER);
    ExpectQuestion();
    // A launch would have reported the missing program.
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(CurrentDirectory(), before);
}

struct LaunchFailureCase {
    const char* name;
    const char* program;
    const char* file; // written into the root first, or nullptr
    unsigned reasonId;
};

void PrintTo(const LaunchFailureCase& c, std::ostream* out) {
    *out << c.name;
}

class StarterTestFailure : public StarterTest,
                           public testing::WithParamInterface<LaunchFailureCase> {};

TEST_P(StarterTestFailure, ReportsTheReasonWithTheStopSymbolFromTheRoot) {
    const LaunchFailureCase& c = GetParam();
    if (c.file != nullptr)
        WriteFile(c.file, "MZ? not really a program\r\n");
    SetField(IDC_STARTER_PROGRAM, c.program);
    ExpectBox(IDYES);
    ExpectBox(IDOK);
    Click(IDC_TEST_STARTER);
    ExpectQuestion();
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, "Das Programm kann nicht gestartet werden.");
    EXPECT_EQ(Boxes()[1].caption, LoadResourceString(c.reasonId));
    EXPECT_EQ(Boxes()[1].type, static_cast<unsigned>(MB_OK | MB_ICONHAND));
    EXPECT_EQ(Boxes()[1].owner, Dialog().Handle());
    // Resolved from the root, as the starter on the CD resolves it; and it stays there.
    EXPECT_EQ(CurrentDirectory(), CdDir());
}

INSTANTIATE_TEST_SUITE_P(Programs, StarterTestFailure,
                         testing::Values(LaunchFailureCase{"Missing", "fehlt.exe", nullptr,
                                                           IDS_LAUNCH_FILE_NOT_FOUND},
                                         LaunchFailureCase{"NotAProgram", "kaputt.exe /s",
                                                           "kaputt.exe", IDS_LAUNCH_BAD_FORMAT}),
                         CaseName());

} // namespace
