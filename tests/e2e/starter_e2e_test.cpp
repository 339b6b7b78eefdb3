// The real starter, run from a CD drive under Wine: its question, its launch from the CD's
// root and its failure messages, seen and answered as a user would.
#include "driver/cd_drive.h"
#include "driver/message_box.h"
#include "driver/test_process.h"
#include "driver/windows_of.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const std::string kStarter = WindowsPathOf(ORBILAN_EXE);
const std::string kMarker = WindowsPathOf(MARKER_EXE);

std::string OrbilanSection(const std::string& headline, const std::string& text,
                           const std::string& exec) {
    return "[AutoRun]\r\nOpen=tools\\Orbilan.EXE\r\n\r\n[Orbilan]\r\nHeadline=" + headline +
           "\r\nText=" + text + "\r\nExec=" + exec + "\r\n";
}

// Names the instances of a parameterised test after their case.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& c) const {
        return c.param.name;
    }
};

class StarterOnCd : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CdDriveMapped()) << "drive " << CdRoot() << " is not mapped; the tests run "
                                     << "through scripts/test.sh";
        ClearCd();
        ASSERT_TRUE(CopyToCd(kStarter, "tools\\Orbilan.EXE"));
    }
    void TearDown() override {
        starter_.reset();
        ClearCd();
    }

    // Starts the starter from the CD, with the test's own directory as the current one, and
    // returns its first window, which must be a message box.
    HWND StartAndWaitForBox() {
        starter_ = std::make_unique<TestProcess>(CdRoot() + "tools\\Orbilan.EXE");
        EXPECT_TRUE(starter_->started());
        return NextBox();
    }

    HWND NextBox() {
        HWND box = WaitForWindowOf(starter_->id());
        EXPECT_NE(box, nullptr) << "the starter showed no window";
        if (box != nullptr) {
            EXPECT_TRUE(IsMessageBox(box)) << "unexpected " << DescribeWindowsOf(starter_->id());
        }
        return box != nullptr && IsMessageBox(box) ? box : nullptr;
    }

    // Answers the box and expects the starter to end with exit code 0 and no further window.
    void AnswerAndExpectEnd(HWND box, int button) {
        AnswerMessageBox(box, button);
        const auto code = starter_->WaitForExit(kWindowTimeoutMs);
        ASSERT_TRUE(code.has_value()) << "still running with " << DescribeWindowsOf(starter_->id());
        EXPECT_EQ(*code, 0u);
    }

    std::unique_ptr<TestProcess> starter_;
};

TEST_F(StarterOnCd, AsksTheConfiguredQuestionAndStartsNothingOnNo) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", OrbilanSection("Willkommen",
                                                          "Soll das Programm "
                                                          "gestartet werden?",
                                                          "bin\\marker.exe proof.txt")));
    ASSERT_TRUE(CopyToCd(kMarker, "bin\\marker.exe"));

    HWND box = StartAndWaitForBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, "Willkommen");
    EXPECT_EQ(view.text, "Soll das Programm gestartet werden?");
    EXPECT_TRUE(view.yes);
    EXPECT_TRUE(view.no);
    EXPECT_FALSE(view.ok);
    EXPECT_TRUE(view.icon);

    AnswerAndExpectEnd(box, IDNO);
    Sleep(500);
    EXPECT_FALSE(CdFileExists("proof.txt")) << "No must start nothing";
}

struct LaunchCase {
    const char* name;
    const char* exec;
    const char* markerOnCd;
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.name;
}

class StarterLaunch : public StarterOnCd, public testing::WithParamInterface<LaunchCase> {};

TEST_P(StarterLaunch, YesStartsTheProgramInTheCdRoot) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", OrbilanSection("Start", "Los?", GetParam().exec)));
    ASSERT_TRUE(CopyToCd(kMarker, GetParam().markerOnCd));

    HWND box = StartAndWaitForBox();
    ASSERT_NE(box, nullptr);
    AnswerAndExpectEnd(box, IDYES);

    std::string directory;
    ASSERT_TRUE(WaitForCdFile("proof.txt", directory)) << "the program did not run in the root";
    EXPECT_EQ(directory, CdRoot());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StarterLaunch,
    testing::Values(LaunchCase{"PathBelowTheRoot", "bin\\marker.exe proof.txt", "bin\\marker.exe"},
                    LaunchCase{"BareNameInTheRoot", "marker.exe proof.txt", "marker.exe"},
                    LaunchCase{"RootedPath", "\\bin\\marker.exe proof.txt", "bin\\marker.exe"}),
    CaseName());

TEST_F(StarterOnCd, YesOpensADocumentInItsAssociatedProgram) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", OrbilanSection("Start", "Lesen?", "liesmich.txt")));
    ASSERT_TRUE(WriteCdFile("liesmich.txt", "Willkommen auf der CD.\r\n"));

    HWND box = StartAndWaitForBox();
    ASSERT_NE(box, nullptr);
    AnswerMessageBox(box, IDYES);

    // The text opens in Notepad, found in the CD's root; the starter reports nothing and ends.
    HWND notepad = WaitForWindowCaptioned("liesmich.txt - Notepad");
    ASSERT_NE(notepad, nullptr) << "no editor for the text; the starter shows "
                                << DescribeWindowsOf(starter_->id());
    EXPECT_TRUE(CloseWindowAndWait(notepad));
    const auto code = starter_->WaitForExit(kWindowTimeoutMs);
    ASSERT_TRUE(code.has_value()) << "still running with " << DescribeWindowsOf(starter_->id());
    EXPECT_EQ(*code, 0u);
}

struct FailureCase {
    const char* name;
    const char* exec;
    const char* fileOnCd;
    const char* caption;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class StarterFailure : public StarterOnCd, public testing::WithParamInterface<FailureCase> {};

TEST_P(StarterFailure, ReportsTheReasonAsCaption) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", OrbilanSection("Start", "Los?", GetParam().exec)));
    if (GetParam().fileOnCd[0] != '\0') {
        ASSERT_TRUE(WriteCdFile(GetParam().fileOnCd, "this is no program\r\n"));
    }

    HWND question = StartAndWaitForBox();
    ASSERT_NE(question, nullptr);
    AnswerMessageBox(question, IDYES);

    // The question closes and the failure box follows.
    HWND box = WaitForWindowAfter(starter_->id(), question);
    ASSERT_NE(box, nullptr) << "no failure box";
    ASSERT_TRUE(IsMessageBox(box)) << DescribeWindowsOf(starter_->id());
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, GetParam().caption);
    EXPECT_EQ(view.text, "Das Programm kann nicht gestartet werden.");
    EXPECT_TRUE(view.ok);
    EXPECT_FALSE(view.yes);
    EXPECT_FALSE(view.no);
    EXPECT_TRUE(view.icon);
    AnswerAndExpectEnd(box, IDOK);
}

INSTANTIATE_TEST_SUITE_P(Launches, StarterFailure,
                         testing::Values(FailureCase{"MissingFile", "missing.exe", "",
                                                     "Die Datei kann nicht gefunden werden:"},
                                         FailureCase{"NoProgram", "notes.exe", "notes.exe",
                                                     "Das Dateiformat ist nicht g\xfcltig:"},
                                         // no program is associated with the type
                                         FailureCase{"DocumentOfNoType", "daten.qux", "daten.qux",
                                                     "Das Dateiformat ist nicht g\xfcltig:"}),
                         CaseName());

struct EmptyCase {
    const char* name;
    const char* inf;
};

void PrintTo(const EmptyCase& c, std::ostream* out) {
    *out << c.name;
}

class StarterWithoutSettings : public StarterOnCd, public testing::WithParamInterface<EmptyCase> {};

TEST_P(StarterWithoutSettings, AsksAnEmptyQuestion) {
    if (GetParam().inf != nullptr) {
        ASSERT_TRUE(WriteCdFile("AutoRun.INF", GetParam().inf));
    }

    HWND box = StartAndWaitForBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.caption, "");
    EXPECT_EQ(view.text, "");
    EXPECT_TRUE(view.yes);
    EXPECT_TRUE(view.no);
    AnswerAndExpectEnd(box, IDNO);
}

INSTANTIATE_TEST_SUITE_P(Settings, StarterWithoutSettings,
                         testing::Values(EmptyCase{"NoInf", nullptr},
                                         EmptyCase{"NoSection",
                                                   "[AutoRun]\r\nOpen=tools\\Orbilan.EXE\r\n"},
                                         EmptyCase{"OnlyExec", "[Orbilan]\r\nExec=marker.exe\r\n"}),
                         CaseName());

} // namespace
