#include "marlisk_fixture.h"
#include "resource_ids.h"

#include "file_help.h"
#include "the_file_help.h"

#include <cstring>
#include <fstream>
#include <sstream>

namespace {

std::string MakeTempDirectory() {
    char base[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = GetTickCount();; ++attempt) {
        const std::string directory =
            std::string(base) + "quillot-test-" + std::to_string(attempt % 1000000) + "\\";
        if (CreateDirectoryA(directory.c_str(), nullptr))
            return directory;
    }
}

void RemoveTree(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = directory + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + "\\");
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

} // namespace

void MarliskFixture::SetUp() {
    if (theFileHelp == nullptr)
        theFileHelp = new FileHelp(GetModuleHandleA(nullptr));
    cdDir_ = MakeTempDirectory();
    SetMessageBoxScript([this](const MessageBoxRequest& request) {
        boxes_.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected message box \"" << request.caption
                          << "\": " << request.text;
            return (request.type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.whileShown)
            answer.whileShown();
        return answer.answer;
    });
    SetOpenFileScript([this](OPENFILENAMEA& description) {
        fileDialogs_.push_back(description);
        if (fileChoices_.empty()) {
            ADD_FAILURE() << "unexpected file dialog";
            return false;
        }
        const std::string choice = fileChoices_.front();
        fileChoices_.pop_front();
        if (choice.empty())
            return false;
        std::strncpy(description.lpstrFile, choice.c_str(), description.nMaxFile - 1);
        description.lpstrFile[description.nMaxFile - 1] = '\0';
        return true;
    });
}

void MarliskFixture::TearDown() {
    dialog_.reset();
    SetMessageBoxScript(nullptr);
    SetOpenFileScript(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected message box(es) never came";
    EXPECT_TRUE(fileChoices_.empty()) << "an expected file dialog never came";
    RemoveTree(cdDir_);
}

void MarliskFixture::WriteFile(const std::string& path, const std::string& content) {
    const std::string full = path.find(':') != std::string::npos ? path : cdDir_ + path;
    for (size_t slash = full.find('\\', 3); slash != std::string::npos;
         slash = full.find('\\', slash + 1))
        CreateDirectoryA(full.substr(0, slash).c_str(), nullptr);
    std::ofstream out(full, std::ios::binary | std::ios::trunc);
    out << content;
    ASSERT_TRUE(out.good()) << "cannot write " << full;
}

std::string MarliskFixture::ReadFile(const std::string& path) const {
    const std::string full = path.find(':') != std::string::npos ? path : cdDir_ + path;
    std::ifstream in(full, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool MarliskFixture::FileExists(const std::string& path) const {
    const std::string full = path.find(':') != std::string::npos ? path : cdDir_ + path;
    return GetFileAttributesA(full.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MarliskFixture::OpenDialog(const std::string& infPath, const char* content) {
    const std::string full = infPath.find(':') != std::string::npos ? infPath : cdDir_ + infPath;
    if (content != nullptr)
        WriteFile(full, content);
    dialog_ = std::make_unique<MarliskDlg>(nullptr, full.c_str());
    ASSERT_TRUE(dialog_->Create()) << "the dialog was not created";
}

void MarliskFixture::SetField(int id, const std::string& text) {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MarliskFixture::Type(int id, const std::string& text) {
    SetFocus(Item(id));
    SendMessageA(Item(id), EM_SETSEL, 0, -1);
    for (char c : text)
        SendMessageA(Item(id), WM_CHAR, static_cast<unsigned char>(c), 0);
}

void MarliskFixture::LeaveField(int id) {
    SetFocus(Item(id));
    // The entry list takes the focus: it has no lost-focus handler of its own.
    SetFocus(Item(IDC_ENTRY_LIST));
}

void MarliskFixture::Click(int id) {
    SendMessageA(Item(id), BM_CLICK, 0, 0);
}

std::string MarliskFixture::FieldText(int id) const {
    char text[1024] = "";
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
}

std::vector<std::string> MarliskFixture::ListItems() const {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(Item(IDC_ENTRY_LIST), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[1024] = "";
        SendMessageA(Item(IDC_ENTRY_LIST), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

int MarliskFixture::ListSelection() const {
    return static_cast<int>(SendMessageA(Item(IDC_ENTRY_LIST), LB_GETCURSEL, 0, 0));
}
