// The editor's dialog meeting file faults, injected in place of the platform functions: OK
// whose save fails at one of its steps, a copy into the root that fails part-way, and a
// starter file that cannot be written. Each time the user is told, no file of the failed
// write is left behind, what was there stays, and the same action succeeds once the fault is
// gone.
#include "fault_test_files.h"
#include "file_faults.h"
#include "ini_platform_faults.h"
#include "marlisk_fixture.h"
#include "string_ids.h"
#include "string_resource.h"
#include "resource_ids.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

template <class Step> struct FaultCase {
    const char* name;
    Step step;
    At at;
};

template <class Step> void PrintTo(const FaultCase<Step>& c, std::ostream* out) {
    *out << c.name;
}

struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& c) const {
        return c.param.name;
    }
};

class EditorFaults : public MarliskFixture {
protected:
    // The names in a directory below the CD directory ("" for the CD directory itself).
    std::vector<std::string> Names(const std::string& directory = "") const {
        return NamesIn(CdDir() + directory);
    }

    // The one box so far is the error box with the given text, owned by the dialog.
    void ExpectErrorBox(std::size_t index, unsigned text) {
        ASSERT_GT(Boxes().size(), index);
        const MessageBoxRequest& box = Boxes()[index];
        EXPECT_EQ(box.text, LoadResourceString(text));
        EXPECT_EQ(box.caption, "Fehler:");
        EXPECT_EQ(box.type, static_cast<unsigned>(MB_OK));
        EXPECT_EQ(box.owner, Dialog().Handle());
    }

    bool DialogOpen() { return Dialog().Handle() != nullptr; }
};

// ---- OK whose save fails

using ini_faults::Step;
using SaveFault = FaultCase<Step>;

const char kOriginal[] = "[AutoRun]\r\nOpen=alt.exe\r\n";
const char kSaved[] = "[AutoRun]\r\nIcon=,0\r\nOpen=neu.exe\r\n\r\n\r\n";

class OkWithAFailingSave : public EditorFaults, public testing::WithParamInterface<SaveFault> {};

TEST_P(OkWithAFailingSave, SaysSoAndKeepsTheDialogAndTheFile) {
    WriteFile("neu.exe", "MZ");
    OpenDialog("AutoRun.INF", kOriginal);
    SetField(IDC_AUTOPLAY_FILE, "neu.exe");
    {
        ini_faults::ArmedFault fault(GetParam().step,
                                     BytesBefore(GetParam().at, sizeof kSaved - 1));
        ExpectBox(IDOK);
        Click(IDOK);
        EXPECT_TRUE(fault.Fired()) << "the save never reached the fault";
    }
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectErrorBox(0, IDS_SAVE_FAILED);
    EXPECT_EQ(Boxes()[0].text, "Die Datei konnte nicht gespeichert werden!");
    EXPECT_TRUE(DialogOpen());
    EXPECT_EQ(ReadFile("AutoRun.INF"), kOriginal);
    EXPECT_EQ(Names(), (std::vector<std::string>{"AutoRun.INF", "neu.exe"}));

    // The fault gone, OK saves and closes.
    Click(IDOK);
    EXPECT_FALSE(DialogOpen());
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(ReadFile("AutoRun.INF"), kSaved);
    EXPECT_EQ(Names(), (std::vector<std::string>{"AutoRun.INF", "neu.exe"}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, OkWithAFailingSave,
    testing::Values(SaveFault{"CreateFails", Step::kCreate, At::kNowhere},
                    SaveFault{"WritesFailFromFirstByte", Step::kWriteFrom, At::kFirstByte},
                    SaveFault{"WritesFailFromMiddle", Step::kWriteFrom, At::kMiddle},
                    SaveFault{"OneWriteFailsAtLastByte", Step::kWriteAt, At::kLastByte},
                    SaveFault{"OneWriteFailsBehindTheLast", Step::kWriteAt, At::kBehindTheLast},
                    SaveFault{"CloseFails", Step::kClose, At::kNowhere},
                    SaveFault{"ReplaceFails", Step::kReplace, At::kNowhere}),
    CaseName());

// Leaving without OK after a failed save: the window goes the two ways the user has.
struct LeaveWay {
    const char* name;
    bool closeBox; // the close request of the window, else "Abbruch"
};

void PrintTo(const LeaveWay& way, std::ostream* out) {
    *out << way.name;
}

class LeavingAfterAFailedSave : public EditorFaults,
                                public testing::WithParamInterface<LeaveWay> {};

TEST_P(LeavingAfterAFailedSave, LeavesTheFileAsItWas) {
    WriteFile("neu.exe", "MZ");
    OpenDialog("AutoRun.INF", kOriginal);
    SetField(IDC_AUTOPLAY_FILE, "neu.exe");
    {
        ini_faults::ArmedFault fault(Step::kReplace);
        ExpectBox(IDOK);
        Click(IDOK);
        ASSERT_TRUE(fault.Fired());
    }
    if (GetParam().closeBox)
        SendMessageA(Dialog().Handle(), WM_CLOSE, 0, 0);
    else
        Click(IDCANCEL);
    EXPECT_FALSE(DialogOpen());
    // The fault is gone by now: nothing but the user's choice keeps the file as it was.
    DestroyDialog();
    EXPECT_EQ(ReadFile("AutoRun.INF"), kOriginal);
    EXPECT_EQ(Names(), (std::vector<std::string>{"AutoRun.INF", "neu.exe"}));
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingAfterAFailedSave,
                         testing::Values(LeaveWay{"Abbruch", false}, LeaveWay{"CloseBox", true}),
                         CaseName());

// ---- A file from outside copied into the root

using FileFault = FaultCase<file_faults::Step>;

class CopyIntoTheRootFailing : public EditorFaults,
                               public testing::WithParamInterface<FileFault> {};

TEST_P(CopyIntoTheRootFailing, SaysSoAndLeavesNoPartialFile) {
    std::string source(5000, '\0');
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>(i * 13);
    WriteFile("src\\tool.exe", source);
    OpenDialog("CD\\AutoRun.INF", "[AutoRun]\r\n");
    SetFocus(Item(IDC_ENTRY_LIST));
    const std::string outside = CdDir() + "src\\tool.exe";
    SetField(IDC_AUTOPLAY_FILE, outside);
    {
        file_faults::ArmedFault fault(GetParam().step, "",
                                      BytesBefore(GetParam().at, source.size()));
        ExpectBox(IDYES);
        ExpectBox(IDOK);
        LeaveField(IDC_AUTOPLAY_FILE);
        EXPECT_TRUE(fault.Fired()) << "the copy never reached the fault";
    }
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].text, LoadResourceString(IDS_OUTSIDE_ROOT_QUESTION));
    ExpectErrorBox(1, IDS_COPY_FAILED);
    EXPECT_EQ(Names("CD\\"), std::vector<std::string>{"AutoRun.INF"});
    EXPECT_EQ(ReadFile("src\\tool.exe"), source);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), outside);

    // The fault gone, the same answer copies the file.
    SetField(IDC_AUTOPLAY_FILE, outside);
    ExpectBox(IDYES);
    LeaveField(IDC_AUTOPLAY_FILE);
    EXPECT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(ReadFile("CD\\tool.exe"), source);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "tool.exe");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CopyIntoTheRootFailing,
    testing::Values(FileFault{"ReadFailsAtFirstByte", file_faults::Step::kCopyRead, At::kFirstByte},
                    FileFault{"WriteFailsAtMiddle", file_faults::Step::kCopyWrite, At::kMiddle},
                    FileFault{"WriteFailsBehindTheLast", file_faults::Step::kCopyWrite,
                              At::kBehindTheLast}),
    CaseName());

// ---- The starter file that cannot be written

constexpr int kStarterGroup[] = {
    IDC_STARTER_GROUP, IDC_HEADLINE_LABEL, IDC_QUESTION_TEXT_LABEL, IDC_STARTER_PROGRAM_LABEL,
    IDC_HEADLINE,      IDC_QUESTION_TEXT,  IDC_STARTER_PROGRAM,     IDC_BROWSE_STARTER_PROGRAM,
    IDC_TEST_STARTER};
constexpr int kAutoPlayRow[] = {IDC_AUTOPLAY_LABEL, IDC_AUTOPLAY_FILE, IDC_BROWSE_AUTOPLAY_FILE};

// The starter as the editor carries it.
std::string StarterResource() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDR_STARTER), RT_RCDATA);
    if (found == nullptr)
        return "";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

class StarterFileFailing : public EditorFaults, public testing::WithParamInterface<FileFault> {
protected:
    void ExpectStarterGroupEnabled(bool enabled) {
        for (int id : kStarterGroup)
            EXPECT_EQ(Enabled(id), enabled) << "control " << id;
        for (int id : kAutoPlayRow)
            EXPECT_EQ(Enabled(id), !enabled) << "control " << id;
    }
};

TEST_P(StarterFileFailing, SaysSoLocksTheGroupAndLeavesNoFile) {
    const std::string starter = StarterResource();
    ASSERT_GT(starter.size(), 1000u) << "the editor carries no starter";
    OpenDialog("AutoRun.INF", "[AutoRun]\r\n");
    {
        file_faults::ArmedFault fault(GetParam().step, CdDir() + "Orbilan.EXE",
                                      BytesBefore(GetParam().at, starter.size()));
        ExpectBox(IDOK);
        Click(IDC_USE_STARTER);
        EXPECT_TRUE(fault.Fired()) << "the starter was never written";
    }
    ASSERT_EQ(Boxes().size(), 1u);
    ExpectErrorBox(0, IDS_COPY_FAILED);
    EXPECT_TRUE(Checked(IDC_USE_STARTER));
    ExpectStarterGroupEnabled(false);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "");
    EXPECT_EQ(FieldText(IDC_HEADLINE), "");
    EXPECT_EQ(Names(), std::vector<std::string>{"AutoRun.INF"});

    // The fault gone, switching the starter off and on again writes it.
    Click(IDC_USE_STARTER);
    Click(IDC_USE_STARTER);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(ReadFile("Orbilan.EXE"), starter);
    ExpectStarterGroupEnabled(true);
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "Orbilan.EXE");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StarterFileFailing,
    testing::Values(
        FileFault{"CreateFails", file_faults::Step::kCreate, At::kNowhere},
        FileFault{"WriteErrorAtFirstByte", file_faults::Step::kWriteError, At::kFirstByte},
        FileFault{"WriteErrorAtMiddle", file_faults::Step::kWriteError, At::kMiddle},
        FileFault{"WriteErrorAtLastByte", file_faults::Step::kWriteError, At::kLastByte},
        FileFault{"WriteErrorBehindTheLast", file_faults::Step::kWriteError, At::kBehindTheLast},
        FileFault{"ShortWriteAtMiddle", file_faults::Step::kWriteShort, At::kMiddle}),
    CaseName());

} // namespace
