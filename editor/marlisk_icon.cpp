// The icon preview: fields 110 (file) and 111 (number) name the CD's icon; the dialog shows
// it beside them and keeps the fields at the last values for which an icon could be shown.
#include "marlisk_dlg.h"

#include "file_choice.h"
#include "number_text.h"
#include "root_references.h"

#include "file_help.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "the_file_help.h"

#include <shellapi.h>

#include <algorithm>
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

void CopyPath(char* target, const char* source) {
    std::strncpy(target, source, filehelp::kPathBufferSize - 1);
    target[filehelp::kPathBufferSize - 1] = '\0';
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

} // namespace

void MarliskDlg::UpdateIcon(bool messages) {
    const std::string text = iconFile_.GetText();
    if (text.empty()) {
        // The shown values stay: they are what the fields go back to after a later failure.
        icon_.Reset();
        InvalidateRect(Handle(), nullptr, TRUE);
        ClearChangeMark(IDC_ICON_FILE);
        return;
    }

    // A name that no path buffer holds is refused whole, as the other file fields refuse it:
    // cut to fit, it could name another file, whose icon would be taken without a word.
    const std::string full = root_references::AbsoluteReference(VirtualRoot(), text);
    const bool fits = full.size() <= filehelp::kMaxPathLength;
    if (!fits && messages) {
        ShowError(IDS_FILE_MISSING);
    }
    std::array<char, filehelp::kPathBufferSize> path{};
    CopyPath(path.data(), full.c_str());
    HICON icon = nullptr;
    int number = 0;
    if (fits && CheckFileReference(path.data(), messages)) {
        std::array<char, kNumberLength + 2> numberText{};
        iconNumber_.GetText(numberText.data(), kNumberLength + 1);
        number = ParseFieldNumber(numberText.data());
        icon = ExtractIconOf(path.data(), number);
        if (icon == nullptr && messages) {
            ShowError(IDS_ICON_MISSING);
        }
    }
    const char* relative = icon != nullptr ? RelativePart(path.data()) : nullptr;

    if (relative == nullptr) {
        // The preview keeps the icon it showed; the fields name it again.
        if (icon != nullptr)
            DestroyIcon(icon);
        iconFile_.SetTextQuietly(shownIconFile_);
        iconNumber_.SetTextQuietly(FormatFieldNumber(shownIconNumber_));
    } else {
        icon_.Reset(icon);
        InvalidateRect(Handle(), nullptr, TRUE);
        shownIconFile_ = relative;
        shownIconNumber_ = number;
        // The number field keeps the text as typed; the INF gets the number alone.
        iconFile_.SetTextQuietly(shownIconFile_);
    }
    // The fields name what is shown now: nothing of theirs is left to check, also when they
    // were set before the call (browse, starter check box).
    ClearChangeMark(IDC_ICON_FILE);
}

void MarliskDlg::KeepUnshownIcon(const icon_value::IconReference& icon) {
    // An icon the editor cannot show may still be the CD's: its file may not be on the CD yet,
    // or be of a kind (a bitmap) that Windows shows but the extractor cannot read. The fields
    // name it, and a failed check later goes back to it rather than to nothing.
    shownIconFile_ = icon.file;
    shownIconNumber_ = icon.number;
    iconFile_.SetTextQuietly(shownIconFile_);
    iconNumber_.SetTextQuietly(FormatFieldNumber(shownIconNumber_));
}

void MarliskDlg::PaintIconPreview(HDC dc) {
    if (!icon_)
        return;
    // The marker is hidden: it only tells where the icon goes. The icon is drawn at the
    // system's icon size, which grows with the display's scale, and kept inside the visible
    // frame that lies two dialog units around the marker: where the scale makes the icon
    // outgrow the marker, it moves up and left, and it shrinks only where the frame is smaller.
    const RECT marker = iconMarker_.ClientRectInParent();
    RECT margin = {0, 0, 2, 2};
    MapDialogRect(Handle(), &margin);
    const RECT inside = {marker.left - margin.right + 1, marker.top - margin.bottom + 1,
                         marker.right + margin.right - 1, marker.bottom + margin.bottom - 1};
    const int width = std::min<int>(GetSystemMetrics(SM_CXICON), inside.right - inside.left);
    const int height = std::min<int>(GetSystemMetrics(SM_CYICON), inside.bottom - inside.top);
    const int x = std::min<int>(marker.left, inside.right - width);
    const int y = std::min<int>(marker.top, inside.bottom - height);
    DrawIconEx(dc, x, y, icon_.Get(), width, height, 0, nullptr, DI_NORMAL);
}

void MarliskDlg::BrowseIconFile() {
    std::array<char, filehelp::kPathBufferSize> path{};
    CopyPath(path.data(), MakeAbsolute(iconFile_.GetText().c_str()));
    std::array<char, filehelp::kPathBufferSize> file{};
    if (!ChooseExistingFile(Handle(), path.data(), IDS_ICON_FILTER, file.data()))
        return;

    iconFile_.SetText(file.data());
    iconNumber_.SetText("0");
    UpdateIcon(true);
}
