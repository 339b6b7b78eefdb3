// "CD -> Abbild erstellen..." of the real editor under Wine, used with the keyboard: the image of
// a small CD is written where the save dialog says, with the CD's name as the user set it and
// its AutoRun.INF saved first when the user says so (image_menu_e2e.cmake then has the readers
// read it); "Abbrechen" in the progress window, a name the image cannot hold and "Nein" to the
// errors of the CD's check leave no file.
#include "cd_label_dlg_ids.h"
#include "copy_progress_window_ids.h"
#include "driver/mouse.h"
#include "editor_on_cd.h"
#include "resource_ids.h"
#include "string_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kCaption = StringTableText(IDS_IMAGE_CAPTION);
// The directory the images go to, outside the CD; the script that runs this test reads it.
const std::string kImageDir = WindowsPathOf(IMAGE_MENU_DIR) + "\\";
// The save dialog's file name field.
constexpr int kFileNameEdit = 0x47C;

bool IsSaveDialog(HWND window) {
    return ClassOf(window) == "#32770" && !IsMessageBox(window) &&
           FindDescendant(window, kFileNameEdit) != nullptr;
}

bool IsProgressWindow(HWND window) {
    return ClassOf(window) == "#32770" && !IsMessageBox(window) && WindowText(window) == kCaption;
}

// The names in the image directory, the temporary files of a writing among them.
std::vector<std::string> ImageDirNames() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((kImageDir + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != ".." && name != "expected")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

bool WriteFileAt(const std::string& path, const std::string& content) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
        written == content.size();
    CloseHandle(file);
    return ok;
}

class ImageMenu : public EditorOnCd {
protected:
    void SetUp() override {
        EditorOnCd::SetUp();
        CreateDirectoryA(kImageDir.c_str(), nullptr);
    }

    // Chooses the menu item and waits for the save dialog.
    HWND OpenSaveDialog() {
        EXPECT_TRUE(session_->ChooseMenuItem('C', 'A')) << DescribeKeyboard(session_->MainWindow());
        return WaitForWindowWhere(session_->Process().id(), IsSaveDialog);
    }

    // Names the image in the save dialog; the dialog goes.
    void ChooseImage(HWND dialog, const std::string& name) {
        EditorSession::ChooseFile(dialog, kImageDir + name);
        for (DWORD waited = 0; IsWindow(dialog) && waited < kWindowTimeoutMs; waited += 20)
            Sleep(20);
        ASSERT_FALSE(IsWindow(dialog)) << DescribeWindowsOf(session_->Process().id());
    }

    // The focus reaches a control of the main dialog only when no box holds it.
    void ExpectNoBox() {
        ASSERT_TRUE(session_->Focus(IDC_ICON_FILE))
            << "a box: " << DescribeWindowsOf(session_->Process().id());
        EXPECT_EQ(WaitForWindowWhere(session_->Process().id(), IsMessageBox, 0), nullptr);
    }
};

// A CD with a program, sub-directories and names in Windows-1252, capitals with umlauts and a
// blank among them; the CD's name set through the menu and not yet saved. "Ja" to saving first:
// the image holds the saved file, and the box says which medium it fits.
TEST_F(ImageMenu, WritesTheImageOfTheCdAsTheUserNamedIt) {
    const std::string expected = std::string(IMAGE_MENU_DIR) + "/expected/";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"Setup.exe", "MZ kein echtes Programm"},
        {"Programme\\\xDC"
         "berblick Datei.exe",
         "MZ \xDC"
         "berblick"},
        {"Unterordner\\Gr\xF6\xDF"
         "e.txt",
         "Windows-1252\r\n"},
        {"Unterordner\\\xC4rger.txt", "\xC4rger\r\n"},
        {"Unterordner\\leer.txt", ""}};
    for (const auto& [name, content] : files)
        ASSERT_TRUE(WriteCdFile(name, content)) << name;
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=,0\r\nopen=Setup.exe\r\n"));
    OpenCdInf();

    ASSERT_TRUE(session_->ChooseMenuItem('C', 'N'));
    HWND label = WaitForWindowWhere(session_->Process().id(), [](HWND window) {
        return ClassOf(window) == "#32770" && WindowText(window) == "Name der CD";
    });
    ASSERT_NE(label, nullptr) << DescribeWindowsOf(session_->Process().id());
    SendMessageA(GetDlgItem(label, IDC_CD_LABEL), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("Men\xFC: Abbild"));
    PressKeysIn(label, {VK_RETURN});
    for (DWORD waited = 0; IsWindow(label) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);

    ASSERT_TRUE(session_->ChooseMenuItem('C', 'A'));
    HWND question = WaitForBox();
    ASSERT_NE(question, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(ReadMessageBox(question).text, StringTableText(IDS_IMAGE_UNSAVED));
    AnswerMessageBox(question, IDYES);

    HWND dialog = WaitForWindowWhere(session_->Process().id(), IsSaveDialog);
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    // The name as typed, its ':' replaced; the file not yet saved when the menu was chosen.
    EXPECT_EQ(EditorSession::FileDialogName(dialog), "Men\xFC_ Abbild.iso");
    ASSERT_NO_FATAL_FAILURE(ChooseImage(dialog, "menu.iso"));

    HWND done = WaitForBox();
    ASSERT_NE(done, nullptr) << DescribeWindowsOf(session_->Process().id());
    // The box's size is the image's, in sectors (a few hundred: the smallest CD holds it).
    WIN32_FILE_ATTRIBUTE_DATA image{};
    ASSERT_TRUE(
        GetFileAttributesExA((kImageDir + "menu.iso").c_str(), GetFileExInfoStandard, &image));
    EXPECT_EQ(ReadMessageBox(done).text,
              std::string(StringTableText(IDS_IMAGE_WRITTEN)) + "\n\n" + kImageDir +
                  "menu.iso\n\nEs belegt " + std::to_string(image.nFileSizeLow / 2048) +
                  " Sektoren zu 2.048 Bytes und passt auf eine CD mit 650 MB (333.000 Sektoren).");
    AnswerMessageBox(done, IDOK);
    EXPECT_EQ(ImageDirNames(), std::vector<std::string>{"menu.iso"});
    // Saved before the image was written: the file and the image hold the same bytes.
    EXPECT_NE(CdInf().find("label=Men\xFC: Abbild\r\n"), std::string::npos) << CdInf();

    // What the readers must find in the image.
    const std::string expectedDir = WindowsPathOf(expected);
    CreateDirectoryA(expectedDir.c_str(), nullptr);
    CreateDirectoryA((expectedDir + "Unterordner").c_str(), nullptr);
    CreateDirectoryA((expectedDir + "Programme").c_str(), nullptr);
    for (const auto& [name, content] : files)
        ASSERT_TRUE(WriteFileAt(expectedDir + name, content));
    ASSERT_TRUE(WriteFileAt(expectedDir + "AutoRun.INF", CdInf()));
    CancelAndExpectEnd();
}

// Far more than the half second before the window comes takes to write: the window surely
// comes and is still there when it is cancelled. A sparse file: none of it lies on the disk.
constexpr std::uint64_t kLargeSize = std::uint64_t{3} << 30;

// Most INFs name their icon without a number. OK writes it back with one ("disc.ico,0"), but
// Windows reads both alike: that is no change of the user's, and nothing is asked.
TEST_F(ImageMenu, AnIconWithoutItsNumberAsksNothing) {
    ASSERT_TRUE(CopyToCd(WindowsPathOf(std::string(ICON_DATA_DIR) + "/red.ico"), "disc.ico"));
    ASSERT_TRUE(WriteCdFile("Setup.exe", "MZ"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nicon=disc.ico\r\nopen=Setup.exe\r\n"));
    OpenCdInf();

    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    PressKeysIn(dialog, {VK_ESCAPE});
}

TEST_F(ImageMenu, AbbrechenLeavesNoImageAndNoTemporaryFile) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=,0\r\nopen=Gross.bin\r\n"));
    const HANDLE file = CreateFileA((CdRoot() + "Gross.bin").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(kLargeSize);
    EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);
    DeleteFileA((kImageDir + "gross.iso").c_str());
    OpenCdInf();

    // Nothing changed: no question before the save dialog.
    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(ChooseImage(dialog, "gross.iso"));
    HWND progress = WaitForWindowWhere(session_->Process().id(), IsProgressWindow);
    ASSERT_NE(progress, nullptr) << DescribeWindowsOf(session_->Process().id());
    EXPECT_EQ(WindowText(GetDlgItem(progress, IDC_COPY_FILE)), "gross.iso");
    EXPECT_EQ(WindowText(GetDlgItem(progress, IDC_COPY_LABEL)), StringTableText(IDS_IMAGE_LABEL));

    // Cancelled once the writing has begun, when the image's temporary file exists.
    const auto written = [progress] {
        return WindowText(GetDlgItem(progress, IDC_COPY_BYTES)).rfind("0 von", 0) != 0;
    };
    for (DWORD waited = 0; !written() && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    ASSERT_TRUE(written()) << WindowText(GetDlgItem(progress, IDC_COPY_BYTES));
    ClickWithMouse(GetDlgItem(progress, IDCANCEL));
    for (DWORD waited = 0; IsWindow(progress) && waited < kWindowTimeoutMs; waited += 20)
        Sleep(20);
    ASSERT_FALSE(IsWindow(progress)) << "the writing did not stop";
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    for (const std::string& name : ImageDirNames())
        EXPECT_EQ(name.find("gross"), std::string::npos) << name << " was left";
    CancelAndExpectEnd();
}

TEST_F(ImageMenu, ANameTheImageCannotHoldIsShownAndNothingIsWritten) {
    // The box names the path in Windows-1252 as it lies on the CD.
    const std::string longName = "\xDC" + std::string(64, 'n') + ".txt";
    ASSERT_TRUE(WriteCdFile("\xC4rger\\" + longName, "x"));
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=,0\r\nopen=Setup.exe\r\n"));
    DeleteFileA((kImageDir + "refused.iso").c_str());
    OpenCdInf();

    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(ChooseImage(dialog, "refused.iso"));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    const std::string text = ReadMessageBox(box).text;
    EXPECT_EQ(text.rfind(StringTableText(IDS_IMAGE_REFUSED), 0), 0u) << text;
    EXPECT_NE(text.find("64 UTF-16-Einheiten (ein Zeichen jenseits von U+FFFF belegt zwei), die "
                        "Joliet erlaubt: \xC4rger\\" +
                        longName),
              std::string::npos)
        << text;
    AnswerMessageBox(box, IDOK);
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    for (const std::string& name : ImageDirNames())
        EXPECT_EQ(name.find("refused"), std::string::npos) << name << " was left";
    CancelAndExpectEnd();
}

// The check of the CD as it is saved finds a program that is missing: the box names it and asks;
// "Nein" writes nothing.
TEST_F(ImageMenu, TheChecksErrorsAreShownAndNeinWritesNothing) {
    ASSERT_TRUE(WriteCdFile("AutoRun.INF", "[AutoRun]\r\nIcon=,0\r\nopen=Fehlt.exe\r\n"));
    DeleteFileA((kImageDir + "fehler.iso").c_str());
    OpenCdInf();

    HWND dialog = OpenSaveDialog();
    ASSERT_NE(dialog, nullptr) << DescribeWindowsOf(session_->Process().id());
    ASSERT_NO_FATAL_FAILURE(ChooseImage(dialog, "fehler.iso"));
    HWND box = WaitForBox();
    ASSERT_NE(box, nullptr) << DescribeWindowsOf(session_->Process().id());
    const std::string text = ReadMessageBox(box).text;
    EXPECT_EQ(text.rfind(StringTableText(IDS_IMAGE_CHECK_ERRORS), 0), 0u) << text;
    EXPECT_NE(text.find("Fehlt.exe"), std::string::npos) << text;
    EXPECT_NE(text.find(StringTableText(IDS_IMAGE_CONTINUE)), std::string::npos) << text;
    AnswerMessageBox(box, IDNO);
    ASSERT_NO_FATAL_FAILURE(ExpectNoBox());
    for (const std::string& name : ImageDirNames())
        EXPECT_EQ(name.find("fehler"), std::string::npos) << name << " was written";
    CancelAndExpectEnd();
}

} // namespace
