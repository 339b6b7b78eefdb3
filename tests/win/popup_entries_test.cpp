// The entries of the CD's context menu in the dialog: loaded from [AutoRun], listed in byte
// order, followed by the name, command and menu text fields, added, renamed and deleted, and
// written back into the document.
#include "marlisk_fixture.h"
#include "resource_ids.h"

#include <optional>
#include <string>
#include <vector>

namespace {

const char kEntriesInf[] = "[AutoRun]\r\n"
                           "Open=setup.exe\r\n"
                           "Shell\\Setup=Programm installieren\r\n"
                           "Shell\\Setup\\Command=setup.exe /s\r\n"
                           "Shell\\Setup\\ddeexec=dde\r\n"
                           "Shell\\Zeta\\Command=z.exe\r\n"
                           "Shell\\alpha=Alpha\r\n"
                           "Shell\\2nd=Zweite\r\n"
                           "Shell\\Setup Now=Jetzt\r\n"
                           "Shell\\ALongVerbNameFromFile=Lang\r\n"
                           "shell\\lower=klein\r\n";

// The controls that follow the current entry.
const int kFollowers[] = {
    IDC_DELETE_ENTRY, IDC_BROWSE_ENTRY_COMMAND, IDC_ENTRY_NAME,          IDC_ENTRY_COMMAND,
    IDC_MENU_TEXT,    IDC_ENTRY_NAME_LABEL,     IDC_ENTRY_COMMAND_LABEL, IDC_MENU_TEXT_LABEL};

class PopupEntries : public MarliskFixture {
protected:
    void Open(const char* inf) {
        OpenDialog("AutoRun.INF", inf);
        Dialog().LoadPopupEntries();
        // Away from the first field, which leaving the name field would otherwise leave.
        SetFocus(Item(IDC_ENTRY_LIST));
    }

    // A click on an item of the entry list, as the list reports it.
    void SelectItem(int index) {
        SendMessageA(Item(IDC_ENTRY_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(Dialog().Handle(), WM_COMMAND, MAKEWPARAM(IDC_ENTRY_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_ENTRY_LIST)));
    }
    void SelectName(const std::string& name) {
        const std::vector<std::string> items = ListItems();
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] == name)
                return SelectItem(static_cast<int>(i));
        }
        ADD_FAILURE() << "no entry " << name;
    }

    // The entry shown: its name, command and menu text, or nothing when the fields are off.
    struct Shown {
        std::string name, command, menuText;
        bool operator==(const Shown& o) const {
            return name == o.name && command == o.command && menuText == o.menuText;
        }
    };
    std::optional<Shown> ShownEntry() {
        bool allOn = true, allOff = true;
        for (int id : kFollowers) {
            allOn = allOn && Enabled(id);
            allOff = allOff && !Enabled(id);
        }
        EXPECT_TRUE(Enabled(IDC_ENTRY_LIST) && Enabled(IDC_NEW_ENTRY))
            << "list and \"Neu\" stay enabled";
        EXPECT_TRUE(allOn || allOff) << "the eight controls follow the entry together";
        if (allOff) {
            EXPECT_EQ(FieldText(IDC_ENTRY_NAME) + FieldText(IDC_ENTRY_COMMAND) +
                          FieldText(IDC_MENU_TEXT),
                      "");
            EXPECT_EQ(ListSelection(), -1);
            return std::nullopt;
        }
        const int selection = ListSelection();
        EXPECT_GE(selection, 0);
        if (selection >= 0) {
            EXPECT_EQ(ListItems()[static_cast<size_t>(selection)], FieldText(IDC_ENTRY_NAME))
                << "the selected item is the entry shown";
        }
        return Shown{FieldText(IDC_ENTRY_NAME), FieldText(IDC_ENTRY_COMMAND),
                     FieldText(IDC_MENU_TEXT)};
    }

    void ExpectDeleteQuestions(size_t count) {
        ASSERT_EQ(Boxes().size(), count);
        for (const MessageBoxRequest& box : Boxes()) {
            EXPECT_EQ(box.text, "Soll der Eintrag wirklich gel\xF6scht werden?");
            EXPECT_EQ(box.caption, "Eintrag L\xF6schen");
            EXPECT_EQ(box.type, static_cast<unsigned>(MB_YESNO));
            EXPECT_EQ(box.owner, Dialog().Handle());
        }
    }
};

using Items = std::vector<std::string>;

TEST_F(PopupEntries, LoadsEntryKeysInByteOrderAndShowsTheFirst) {
    Open(kEntriesInf);
    EXPECT_EQ(ListItems(), (Items{"2nd", "ALongVerbNameFromFile", "Setup", "Setup Now", "Zeta",
                                  "alpha", "lower"}));
    EXPECT_EQ(ShownEntry(), (Shown{"2nd", "", "Zweite"}));
    SelectName("Setup");
    EXPECT_EQ(ShownEntry(), (Shown{"Setup", "setup.exe /s", "Programm installieren"}));
    SelectName("Zeta");
    EXPECT_EQ(ShownEntry(), (Shown{"Zeta", "z.exe", ""}));
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(PopupEntries, AKeyThatIsJustThePrefixGivesAnEmptyName) {
    Open("[AutoRun]\r\nShell\\=Leer\r\nShell\\b\\Command=b.exe\r\n");
    EXPECT_EQ(ListItems(), (Items{"", "b"}));
    EXPECT_EQ(ShownEntry(), (Shown{"", "", "Leer"}));
}

TEST_F(PopupEntries, WithoutEntriesTheFieldsAreEmptyAndOff) {
    Open("[AutoRun]\r\nOpen=setup.exe\r\nShellx=y\r\n");
    EXPECT_TRUE(ListItems().empty());
    EXPECT_EQ(ShownEntry(), std::nullopt);
}

TEST_F(PopupEntries, NewEntriesAreNumberedAndShown) {
    Open("");
    Click(IDC_NEW_ENTRY);
    EXPECT_EQ(ListItems(), (Items{"PopupMnu"}));
    EXPECT_EQ(ShownEntry(), (Shown{"PopupMnu", "", ""}));
    Click(IDC_NEW_ENTRY);
    EXPECT_EQ(ListItems(), (Items{"PopupMn1", "PopupMnu"}));
    EXPECT_EQ(ShownEntry(), (Shown{"PopupMn1", "", ""}));
}

TEST_F(PopupEntries, NewKeepsTheTextsTypedForTheEntryBefore) {
    Open(kEntriesInf);
    SelectName("Zeta");
    SetField(IDC_ENTRY_COMMAND, "neu.exe /q");
    SetField(IDC_MENU_TEXT, "Neu");
    Click(IDC_NEW_ENTRY);
    EXPECT_EQ(ShownEntry(), (Shown{"PopupMnu", "", ""}));
    SelectName("Zeta");
    EXPECT_EQ(ShownEntry(), (Shown{"Zeta", "neu.exe /q", "Neu"}));
}

TEST_F(PopupEntries, MovingTheSelectionKeepsTheTypedTexts) {
    Open(kEntriesInf);
    SelectName("Setup");
    SetField(IDC_ENTRY_COMMAND, "install.exe");
    SetField(IDC_MENU_TEXT, "Installieren");
    SelectName("alpha");
    EXPECT_EQ(ShownEntry(), (Shown{"alpha", "", "Alpha"}));
    SelectName("Setup");
    EXPECT_EQ(ShownEntry(), (Shown{"Setup", "install.exe", "Installieren"}));
}

struct DeleteCase {
    const char* label;
    Items before;
    const char* deleted;
    int answer;
    Items after;
    std::optional<std::string> shown; // name of the entry shown afterwards
};

void PrintTo(const DeleteCase& c, std::ostream* out) {
    *out << c.label;
}

const DeleteCase kDeleteCases[] = {
    {"NoKeepsEverything", {"a", "b", "c"}, "b", IDNO, {"a", "b", "c"}, "b"},
    {"TheFollowingEntryTakesItsPlace", {"a", "b", "c"}, "b", IDYES, {"a", "c"}, "c"},
    {"TheFirstEntry", {"a", "b", "c"}, "a", IDYES, {"b", "c"}, "b"},
    {"TheLastEntryShowsTheNewLast", {"a", "b", "c"}, "c", IDYES, {"a", "b"}, "b"},
    {"TheOnlyEntryLeavesNone", {"a"}, "a", IDYES, {}, std::nullopt},
};

class DeletingAnEntry : public PopupEntries, public testing::WithParamInterface<DeleteCase> {};

TEST_P(DeletingAnEntry, AsksAndShowsTheEntryThatTakesItsPlace) {
    std::string inf = "[AutoRun]\r\n";
    for (const std::string& name : GetParam().before)
        inf += "Shell\\" + name + "=Text " + name + "\r\n";
    Open(inf.c_str());
    SelectName(GetParam().deleted);
    SetField(IDC_MENU_TEXT, "typed");
    ExpectBox(GetParam().answer);
    Click(IDC_DELETE_ENTRY);

    ExpectDeleteQuestions(1);
    EXPECT_EQ(ListItems(), GetParam().after);
    const std::optional<Shown> shown = ShownEntry();
    ASSERT_EQ(shown.has_value(), GetParam().shown.has_value());
    if (shown) {
        EXPECT_EQ(shown->name, *GetParam().shown);
        // The deleted entry's typed text went with it; a kept one keeps it.
        EXPECT_EQ(shown->menuText,
                  GetParam().answer == IDYES ? "Text " + *GetParam().shown : std::string("typed"));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DeletingAnEntry, testing::ValuesIn(kDeleteCases),
                         [](const testing::TestParamInfo<DeleteCase>& param) {
                             return std::string(param.param.label);
                         });

TEST_F(PopupEntries, AfterTheLastIsDeletedNewStillWorks) {
    Open("[AutoRun]\r\nShell\\Setup=S\r\n");
    ExpectBox(IDYES);
    Click(IDC_DELETE_ENTRY);
    EXPECT_EQ(ShownEntry(), std::nullopt);
    Click(IDC_NEW_ENTRY);
    EXPECT_EQ(ShownEntry(), (Shown{"PopupMnu", "", ""}));
}

struct RenameCase {
    const char* label;
    const char* selected;
    std::optional<std::string> typedName; // nothing: the field is entered and left untouched
    std::optional<std::string> menuField; // set before leaving, when given
    std::optional<std::string> commandField;
    std::string newName;
    Items after;
};

void PrintTo(const RenameCase& c, std::ostream* out) {
    *out << c.label;
}

const RenameCase kRenameCases[] = {
    {"NewName",
     "Setup",
     "Install",
     std::nullopt,
     std::nullopt,
     "Install",
     {"2nd", "ALongVerbNameFromFile", "Install", "Setup Now", "Zeta", "alpha", "lower"}},
    {"NameOfAnotherEntryIsNumbered",
     "Setup",
     "Zeta",
     std::nullopt,
     std::nullopt,
     "Zeta1",
     {"2nd", "ALongVerbNameFromFile", "Setup Now", "Zeta", "Zeta1", "alpha", "lower"}},
    {"UntouchedLoadedNameIsCleaned",
     "Setup Now",
     std::nullopt,
     std::nullopt,
     std::nullopt,
     "SetupNow",
     {"2nd", "ALongVerbNameFromFile", "Setup", "SetupNow", "Zeta", "alpha", "lower"}},
    {"UntouchedLongNameIsCut",
     "ALongVerbNameFromFile",
     std::nullopt,
     std::nullopt,
     std::nullopt,
     "ALongVer",
     {"2nd", "ALongVer", "Setup", "Setup Now", "Zeta", "alpha", "lower"}},
    {"UntouchedCleanNameStays",
     "Zeta",
     std::nullopt,
     std::nullopt,
     std::nullopt,
     "Zeta",
     {"2nd", "ALongVerbNameFromFile", "Setup", "Setup Now", "Zeta", "alpha", "lower"}},
    {"EmptyNameFromTheMenuText",
     "Setup",
     "",
     std::nullopt,
     std::nullopt,
     "Programm",
     {"2nd", "ALongVerbNameFromFile", "Programm", "Setup Now", "Zeta", "alpha", "lower"}},
    {"EmptyNameFromTheCommand",
     "Setup",
     "",
     "",
     std::nullopt,
     "setupexe",
     {"2nd", "ALongVerbNameFromFile", "Setup Now", "Zeta", "alpha", "lower", "setupexe"}},
    {"EmptyNameFromTheDefault",
     "Setup",
     "",
     "",
     "",
     "PopupMnu",
     {"2nd", "ALongVerbNameFromFile", "PopupMnu", "Setup Now", "Zeta", "alpha", "lower"}},
};

class RenamingAnEntry : public PopupEntries, public testing::WithParamInterface<RenameCase> {};

TEST_P(RenamingAnEntry, TakesTheCleanUniqueNameWhenTheNameFieldIsLeft) {
    const RenameCase& c = GetParam();
    Open(kEntriesInf);
    SelectName(c.selected);
    const Shown before = *ShownEntry();
    if (c.typedName)
        SetField(IDC_ENTRY_NAME, *c.typedName);
    if (c.menuField)
        SetField(IDC_MENU_TEXT, *c.menuField);
    if (c.commandField)
        SetField(IDC_ENTRY_COMMAND, *c.commandField);
    LeaveField(IDC_ENTRY_NAME);

    EXPECT_EQ(ListItems(), c.after);
    EXPECT_EQ(ShownEntry(), (Shown{c.newName, c.commandField.value_or(before.command),
                                   c.menuField.value_or(before.menuText)}));
    // Left again without a change: the name stays.
    LeaveField(IDC_ENTRY_NAME);
    EXPECT_EQ(ListItems(), c.after);
    EXPECT_TRUE(Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, RenamingAnEntry, testing::ValuesIn(kRenameCases),
                         [](const testing::TestParamInfo<RenameCase>& param) {
                             return std::string(param.param.label);
                         });

TEST_F(PopupEntries, TypingANameRenamesTheEntry) {
    Open(kEntriesInf);
    SelectName("Zeta");
    Type(IDC_ENTRY_NAME, "Omega");
    LeaveField(IDC_ENTRY_NAME);
    EXPECT_EQ(ShownEntry(), (Shown{"Omega", "z.exe", ""}));
}

// The document after OK, as the file holds it: removed keys one after another (the walk must
// not skip any when the later keys move up), renamed entries under their new keys only, an
// entry in other letter case and other sections untouched, and the typed command of the entry
// still shown taken over.
TEST_F(PopupEntries, WritesTheEntriesIntoTheDocument) {
    Open("[AutoRun]\r\n"
         "Open=setup.exe\r\n"
         "Shell\\alpha=Alpha\r\n"
         "Shell\\alpha\\Command=a.exe\r\n"
         "Shell\\Beta=Beta\r\n"
         "Shell\\Beta\\Command=b.exe\r\n"
         "Shell\\Setup=Programm installieren\r\n"
         "Shell\\Setup\\Command=setup.exe /s\r\n"
         "Shell\\Setup\\ddeexec=dde\r\n"
         "shell\\lower=klein\r\n"
         "\r\n"
         "[Other]\r\n"
         "Key=Value\r\n");
    SelectName("alpha");
    SetField(IDC_MENU_TEXT, ""); // an emptied text takes its line out of the file
    SelectName("Beta");
    ExpectBox(IDYES);
    Click(IDC_DELETE_ENTRY);
    SelectName("Setup");
    SetField(IDC_ENTRY_NAME, "Install");
    LeaveField(IDC_ENTRY_NAME);
    Click(IDC_NEW_ENTRY); // an entry with neither text leaves no line
    SelectName("Install");
    SetField(IDC_ENTRY_COMMAND, "install.exe");

    Dialog().WritePopupEntries(Dialog().Document());
    ASSERT_TRUE(Dialog().Document().Save());
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\n"
                                       "Open=setup.exe\r\n"
                                       "Shell\\Install=Programm installieren\r\n"
                                       "Shell\\Install\\Command=install.exe\r\n"
                                       "Shell\\alpha\\Command=a.exe\r\n"
                                       "shell\\lower=klein\r\n"
                                       "\r\n"
                                       "[Other]\r\n"
                                       "Key=Value\r\n"
                                       "\r\n"
                                       "\r\n");
}

// Windows reads an entry's keys in any letter case, and of two spellings of one key the first:
// that one is shown and edited, the other stays as it is. A deleted entry takes every spelling
// of its keys along, or Windows would read the one left behind.
TEST_F(PopupEntries, EntriesInAnyLetterCaseAreEditedInTheirSpelling) {
    Open("[AutoRun]\r\n"
         "SHELL\\SETUP=fremd\r\n"
         "SHELL\\SETUP\\COMMAND=fremd.exe\r\n"
         "Shell\\Setup=Setup\r\n"
         "Shell\\Web=Web\r\n"
         "shell\\web=klein\r\n");
    EXPECT_EQ(ListItems(), (Items{"SETUP", "Web"}));
    EXPECT_EQ(ShownEntry(), (Shown{"SETUP", "fremd.exe", "fremd"}));
    SetField(IDC_MENU_TEXT, "neu");
    SelectName("Web");
    ExpectBox(IDYES);
    Click(IDC_DELETE_ENTRY);

    Dialog().WritePopupEntries(Dialog().Document());
    ASSERT_TRUE(Dialog().Document().Save());
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\n"
                                       "SHELL\\SETUP=neu\r\n"
                                       "Shell\\Setup=Setup\r\n"
                                       "SHELL\\SETUP\\COMMAND=fremd.exe\r\n"
                                       "\r\n"
                                       "\r\n");
}

// A new entry's keys are spelled as the file spells its entries' keys.
TEST_F(PopupEntries, ANewEntryTakesTheSpellingOfTheFile) {
    Open("[AutoRun]\r\nshell\\a=A\r\nshell\\a\\command=a.exe\r\n");
    Click(IDC_NEW_ENTRY);
    SetField(IDC_MENU_TEXT, "B");
    SetField(IDC_ENTRY_COMMAND, "b.exe");

    Dialog().WritePopupEntries(Dialog().Document());
    ASSERT_TRUE(Dialog().Document().Save());
    EXPECT_EQ(ReadFile("AutoRun.INF"), "[AutoRun]\r\n"
                                       "shell\\PopupMnu=B\r\n"
                                       "shell\\PopupMnu\\command=b.exe\r\n"
                                       "shell\\a=A\r\n"
                                       "shell\\a\\command=a.exe\r\n"
                                       "\r\n"
                                       "\r\n");
}

// Entries that lack one of their keys (Zeta has no menu text, 2nd no command) add no empty key:
// an OK without changes must not rewrite the file.
TEST_F(PopupEntries, UnchangedEntriesLeaveTheDocumentUnmodified) {
    Open(kEntriesInf);
    SelectName("Setup");
    Dialog().WritePopupEntries(Dialog().Document());
    EXPECT_FALSE(Dialog().Document().IsModified());
}

} // namespace
