#include "autoplay_dlg.h"

#include "ascii_case.h"
#include "autoplay_values.h"
#include "inf_editing_dialog.h"
#include "marlisk_dlg.h"
#include "string_ids.h"
#include "string_resource.h"

#include <algorithm>
#include <utility>

namespace {

using autoplay_values::ContentChoice;
using autoplay_values::UseAutoPlayState;

// The lines of a content box follow ContentChoice's order; a value no Windows documents is
// the fourth, shown as the file spells it.
constexpr unsigned kContentLines[] = {IDS_CONTENT_UNSET, IDS_CONTENT_FORCE, IDS_CONTENT_HIDE};

// The box's states BST_UNCHECKED, BST_CHECKED and BST_INDETERMINATE are those of
// UseAutoPlayState in its order.
static_assert(BST_UNCHECKED == static_cast<unsigned>(UseAutoPlayState::kOff) &&
              BST_CHECKED == static_cast<unsigned>(UseAutoPlayState::kOn) &&
              BST_INDETERMINATE == static_cast<unsigned>(UseAutoPlayState::kOther));

} // namespace

AutoPlayDlg::AutoPlayDlg(InfEditingDialog& editing, const autorun::AutoPlaySettings& read)
    : TDialog(nullptr, IDD_AUTOPLAY), editing_(editing), read_(read), edited_(read),
      verbLines_(editing.EntryNames()) {
    BindControls();
}

void AutoPlayDlg::BindControls() {
    // A document is checked as the AutoPlay program's field checks its program.
    BindLeaveCheck({IDC_AUTOPLAY_DOCUMENT},
                   [this] { editing_.CheckCommandField(document_, Handle()); });
    Bind(IDC_BROWSE_AUTOPLAY_DOCUMENT, TNotification::Click,
         [this] { editing_.BrowseCommandField(document_, Handle(), IDS_DOCUMENT_FILTER); });
    // One page of the help is about all of the dialog.
    Bind(IDC_AUTOPLAY_HELP, TNotification::Click, [this] { ShowHelp(); });
    BindHelp([this](int) { ShowHelp(); });
}

void AutoPlayDlg::ShowHelp() {
    editing_.Help().Open(editing_.Handle(), IDC_AUTOPLAY_ACTION);
}

void AutoPlayDlg::SetupWindow() {
    TDialog::SetupWindow();
    // Typing stops where the INF's other values are cut; a longer text the file holds is shown
    // whole, and stays whole unless it is changed.
    for (const TEdit* field : {&action_, &document_})
        SendMessageA(field->Handle(), EM_LIMITTEXT, kTextCapacity - 1, 0);
    action_.SetText(read_.action);
    SetTextQuietly(IDC_AUTOPLAY_DOCUMENT, read_.shellExecute);
    useAutoPlay_.SetCheckState(
        static_cast<unsigned>(autoplay_values::ReadUseAutoPlay(read_.useAutoPlay)));

    for (std::size_t index = 0; index < content_.size(); ++index) {
        for (unsigned line : kContentLines)
            content_[index].AddString(LoadResourceString(line));
        const ContentChoice choice = autoplay_values::ReadContentChoice(read_.content[index]);
        if (choice == ContentChoice::kUnknown)
            content_[index].AddString(read_.content[index]);
        content_[index].SetSelIndex(static_cast<int>(choice));
    }
    FillDefaultVerbs();
}

void AutoPlayDlg::FillDefaultVerbs() {
    // Windows finds the entry whatever the letter case; a name that is no entry stays a line of
    // its own, so that leaving the list alone keeps it.
    const std::string& named = read_.defaultVerb;
    auto found = std::find_if(verbLines_.begin(), verbLines_.end(),
                              [&named](const auto& line) { return ascii_case::Same(line, named); });
    if (!named.empty() && found == verbLines_.end())
        found = verbLines_.insert(verbLines_.end(), named);
    defaultVerb_.AddString(LoadResourceString(IDS_AUTOPLAY_PROGRAM));
    for (const std::string& line : verbLines_)
        defaultVerb_.AddString(line);
    readVerbLine_ = named.empty() ? 0 : static_cast<int>(found - verbLines_.begin()) + 1;
    defaultVerb_.SetSelIndex(readVerbLine_);
}

std::string AutoPlayDlg::ChosenDefaultVerb() const {
    const int line = defaultVerb_.GetSelIndex();
    if (line == readVerbLine_)
        return read_.defaultVerb;
    return line <= 0 ? std::string() : verbLines_[static_cast<std::size_t>(line - 1)];
}

void AutoPlayDlg::RequestClose(int result) {
    if (result == IDOK) {
        edited_.action = action_.GetText();
        edited_.shellExecute = document_.GetText();
        edited_.useAutoPlay = autoplay_values::UseAutoPlayValueFor(
            static_cast<UseAutoPlayState>(useAutoPlay_.GetCheckState()), read_.useAutoPlay);
        for (std::size_t index = 0; index < content_.size(); ++index)
            edited_.content[index] = autoplay_values::ContentValueFor(
                static_cast<ContentChoice>(content_[index].GetSelIndex()), read_.content[index]);
        edited_.defaultVerb = ChosenDefaultVerb();
    }
    TDialog::RequestClose(result);
}
