// The three file fields of the dialog (AutoPlay file 101, entry command 118, starter program
// 109) on a CD directory of their own: each is checked when it is left after a change, and
// its "Suchen" button chooses a file, with the questions and messages answered by the script.
#include "marlisk_fixture.h"
#include "resource_ids.h"

#include "string_ids.h"
#include "string_resource.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The virtual root is the directory CD below the test's directory; src beside it is outside.
class FileRefs : public MarliskFixture {
protected:
    void SetUp() override {
        MarliskFixture::SetUp();
        WriteFile("CD\\setup.exe", "root setup");
        WriteFile("CD\\bin\\tool.exe", "bin tool");
        WriteFile("CD\\my dir\\x.exe", "x");
        WriteFile("src\\deep\\tool.exe", "source tool");
        WriteFile("src\\setup.exe", "source setup");
        OpenDialog("CD\\AutoRun.INF");
        // Away from the first field, which a click would otherwise leave.
        SetFocus(Item(IDC_ENTRY_LIST));
    }

    std::string Root() const { return CdDir() + "CD\\"; }

    // Replaces "<top>" with the test's directory.
    std::string Expand(std::string text) const {
        for (size_t at = text.find("<top>"); at != std::string::npos; at = text.find("<top>"))
            text.replace(at, 5, CdDir());
        return text;
    }

    // The entry command field belongs to an entry and the starter program field to the
    // starter: make one, switch it on, so that the field is enabled.
    void PrepareField(int id) {
        if (id == IDC_ENTRY_COMMAND)
            Click(IDC_NEW_ENTRY);
        if (id == IDC_STARTER_PROGRAM)
            Click(IDC_USE_STARTER);
    }

    // Every box so far was one of the file messages, in this order, owned by the dialog.
    void ExpectMessages(const std::vector<unsigned>& ids, size_t from = 0) {
        ASSERT_EQ(Boxes().size(), from + ids.size());
        for (size_t i = 0; i < ids.size(); ++i) {
            const MessageBoxRequest& box = Boxes()[from + i];
            EXPECT_EQ(box.text, LoadResourceString(ids[i]));
            EXPECT_EQ(box.caption, "Fehler:");
            EXPECT_EQ(box.type, ids[i] == IDS_OUTSIDE_ROOT_QUESTION ? 4u : 0u);
            EXPECT_EQ(box.owner, Dialog().Handle());
        }
    }
};

struct LeaveCase {
    const char* label;
    std::string text;  // "<top>" is the test's directory; the root is "<top>CD\"
    int outsideAnswer; // to the question whether to copy, when it is asked
    std::vector<unsigned> messages;
    std::string fieldAfter;
    const char* rootSetup; // content of the root's setup.exe afterwards
    const char* rootTool;  // content of a tool.exe copied into the root, or nullptr
};

void PrintTo(const LeaveCase& c, std::ostream* out) {
    *out << c.label;
}

const char* const kRootSetup = "root setup";
constexpr unsigned kOutside = IDS_OUTSIDE_ROOT_QUESTION;
constexpr unsigned kCopyFailed = IDS_COPY_FAILED;
constexpr unsigned kMissing = IDS_FILE_MISSING;

const LeaveCase kLeaveCases[] = {
    {"BareNameInRoot", "setup.exe", 0, {}, "setup.exe", kRootSetup, nullptr},
    {"FullPathInsideIsShortened",
     "<top>CD\\bin\\tool.exe",
     0,
     {},
     "bin\\tool.exe",
     kRootSetup,
     nullptr},
    {"CommandLineKeepsArguments", "setup.exe /s", 0, {}, "setup.exe /s", kRootSetup, nullptr},
    {"DotsInsideAreResolved", "bin\\..\\setup.exe", 0, {}, "setup.exe", kRootSetup, nullptr},
    {"MissingFile", "missing.exe", 0, {kMissing}, "missing.exe", kRootSetup, nullptr},
    {"EmptyText", "", 0, {kMissing}, "", kRootSetup, nullptr},
    {"SystemProgramByBareName", "notepad.exe", 0, {}, "notepad.exe", kRootSetup, nullptr},
    {"SystemProgramInSubdirectory",
     "bin\\notepad.exe",
     0,
     {kMissing},
     "bin\\notepad.exe",
     kRootSetup,
     nullptr},
    // The file is found as the system finds it, and the field names it in quotes.
    {"BlankInFirstComponent",
     "my dir\\x.exe /q",
     0,
     {},
     "\"my dir\\x.exe\" /q",
     kRootSetup,
     nullptr},
    {"QuotedProgramWithABlank",
     "\"my dir\\x.exe\" /q",
     0,
     {},
     "\"my dir\\x.exe\" /q",
     kRootSetup,
     nullptr},
    {"BlankAndNoFile", "my dir\\y.exe", 0, {kMissing}, "my dir\\y.exe", kRootSetup, nullptr},
    {"OutsideCopiedOnYes",
     "<top>src\\deep\\tool.exe",
     IDYES,
     {kOutside},
     "tool.exe",
     kRootSetup,
     "source tool"},
    {"OutsideKeptOnNo",
     "<top>src\\deep\\tool.exe",
     IDNO,
     {kOutside},
     "<top>src\\deep\\tool.exe",
     kRootSetup,
     nullptr},
    {"OutsideReplacesSameName",
     "<top>src\\setup.exe",
     IDYES,
     {kOutside},
     "setup.exe",
     "source setup",
     nullptr},
    {"OutsideCommandLineCopiesItsProgram",
     "<top>src\\deep\\tool.exe /x C:\\y",
     IDYES,
     {kOutside},
     "tool.exe /x C:\\y",
     kRootSetup,
     "source tool"},
    {"OutsideMissingCopyFails",
     "<top>src\\missing.exe",
     IDYES,
     {kOutside, kCopyFailed},
     "<top>src\\missing.exe",
     kRootSetup,
     nullptr},
    {"ColonOnlyInArgumentsStaysInTheRoot",
     "setup.exe /log:x.txt",
     0,
     {},
     "setup.exe /log:x.txt",
     kRootSetup,
     nullptr},
    {"OtherLetterCaseIsOutside",
     "<top>cd\\setup.exe",
     IDYES,
     {kOutside},
     "setup.exe",
     kRootSetup,
     nullptr},
    {"RelativeClimbingOutIsOutside",
     "..\\src\\deep\\tool.exe",
     IDYES,
     {kOutside},
     "tool.exe",
     kRootSetup,
     "source tool"},
    {"FullPathClimbingOutIsOutside",
     "<top>CD\\..\\src\\deep\\tool.exe",
     IDNO,
     {kOutside},
     "<top>CD\\..\\src\\deep\\tool.exe",
     kRootSetup,
     nullptr},
    {"LongerThanAPathIsRefused",
     std::string(300, 'a'),
     0,
     {kMissing},
     std::string(300, 'a'),
     kRootSetup,
     nullptr},
};

struct FieldOf {
    int id;
    const char* name;
};

void PrintTo(const FieldOf& f, std::ostream* out) {
    *out << f.name;
}

const FieldOf kFields[] = {{IDC_AUTOPLAY_FILE, "AutoPlay"},
                           {IDC_ENTRY_COMMAND, "EntryCommand"},
                           {IDC_STARTER_PROGRAM, "StarterProgram"}};

class LeavingAField : public FileRefs,
                      public testing::WithParamInterface<std::tuple<FieldOf, LeaveCase>> {};

TEST_P(LeavingAField, ChecksTheReferenceOnceAfterAChange) {
    const int field = std::get<0>(GetParam()).id;
    const LeaveCase& c = std::get<1>(GetParam());
    PrepareField(field);
    SetField(field, Expand(c.text));
    for (unsigned message : c.messages)
        ExpectBox(message == kOutside ? c.outsideAnswer : IDOK);
    LeaveField(field);

    ExpectMessages(c.messages);
    EXPECT_EQ(FieldText(field), Expand(c.fieldAfter));
    EXPECT_EQ(ReadFile("CD\\setup.exe"), c.rootSetup);
    if (c.rootTool != nullptr)
        EXPECT_EQ(ReadFile("CD\\tool.exe"), c.rootTool);
    else
        EXPECT_FALSE(FileExists("CD\\tool.exe"));
    EXPECT_EQ(ReadFile("src\\deep\\tool.exe"), "source tool");

    // Left again without a change: no second check, whatever the first one decided.
    LeaveField(field);
    EXPECT_EQ(Boxes().size(), c.messages.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, LeavingAField,
                         testing::Combine(testing::ValuesIn(kFields),
                                          testing::ValuesIn(kLeaveCases)),
                         [](const testing::TestParamInfo<std::tuple<FieldOf, LeaveCase>>& param) {
                             return std::string(std::get<0>(param.param).name) + "_" +
                                    std::get<1>(param.param).label;
                         });

TEST_F(FileRefs, ASilentCheckAsksAndTellsNothing) {
    char outside[filehelp::kPathBufferSize];
    std::snprintf(outside, sizeof outside, "%s", (CdDir() + "src\\deep\\tool.exe").c_str());
    EXPECT_FALSE(Dialog().CheckFileReference(outside, false));
    char missing[filehelp::kPathBufferSize];
    std::snprintf(missing, sizeof missing, "%smissing.exe", Root().c_str());
    EXPECT_FALSE(Dialog().CheckFileReference(missing, false));
    char inside[filehelp::kPathBufferSize];
    std::snprintf(inside, sizeof inside, "%sbin\\tool.exe", Root().c_str());
    EXPECT_TRUE(Dialog().CheckFileReference(inside, false));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(FileExists("CD\\tool.exe"));
}

// Counts the top-level windows made on this thread while it lives.
class WindowsMade {
public:
    WindowsMade() : hook_(SetWindowsHookExA(WH_CBT, Count, nullptr, GetCurrentThreadId())) {
        count_ = 0;
    }
    ~WindowsMade() { UnhookWindowsHookEx(hook_); }
    WindowsMade(const WindowsMade&) = delete;
    WindowsMade& operator=(const WindowsMade&) = delete;

    bool Watching() const { return hook_ != nullptr; }
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Count(int code, WPARAM window, LPARAM details) {
        if (code == HCBT_CREATEWND &&
            (reinterpret_cast<CBT_CREATEWNDA*>(details)->lpcs->style & WS_CHILD) == 0)
            ++count_;
        return CallNextHookEx(nullptr, code, window, details);
    }

    HHOOK hook_;
    static int count_;
};
int WindowsMade::count_ = 0;

// A copy as short as this one shows the wait cursor only: no window is made, not even a hidden
// one that would wait for its time.
TEST_F(FileRefs, AShortCopyIntoTheRootMakesNoWindow) {
    SetField(IDC_AUTOPLAY_FILE, CdDir() + "src\\deep\\tool.exe");
    ExpectBox(IDYES);
    {
        const WindowsMade made;
        ASSERT_TRUE(made.Watching());
        LeaveField(IDC_AUTOPLAY_FILE);
        EXPECT_EQ(made.Count(), 0);
    }
    ExpectMessages({IDS_OUTSIDE_ROOT_QUESTION});
    EXPECT_EQ(ReadFile("CD\\tool.exe"), "source tool");
    EXPECT_EQ(FieldText(IDC_AUTOPLAY_FILE), "tool.exe");
}

TEST_F(FileRefs, MakeAbsoluteNeverOverrunsThePathScratch) {
    const std::string text(400, 'b');
    const std::string full = Dialog().MakeAbsolute(text.c_str());
    EXPECT_EQ(full.size(), 259u);
    EXPECT_EQ(full, (Root() + text).substr(0, 259));
    EXPECT_EQ(std::string(Dialog().MakeAbsolute("x:\\a.exe")), "x:\\a.exe");
}

// What the file dialog was shown with, read while it was open.
struct ShownFileDialog {
    DWORD structSize;
    HWND owner;
    DWORD flags;
    DWORD maxFile;
    std::string filter; // up to its double terminator, the NULs included
    std::string initialDirectory;
    std::string initialFile;
    bool hasTitle;
};

struct BrowseCase {
    const char* label;
    std::string fieldBefore;
    std::string choice; // "<top>" as above; empty: cancelled
    std::vector<int> answers;
    std::string initialDirectory;
    std::string initialFile;
    std::string fieldAfter;
    const char* rootTool;
};

const BrowseCase kBrowseCases[] = {
    {"InsideFromEmptyField",
     "",
     "<top>CD\\bin\\tool.exe",
     {},
     "<top>CD\\",
     "",
     "bin\\tool.exe",
     nullptr},
    {"CancelChangesNothing",
     "bin\\tool.exe",
     "",
     {},
     "<top>CD\\bin\\",
     "tool.exe",
     "bin\\tool.exe",
     nullptr},
    {"OutsideCopiedOnYes",
     "setup.exe",
     "<top>src\\deep\\tool.exe",
     {IDYES},
     "<top>CD\\",
     "setup.exe",
     "tool.exe",
     "source tool"},
    {"OutsideDeclinedEmptiesTheField",
     "setup.exe",
     "<top>src\\deep\\tool.exe",
     {IDNO},
     "<top>CD\\",
     "setup.exe",
     "",
     nullptr},
};

void PrintTo(const BrowseCase& c, std::ostream* out) {
    *out << c.label;
}

struct ButtonOf {
    int button;
    int field;
    const char* name;
};

void PrintTo(const ButtonOf& b, std::ostream* out) {
    *out << b.name;
}

const ButtonOf kButtons[] = {{IDC_BROWSE_AUTOPLAY_FILE, IDC_AUTOPLAY_FILE, "AutoPlay"},
                             {IDC_BROWSE_ENTRY_COMMAND, IDC_ENTRY_COMMAND, "EntryCommand"},
                             {IDC_BROWSE_STARTER_PROGRAM, IDC_STARTER_PROGRAM, "StarterProgram"}};

class Browsing : public FileRefs,
                 public testing::WithParamInterface<std::tuple<ButtonOf, BrowseCase>> {
protected:
    // Answers the file dialog with choice, recording what it showed.
    void AnswerFileDialog(const std::string& choice) {
        SetOpenFileScript([this, choice](OPENFILENAMEA& d) {
            ShownFileDialog seen{d.lStructSize,
                                 d.hwndOwner,
                                 d.Flags,
                                 d.nMaxFile,
                                 "",
                                 d.lpstrInitialDir != nullptr ? d.lpstrInitialDir : "",
                                 d.lpstrFile != nullptr ? d.lpstrFile : "",
                                 d.lpstrTitle != nullptr};
            for (const char* p = d.lpstrFilter; p != nullptr && *p != '\0'; p += std::strlen(p) + 1)
                seen.filter.append(p, std::strlen(p) + 1);
            shown_.push_back(seen);
            if (choice.empty())
                return false;
            std::snprintf(d.lpstrFile, d.nMaxFile, "%s", choice.c_str());
            return true;
        });
    }
    std::vector<ShownFileDialog> shown_;
};

TEST_P(Browsing, PutsTheChosenFileIntoTheField) {
    const ButtonOf& b = std::get<0>(GetParam());
    const BrowseCase& c = std::get<1>(GetParam());
    PrepareField(b.field);
    SetField(b.field, c.fieldBefore);
    for (int answer : c.answers)
        ExpectBox(answer);
    AnswerFileDialog(Expand(c.choice));
    Click(b.button);

    ASSERT_EQ(shown_.size(), 1u);
    const ShownFileDialog& d = shown_[0];
    EXPECT_EQ(d.structSize, static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
    EXPECT_EQ(d.owner, Dialog().Handle());
    EXPECT_EQ(d.flags, 0x1804u);
    EXPECT_EQ(d.maxFile, 260u);
    EXPECT_EQ(d.filter, std::string("Ausf\xFChrbare Dateien\0*.exe;*.com;*.bat\0", 38));
    EXPECT_FALSE(d.hasTitle);
    EXPECT_EQ(d.initialDirectory, Expand(c.initialDirectory));
    EXPECT_EQ(d.initialFile, c.initialFile);

    ExpectMessages(c.answers.empty() ? std::vector<unsigned>{}
                                     : std::vector<unsigned>{IDS_OUTSIDE_ROOT_QUESTION});
    EXPECT_EQ(FieldText(b.field), Expand(c.fieldAfter));
    if (c.rootTool != nullptr)
        EXPECT_EQ(ReadFile("CD\\tool.exe"), c.rootTool);
    else
        EXPECT_FALSE(FileExists("CD\\tool.exe"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Browsing, testing::Combine(testing::ValuesIn(kButtons), testing::ValuesIn(kBrowseCases)),
    [](const testing::TestParamInfo<std::tuple<ButtonOf, BrowseCase>>& param) {
        return std::string(std::get<0>(param.param).name) + "_" + std::get<1>(param.param).label;
    });

} // namespace

// A box takes the focus from the field that was just receiving it: that field's lost-focus
// notification arrives inside the check that showed the box. It starts no second check, whose
// box would stand over the first; its change stays marked and is checked when the user really
// leaves the field.
TEST_F(FileRefs, AFieldTheFocusLeavesDuringACheckIsCheckedAfterIt) {
    SetField(IDC_AUTOPLAY_FILE, "missing.exe");
    SetField(IDC_ICON_FILE, "missing.ico");
    SetFocus(Item(IDC_AUTOPLAY_FILE));
    ExpectBox(IDOK, [this] { SetFocus(Item(IDC_ENTRY_LIST)); });
    SetFocus(Item(IDC_ICON_FILE));
    ExpectMessages({kMissing});

    ExpectBox(IDOK);
    LeaveField(IDC_ICON_FILE);
    ExpectMessages({kMissing, kMissing});
}
