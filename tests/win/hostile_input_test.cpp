// Every field of the dialog takes long and hostile texts: 10,000 characters, names made only of
// bytes above 127, paths of 259, 260 and 261 characters with the root. Each field comes out
// with its documented message or cut, OK writes what the field holds (cut where documented),
// and nothing is written outside the virtual root but the INF and the starter it asked for.
#include "marlisk_fixture.h"
#include "resource_ids.h"

#include "hostile_inputs.h"
#include "ini_file.h"
#include "string_ids.h"
#include "string_resource.h"

#include <commdlg.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using hostile_inputs::Input;

enum class Kind {
    FileReference, // checked when left: AutoPlay file, starter program, entry command
    IconFile,
    IconNumber,
    EntryName,
    Text, // taken as it is: headline, question text, menu text
};

struct Field {
    int id;
    const char* name;
    Kind kind;
    int browseButton; // 0: none
    bool needsStarter;
    bool needsEntry;
    const char* section; // where OK writes it
    const char* key;
    size_t written; // the longest text OK writes from it
};

void PrintTo(const Field& field, std::ostream* out) {
    *out << field.name;
}

// What OK reads of a field for the INF, and of an entry's command and menu text.
constexpr size_t kText = 511;
constexpr size_t kEntryText = 259;

const Field kFields[] = {
    {IDC_AUTOPLAY_FILE, "AutoPlayFile", Kind::FileReference, IDC_BROWSE_AUTOPLAY_FILE, false, false,
     "AutoRun", "Open", kText},
    {IDC_HEADLINE, "Headline", Kind::Text, 0, true, false, "Orbilan", "Headline", kText},
    {IDC_QUESTION_TEXT, "QuestionText", Kind::Text, 0, true, false, "Orbilan", "Text", kText},
    {IDC_STARTER_PROGRAM, "StarterProgram", Kind::FileReference, IDC_BROWSE_STARTER_PROGRAM, true,
     false, "Orbilan", "Exec", kText},
    {IDC_ICON_FILE, "IconFile", Kind::IconFile, IDC_BROWSE_ICON_FILE, false, false, "AutoRun",
     "Icon", 0},
    {IDC_ICON_NUMBER, "IconNumber", Kind::IconNumber, 0, false, false, "AutoRun", "Icon", 0},
    {IDC_ENTRY_NAME, "EntryName", Kind::EntryName, 0, false, true, "AutoRun", nullptr, 0},
    {IDC_ENTRY_COMMAND, "EntryCommand", Kind::FileReference, IDC_BROWSE_ENTRY_COMMAND, false, true,
     "AutoRun", "Shell\\PopupMnu\\Command", kEntryText},
    {IDC_MENU_TEXT, "MenuText", Kind::Text, 0, false, true, "AutoRun", "Shell\\PopupMnu",
     kEntryText},
};

// The program whose icon the icon fields show: this test program, which carries the editor's.
std::string OwnProgram() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Every file below directory (ending in a backslash) with its content.
void Snapshot(const std::string& directory, std::map<std::string, std::string>& files) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = directory + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            files[path + "\\"] = "";
            Snapshot(path + "\\", files);
        } else {
            std::ifstream in(path, std::ios::binary);
            std::ostringstream content;
            content << in.rdbuf();
            files[path] = content.str();
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

constexpr char kIconProgram[] = "icon.exe";
constexpr char kMenuText[] = "Men\xFC";

class HostileInput : public MarliskFixture,
                     public testing::WithParamInterface<std::tuple<Field, Input>> {
protected:
    void SetUp() override {
        MarliskFixture::SetUp();
        const std::string root = Root();
        text_ = Param().text(root.size());
        // Beside the root: must stay as they are.
        WriteFile("AutoRun.INF", "[AutoRun]\r\nOpen=outside.exe\r\n");
        WriteFile("outside\\x.exe", "outside");
        WriteFile("CD\\AutoRun.INF", "[AutoRun]\r\n");
        ASSERT_TRUE(CopyFileA(OwnProgram().c_str(), (root + kIconProgram).c_str(), FALSE));
        // The programs that the inputs name, there for every input: a field that cut a longer
        // path to a path buffer would find the one of 259 characters.
        for (const std::string& name : {std::string(hostile_inputs::kUmlautName),
                                        hostile_inputs::NameForPathLength(root.size(), 259)}) {
            ASSERT_TRUE(CopyFileA(OwnProgram().c_str(), (root + name).c_str(), FALSE))
                << "cannot make " << root + name;
        }
        Snapshot(CdDir(), before_);
        OpenDialog("CD\\AutoRun.INF");
        SetFocus(Item(IDC_ENTRY_LIST));
    }

    const Field& TheField() const { return std::get<0>(GetParam()); }
    const Input& Param() const { return std::get<1>(GetParam()); }
    std::string Root() const { return CdDir() + "CD\\"; }
    // The field's whole text, however long.
    std::string WholeText(int id) const {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(Item(id))) + 1, '\0');
        text.resize(
            static_cast<size_t>(GetWindowTextA(Item(id), &text[0], static_cast<int>(text.size()))));
        return text;
    }

    void Prepare() {
        if (TheField().needsStarter)
            Click(IDC_USE_STARTER);
        if (TheField().needsEntry) {
            Click(IDC_NEW_ENTRY);
            SetField(IDC_MENU_TEXT, kMenuText);
        }
        if (TheField().kind == Kind::IconNumber) {
            SetField(IDC_ICON_FILE, kIconProgram);
            SetField(IDC_ICON_NUMBER, "0");
            LeaveField(IDC_ICON_FILE);
            ASSERT_TRUE(Boxes().empty()) << "the icon program shows no icon";
        }
    }

    // The boxes leaving the field brings, and the answers they get.
    std::vector<unsigned> ExpectedMessages() const {
        const Input& input = Param();
        switch (TheField().kind) {
        case Kind::FileReference:
        case Kind::IconFile:
            if (!input.belowRoot)
                return {IDS_OUTSIDE_ROOT_QUESTION};
            if (!input.fitsPath || !input.programInRoot)
                return {IDS_FILE_MISSING};
            return {};
        case Kind::IconNumber:
            return input.iconNumber != 0 ? std::vector<unsigned>{IDS_ICON_MISSING}
                                         : std::vector<unsigned>{};
        default:
            return {};
        }
    }

    bool IconAccepted() const { return ExpectedMessages().empty(); }

    // What the field shows once left.
    std::string FieldAfterLeaving() const {
        switch (TheField().kind) {
        case Kind::IconFile:
            return IconAccepted() ? text_ : "";
        case Kind::IconNumber:
            return IconAccepted() ? text_ : "0";
        case Kind::EntryName:
            return Param().entryName;
        default:
            return text_;
        }
    }

    // The key OK writes from the field, and its value.
    std::pair<std::string, std::string> WrittenKey() const {
        const Field& field = TheField();
        switch (field.kind) {
        case Kind::IconFile:
            return {field.key, (IconAccepted() ? text_ : std::string()) + ",0"};
        case Kind::IconNumber:
            return {field.key, std::string(kIconProgram) + ",0"};
        case Kind::EntryName:
            return {std::string("Shell\\") + Param().entryName, kMenuText};
        default:
            return {field.key, text_.substr(0, field.written)};
        }
    }

    // The browse button starts from what fits a path buffer; cancelled, it changes nothing.
    void BrowseAndCancel() {
        const int button = TheField().browseButton;
        if (button == 0)
            return;
        std::string initialFile;
        std::string initialDirectory;
        DWORD maxFile = 0;
        SetOpenFileScript([&](OPENFILENAMEA& description) {
            initialFile = description.lpstrFile;
            initialDirectory = description.lpstrInitialDir;
            maxFile = description.nMaxFile;
            return false;
        });
        const std::string shown = WholeText(TheField().id);
        Click(button);
        EXPECT_EQ(maxFile, 260u) << "no file dialog";
        EXPECT_LT(initialFile.size(), 260u);
        EXPECT_LT(initialDirectory.size(), 260u);
        EXPECT_EQ(WholeText(TheField().id), shown);
        SetOpenFileScript([](OPENFILENAMEA&) {
            ADD_FAILURE() << "unexpected file dialog";
            return false;
        });
    }

    // Files below the test's directory that OK and the dialog changed, made or removed.
    std::vector<std::string> ChangedFiles() {
        std::map<std::string, std::string> after;
        Snapshot(CdDir(), after);
        std::vector<std::string> changed;
        for (const auto& [path, content] : after) {
            const auto old = before_.find(path);
            if (old == before_.end() || old->second != content)
                changed.push_back(path);
        }
        for (const auto& [path, content] : before_)
            if (after.count(path) == 0)
                changed.push_back(path);
        return changed;
    }

    std::string text_;
    std::map<std::string, std::string> before_;
};

TEST_P(HostileInput, ComesOutAsDocumentedAndStaysInTheRoot) {
    const Field& field = TheField();
    ASSERT_NO_FATAL_FAILURE(Prepare());
    const size_t boxesBefore = Boxes().size();

    SetField(field.id, text_);
    ASSERT_EQ(WholeText(field.id), text_) << "the field does not hold the text";
    const std::vector<unsigned> messages = ExpectedMessages();
    for (unsigned message : messages)
        ExpectBox(message == IDS_OUTSIDE_ROOT_QUESTION ? IDNO : IDOK);
    LeaveField(field.id);

    ASSERT_EQ(Boxes().size(), boxesBefore + messages.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        EXPECT_EQ(Boxes()[boxesBefore + i].text, LoadResourceString(messages[i]));
        EXPECT_EQ(Boxes()[boxesBefore + i].caption, "Fehler:");
    }
    EXPECT_EQ(WholeText(field.id), FieldAfterLeaving());
    if (field.kind == Kind::EntryName) {
        const std::vector<std::string> items = ListItems();
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items[0], Param().entryName);
    }
    BrowseAndCancel();

    Click(IDOK);
    ASSERT_EQ(Dialog().Handle(), nullptr) << "OK did not close the dialog";
    const auto [key, value] = WrittenKey();
    INIFile written((Root() + "AutoRun.INF").c_str());
    EXPECT_EQ(std::string(written.GetString(field.section, key.c_str(), "<missing>")), value);

    std::vector<std::string> expected = {Root() + "AutoRun.INF"};
    if (field.needsStarter)
        expected.insert(expected.begin(), Root() + "Orbilan.EXE");
    std::vector<std::string> changed = ChangedFiles();
    std::sort(changed.begin(), changed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(changed, expected);
}

INSTANTIATE_TEST_SUITE_P(FieldsAndInputs, HostileInput,
                         testing::Combine(testing::ValuesIn(kFields),
                                          testing::ValuesIn(hostile_inputs::kInputs)),
                         [](const testing::TestParamInfo<std::tuple<Field, Input>>& param) {
                             return std::string(std::get<0>(param.param).name) + "_" +
                                    std::get<1>(param.param).label;
                         });

// The starter's test plays its question with the fields in full, however long they are.
class HostileStarterTest : public MarliskFixture, public testing::WithParamInterface<Input> {};

TEST_P(HostileStarterTest, AsksWithTheWholeTexts) {
    OpenDialog("AutoRun.INF", "[AutoRun]\r\n");
    Click(IDC_USE_STARTER);
    const std::string text = GetParam().text(CdDir().size());
    SetField(IDC_HEADLINE, text);
    SetField(IDC_QUESTION_TEXT, text + "?");
    SetField(IDC_STARTER_PROGRAM, text);
    ExpectBox(IDNO);
    Click(IDC_TEST_STARTER);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, text);
    EXPECT_EQ(Boxes()[0].text, text + "?");
    EXPECT_EQ(Boxes()[0].type, static_cast<unsigned>(MB_YESNO));
}

INSTANTIATE_TEST_SUITE_P(Inputs, HostileStarterTest, testing::ValuesIn(hostile_inputs::kInputs),
                         [](const testing::TestParamInfo<Input>& param) {
                             return std::string(param.param.label);
                         });

} // namespace
