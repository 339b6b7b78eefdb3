// The icon preview: fields 110 (file) and 111 (number) name the CD's icon; the dialog shows
// it beside them and keeps the fields at the last values for which an icon could be shown.
#include "marlisk_dlg.h"

#include "file_help.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <shellapi.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The number field is read up to this many characters.
constexpr int kNumberLength = 15;

// ExtractIconA's answer for a file that is no program, library or icon file.
const HICON kNotAnIconFile = reinterpret_cast<HICON>(static_cast<INT_PTR>(1));

// Flags of the browse dialog: only an existing file in an existing directory, no read-only box.
constexpr DWORD kBrowseFlags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

void CopyPath(char* target, const char* source) {
    std::strncpy(target, source, kPathCapacity - 1);
    target[kPathCapacity - 1] = '\0';
}

// The number as atoi reads it (leading white space, a sign, digits; none gives 0), except that
// a value beyond int's range is held at its end instead of being undefined.
int IconNumber(const char* text) {
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// The icon of that number in the file, or nullptr when there is none. Only a real icon handle
// comes back: ExtractIconA answers -1 with the number of icons in the file and a file of the
// wrong kind with 1, and neither may be drawn or destroyed.
HICON ExtractIconOf(const char* path, int number) {
    if (number == -1)
        return nullptr;
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), path, static_cast<UINT>(number));
    return icon == kNotAnIconFile ? nullptr : icon;
}

// A filter string from the table, its '|' turned into the separators the file dialog expects.
std::string FileDialogFilter(unsigned id) {
    std::string filter = LoadResourceString(id);
    for (char& c : filter) {
        if (c == '|')
            c = '\0';
    }
    // The list ends with an empty pair: two terminators, whatever the text ended with.
    filter.append(2, '\0');
    return filter;
}

} // namespace

void MarliskDlg::UpdateIcon(bool messages) {
    std::array<char, kPathCapacity> path{};
    iconFile_.GetText(path.data(), kPathCapacity);
    if (path[0] == '\0') {
        // The shown values stay: they are what the fields go back to after a later failure.
        icon_.Reset();
        InvalidateRect(Handle(), nullptr, TRUE);
        iconChanged_ = false;
        return;
    }

    CopyPath(path.data(), MakeAbsolute(path.data()));
    HICON icon = nullptr;
    int number = 0;
    if (CheckFileReference(path.data(), messages)) {
        std::array<char, kNumberLength + 2> numberText{};
        iconNumber_.GetText(numberText.data(), kNumberLength + 1);
        number = IconNumber(numberText.data());
        icon = ExtractIconOf(path.data(), number);
        if (icon == nullptr && messages) {
            ShowMessageBox(Handle(), LoadResourceString(IDS_ICON_MISSING).c_str(),
                           LoadResourceString(IDS_ERROR_CAPTION).c_str(), MB_OK);
        }
    }
    const char* relative = icon != nullptr ? RelativePart(path.data()) : nullptr;

    if (relative == nullptr) {
        // The preview keeps the icon it showed; the fields name it again.
        if (icon != nullptr)
            DestroyIcon(icon);
        iconFile_.SetText(shownIconFile_);
        iconNumber_.SetText(std::to_string(shownIconNumber_));
    } else {
        icon_.Reset(icon);
        InvalidateRect(Handle(), nullptr, TRUE);
        shownIconFile_ = relative;
        shownIconNumber_ = number;
        // The number field keeps the text as typed; the INF gets the number alone.
        iconFile_.SetText(shownIconFile_);
    }
    // Setting the fields above raised the flag again.
    iconChanged_ = false;
}

void MarliskDlg::PaintIconPreview(HDC dc) {
    if (!icon_)
        return;
    // The marker is hidden: it only tells where the icon goes, inside the visible frame.
    const RECT marker = iconMarker_.ClientRectInParent();
    DrawIcon(dc, marker.left, marker.top, icon_.Get());
}

void MarliskDlg::BrowseIconFile() {
    std::array<char, kPathCapacity> path{};
    CopyPath(path.data(), MakeAbsolute(iconFile_.GetText().c_str()));

    std::array<char, kPathCapacity> directory{};
    CopyPath(directory.data(), theFileHelp->DirectoryOf(path.data()));
    std::array<char, kPathCapacity> file{};
    CopyPath(file.data(), theFileHelp->FileNameOf(path.data()));

    const std::string filter = FileDialogFilter(IDS_ICON_FILTER);
    OPENFILENAMEA choice = {};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Handle();
    choice.lpstrFilter = filter.c_str();
    choice.lpstrFile = file.data();
    choice.nMaxFile = kPathCapacity;
    choice.lpstrInitialDir = directory.data();
    choice.Flags = kBrowseFlags;
    if (!ShowOpenFileDialog(choice))
        return;

    iconFile_.SetText(file.data());
    iconNumber_.SetText("0");
    UpdateIcon(true);
}

void MarliskDlg::IconFieldLeft() {
    if (iconChanged_)
        UpdateIcon(true);
}
