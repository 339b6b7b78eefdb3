// The icon preview on the real dialog: which icon a file and number give, what a failure puts
// back, and where the icon is drawn, read back from the dialog's pixels.
#include "marlisk_fixture.h"
#include "preview_pixels.h"
#include "string_ids.h"
#include "string_resource.h"
#include "resource_ids.h"

#include <algorithm>
#include <string>

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

class IconPreview : public MarliskFixture {
protected:
    // The virtual root is a directory of the test's CD directory, so that the CD directory
    // itself is outside it.
    void SetUp() override {
        MarliskFixture::SetUp();
        WriteFile("cd\\icons.exe", FileContent(WinePath(THREE_ICONS_EXE)));
        WriteFile("cd\\art\\several.ico",
                  FileContent(WinePath(std::string(ICON_DATA_DIR) + "/several.ico")));
        WriteFile("cd\\notes.txt", "Keine Icons hier.\r\n");
        OpenDialog("cd\\AutoRun.INF");
    }

    std::string Root() const { return CdDir() + "cd\\"; }

    void EnterIcon(const std::string& file, const std::string& number) {
        SetField(IDC_ICON_FILE, file);
        SetField(IDC_ICON_NUMBER, number);
        LeaveField(IDC_ICON_NUMBER);
    }

    // Whether the preview shows an icon of colour alone, inside its frame, at the system's icon
    // size or as much of it as the frame holds: the frame's size follows the dialog's font,
    // which differs from machine to machine.
    bool PreviewShows(COLORREF colour) {
        HWND dialog = Dialog().Handle();
        const RECT area = PreviewArea(dialog);
        const ColourSeen seen = ColourAroundPreview(dialog, colour);
        const int width = std::min<int>(GetSystemMetrics(SM_CXICON), area.right - area.left);
        const int height = std::min<int>(GetSystemMetrics(SM_CYICON), area.bottom - area.top);
        RECT within = {};
        return seen.bounds.right - seen.bounds.left == width &&
               seen.bounds.bottom - seen.bounds.top == height && seen.pixels == width * height &&
               IntersectRect(&within, &seen.bounds, &area) && EqualRect(&within, &seen.bounds);
    }

    void ExpectIconMissingBox(size_t index) {
        ASSERT_GT(Boxes().size(), index);
        const MessageBoxRequest& box = Boxes()[index];
        EXPECT_EQ(box.text, LoadResourceString(IDS_ICON_MISSING));
        EXPECT_EQ(box.caption, "Fehler:");
        EXPECT_EQ(box.type, static_cast<unsigned>(MB_OK));
        EXPECT_EQ(box.owner, Dialog().Handle());
    }
};

struct ShownCase {
    const char* name;
    const char* file;
    const char* number;
    const char* shownFile; // field 110 afterwards
    COLORREF colour;
};

void PrintTo(const ShownCase& c, std::ostream* out) {
    *out << c.name;
}

class IconShown : public IconPreview, public testing::WithParamInterface<ShownCase> {};

TEST_P(IconShown, TakesTheFieldsOverAndDrawsTheIcon) {
    const ShownCase& c = GetParam();
    EnterIcon(c.file, c.number);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FieldText(IDC_ICON_FILE), c.shownFile);
    // The number field keeps its text as typed, blanks and all.
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), c.number);
    EXPECT_TRUE(PreviewShows(c.colour));
}

INSTANTIATE_TEST_SUITE_P(
    FilesAndNumbers, IconShown,
    testing::Values(ShownCase{"FirstGroup", "icons.exe", "0", "icons.exe", kRed},
                    ShownCase{"SecondGroup", "icons.exe", "1", "icons.exe", kGreen},
                    ShownCase{"ThirdGroup", "icons.exe", "2", "icons.exe", kBlue},
                    ShownCase{"LeadingBlank", "icons.exe", " 2", "icons.exe", kBlue},
                    // A negative number names the icon group by its resource id.
                    ShownCase{"ResourceId", "icons.exe", "-20", "icons.exe", kGreen},
                    // Of several images in one icon file the standard size is shown.
                    ShownCase{"IconFile", "art\\several.ico", "0", "art\\several.ico", kYellow}),
    CaseName());

TEST_F(IconPreview, AFullPathInsideTheRootIsShortenedToTheRelativeName) {
    EnterIcon(Root() + "icons.exe", "1");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "icons.exe");
    EXPECT_TRUE(PreviewShows(kGreen));
}

struct MissingCase {
    const char* name;
    const char* file;
    const char* number;
};

void PrintTo(const MissingCase& c, std::ostream* out) {
    *out << c.name;
}

class IconMissing : public IconPreview, public testing::WithParamInterface<MissingCase> {};

TEST_P(IconMissing, SaysSoAndPutsTheShownIconBack) {
    EnterIcon("icons.exe", "1");
    ASSERT_TRUE(PreviewShows(kGreen));

    const MissingCase& c = GetParam();
    ExpectBox(IDOK);
    EnterIcon(c.file, c.number);
    ExpectIconMissingBox(0);
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "icons.exe");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "1");
    EXPECT_TRUE(PreviewShows(kGreen));

    // Leaving the reverted field again shows no second message.
    LeaveField(IDC_ICON_NUMBER);
    EXPECT_EQ(Boxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    FilesAndNumbers, IconMissing,
    testing::Values(MissingCase{"NumberBeyondTheGroups", "icons.exe", "3"},
                    MissingCase{"SecondImageOfAnIconFile", "art\\several.ico", "1"},
                    // ExtractIconA answers -1 with the number of icons, not with an icon.
                    MissingCase{"MinusOne", "icons.exe", "-1"},
                    MissingCase{"NumberBeyondInt", "icons.exe", "99999999999999"},
                    // ExtractIconA answers 1 for a file of the wrong kind.
                    MissingCase{"NotAnIconFile", "notes.txt", "0"},
                    // A program of the system passes the reference check without lying on
                    // the CD; there is no file of that name in the root to take an icon from.
                    MissingCase{"SystemProgramNotOnTheCd", "notepad.exe", "0"}),
    CaseName());

TEST_F(IconPreview, DrawsAtTheMarkersCornerInsideTheFrame) {
    EnterIcon("icons.exe", "2");
    HWND dialog = Dialog().Handle();
    ASSERT_TRUE(PreviewShows(kBlue));
    // At the marker's corner, unless the icon would then reach past the frame: then it moves
    // up and left to the frame's inner edge.
    RECT marker = {};
    GetWindowRect(GetDlgItem(dialog, IDC_ICON_MARKER), &marker);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&marker), 2);
    const RECT area = PreviewArea(dialog);
    const RECT icon = ColourAroundPreview(dialog, kBlue).bounds;
    EXPECT_TRUE(icon.left == marker.left || (icon.left < marker.left && icon.right == area.right));
    EXPECT_TRUE(icon.top == marker.top || (icon.top < marker.top && icon.bottom == area.bottom));

    // Painted again from the kept icon after the window was covered.
    InvalidateRect(dialog, nullptr, TRUE);
    EXPECT_TRUE(PreviewShows(kBlue));
}

TEST_F(IconPreview, AClearedFileFieldRemovesThePreviewButKeepsTheShownValues) {
    EnterIcon("icons.exe", "1");
    SetField(IDC_ICON_FILE, "");
    LeaveField(IDC_ICON_FILE);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ColourAroundPreview(Dialog().Handle(), kGreen).pixels, 0);
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "1");

    // A later failure puts the last shown values back, not the empty field.
    ExpectBox(IDOK);
    EnterIcon("icons.exe", "7");
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "icons.exe");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "1");
}

TEST_F(IconPreview, LeavingAnUnchangedFieldDoesNothing) {
    EnterIcon("icons.exe", "1");
    // Checked again, the reference would now be reported missing.
    DeleteFileA((Root() + "icons.exe").c_str());
    LeaveField(IDC_ICON_FILE);
    LeaveField(IDC_ICON_NUMBER);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(PreviewShows(kGreen));
}

TEST_F(IconPreview, WithoutMessagesAFailureOnlyPutsTheFieldsBack) {
    EnterIcon("icons.exe", "1");
    SetField(IDC_ICON_NUMBER, "5");
    Dialog().UpdateIcon(false);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "1");
    // The update cleared the change flag: leaving the field checks nothing, or the file gone
    // in the meantime would be reported.
    DeleteFileA((Root() + "icons.exe").c_str());
    LeaveField(IDC_ICON_NUMBER);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(IconPreview, AFileOutsideTheRootIsRefusedWhenItsCopyIsDeclined) {
    WriteFile("outside.exe", FileContent(WinePath(THREE_ICONS_EXE)));
    EnterIcon("icons.exe", "1");

    ExpectFileChoice(CdDir() + "outside.exe");
    ExpectBox(IDNO);
    Click(IDC_BROWSE_ICON_FILE);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, LoadResourceString(IDS_OUTSIDE_ROOT_QUESTION));
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "icons.exe");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "1");
    EXPECT_TRUE(PreviewShows(kGreen));
    EXPECT_FALSE(FileExists("cd\\outside.exe"));
}

TEST_F(IconPreview, AFileOutsideTheRootIsShownFromItsCopy) {
    WriteFile("outside.exe", FileContent(WinePath(THREE_ICONS_EXE)));
    EnterIcon("icons.exe", "1");

    ExpectFileChoice(CdDir() + "outside.exe");
    ExpectBox(IDYES);
    Click(IDC_BROWSE_ICON_FILE);
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "outside.exe");
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), "0");
    EXPECT_TRUE(PreviewShows(kRed));
    EXPECT_TRUE(FileExists("cd\\outside.exe"));
}

TEST_F(IconPreview, BrowseStartsAtTheFieldsFileAndOffersIconFiles) {
    EnterIcon("art\\several.ico", "0");
    std::string directory;
    std::string file;
    std::string filter;
    DWORD flags = 0;
    HWND owner = nullptr;
    SetOpenFileScript([&](OPENFILENAMEA& description) {
        directory = description.lpstrInitialDir;
        file = description.lpstrFile;
        const char* end = description.lpstrFilter;
        while (*end != '\0')
            end += std::string(end).size() + 1;
        filter.assign(description.lpstrFilter, end);
        flags = description.Flags;
        owner = description.hwndOwner;
        return false;
    });
    Click(IDC_BROWSE_ICON_FILE);
    EXPECT_EQ(directory, Root() + "art\\");
    EXPECT_EQ(file, "several.ico");
    EXPECT_EQ(flags, 0x1804u);
    EXPECT_EQ(owner, Dialog().Handle());
    const char expected[] = "Alle Icon-Dateien\0*.ico;*.dll;*.exe\0Icondateien(*.ico)\0*.ico\0"
                            "Bibliotheken (*.dll)\0*.dll\0Ausf\xFChrbare Dateien\0*.exe\0";
    EXPECT_EQ(filter, std::string(expected, sizeof expected - 1));
    // Cancelled: nothing changed.
    EXPECT_EQ(FieldText(IDC_ICON_FILE), "art\\several.ico");
    EXPECT_TRUE(PreviewShows(kYellow));
}

// An icon the INF names that cannot be shown when the dialog opens: the fields name it all the
// same, and OK keeps the INF's value byte for byte until the user changes the fields.
struct UnshownCase {
    const char* name;
    const char* value; // of "Icon" in the INF
    const char* file;  // fields 110 and 111 after loading
    const char* number;
};

void PrintTo(const UnshownCase& c, std::ostream* out) {
    *out << c.name;
}

class UnshownIcon : public IconPreview, public testing::WithParamInterface<UnshownCase> {
protected:
    std::string Inf() const {
        return std::string("[AutoRun]\r\nOpen=icons.exe\r\nIcon=") + GetParam().value + "\r\n";
    }
    void OpenOnInf() {
        // Windows shows a bitmap as the drive's icon; the extractor cannot read one.
        WriteFile("cd\\logo.bmp", "BM: a bitmap's header and no icon");
        OpenDialog("cd\\AutoRun.INF", Inf().c_str());
    }
};

TEST_P(UnshownIcon, IsNamedByTheFieldsAndKeptByOk) {
    OpenOnInf();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(FieldText(IDC_ICON_FILE), GetParam().file);
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), GetParam().number);
    EXPECT_FALSE(PreviewShows(kRed) || PreviewShows(kGreen) || PreviewShows(kBlue));
    Click(IDOK);
    EXPECT_EQ(ReadFile("cd\\AutoRun.INF"), Inf());
}

TEST_P(UnshownIcon, AFailedCheckPutsTheLoadedValuesBack) {
    OpenOnInf();
    ExpectBox(IDOK);
    EnterIcon("fehlt.ico", "0");
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, LoadResourceString(IDS_FILE_MISSING));
    EXPECT_EQ(FieldText(IDC_ICON_FILE), GetParam().file);
    EXPECT_EQ(FieldText(IDC_ICON_NUMBER), GetParam().number);
    Click(IDOK);
    EXPECT_EQ(ReadFile("cd\\AutoRun.INF"), Inf());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnshownIcon,
    testing::Values(UnshownCase{"FileMissing", "\"FREEDOS.ICO\"", "FREEDOS.ICO", "0"},
                    UnshownCase{"Bitmap", "logo.bmp", "logo.bmp", "0"},
                    UnshownCase{"NumberTheFileLacks", "icons.exe,7", "icons.exe", "7"},
                    UnshownCase{"OutsideTheRoot", "..\\icons.exe,1", "..\\icons.exe", "1"}),
    CaseName());

TEST_F(IconPreview, AnUnshownIconTheUserChangesIsWrittenFromTheFields) {
    const struct {
        const char* file;
        const char* number;
        const char* written;
    } cases[] = {
        // a number the file has: shown, and written as usual
        {"icons.exe", "1", "Icon=icons.exe,1"},
        // the file cleared: written as an empty file and the number, as ever
        {"", "7", "Icon=,7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        OpenDialog("cd\\AutoRun.INF", "[AutoRun]\r\nIcon=icons.exe,7\r\n");
        EnterIcon(c.file, c.number);
        EXPECT_TRUE(Boxes().empty());
        Click(IDOK);
        EXPECT_NE(ReadFile("cd\\AutoRun.INF").find(std::string(c.written) + "\r\n"),
                  std::string::npos);
    }
}

} // namespace
