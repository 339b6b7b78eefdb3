#include "platforms_dlg.h"

#include "ascii_case.h"
#include "autorun_inf.h"
#include "inf_editing_dialog.h"
#include "modal_boxes.h"
#include "platform_sections.h"
#include "string_ids.h"
#include "string_resource.h"
#include "windows_reading.h"

namespace {

// The popup menu of "Hinzufügen", destroyed however the choice ends.
class PopupMenu {
public:
    PopupMenu() : menu_(CreatePopupMenu()) {}
    ~PopupMenu() { DestroyMenu(menu_); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

} // namespace

PlatformsDlg::PlatformsDlg(InfEditingDialog& editing)
    : TDialog(nullptr, IDD_PLATFORMS), editing_(editing), chosen_(editing.EditedSection()) {
    // One kind of handler for all: each lambda's type would cost the editor a handler of its own.
    static constexpr struct {
        int id;
        TNotification notification;
        void (PlatformsDlg::*run)();
    } kResponses[] = {
        {IDC_PLATFORM_LIST, TNotification::SelectionChanged, &PlatformsDlg::FollowSelection},
        {IDC_PLATFORM_LIST, TNotification::DoubleClick, &PlatformsDlg::EditSelected},
        {IDC_PLATFORM_ADD, TNotification::Click, &PlatformsDlg::Add},
        {IDC_PLATFORM_REMOVE, TNotification::Click, &PlatformsDlg::Remove},
        {IDC_PLATFORM_HELP, TNotification::Click, &PlatformsDlg::ShowHelp},
    };
    for (const auto& response : kResponses)
        Bind(response.id, response.notification, [this, run = response.run] { (this->*run)(); });
    BindHelp([this](int) { ShowHelp(); });
}

void PlatformsDlg::SetupWindow() {
    TDialog::SetupWindow();
    Refill(editing_.EditedSection());
}

void PlatformsDlg::RequestClose(int result) {
    // "Bearbeiten": changes the edited section leaves out of the others are asked for first, as
    // OK asks for them; Abbrechen stays here.
    if (result == IDOK) {
        const std::string* selected = Selected();
        if (selected == nullptr)
            return;
        if (!IsEdited(*selected) && !editing_.CarryChangesOnRequest(Handle()))
            return;
        chosen_ = *selected;
    }
    TDialog::RequestClose(result);
}

void PlatformsDlg::Refill(const std::string& selected) {
    const autorun::InfView view(editing_.Document(), false);
    sections_ = autorun::AutoRunSectionsOf(view);
    addable_ = autorun::SectionsToAdd(view);
    list_.ClearList();
    int selectedLine = 0;
    for (const std::string& name : sections_) {
        const int line = list_.AddString(LineOf(name));
        if (ascii_case::Same(name, selected))
            selectedLine = line;
    }
    list_.SetSelIndex(selectedLine);
    add_.EnableWindow(!addable_.empty());
    FollowSelection();
}

std::string PlatformsDlg::LineOf(const std::string& sectionName) const {
    std::string line(1, '[');
    line += sectionName;
    line += "] \x96 ";
    if (autorun::IsProcessorSection(sectionName))
        AppendWindowsReading(line, sectionName, IDS_PLATFORM_X64, IDS_PLATFORM_X86);
    else
        line += LoadResourceString(IDS_PLATFORM_ANY);
    if (IsEdited(sectionName)) {
        line += ' ';
        line += LoadResourceString(IDS_PLATFORM_EDITED);
    }
    return line;
}

bool PlatformsDlg::IsEdited(const std::string& sectionName) const {
    return ascii_case::Same(sectionName, editing_.EditedSection());
}

const std::string* PlatformsDlg::Selected() const {
    const int line = list_.GetSelIndex();
    if (line < 0 || static_cast<std::size_t>(line) >= sections_.size())
        return nullptr;
    return &sections_[static_cast<std::size_t>(line)];
}

void PlatformsDlg::FollowSelection() {
    // The edited section stays while the main dialog shows it.
    const std::string* selected = Selected();
    remove_.EnableWindow(selected != nullptr && !IsEdited(*selected));
}

void PlatformsDlg::Add() {
    PopupMenu menu;
    for (std::size_t index = 0; index < addable_.size(); ++index)
        AppendMenuA(menu.Get(), MF_STRING, index + 1, LineOf(addable_[index]).c_str());
    RECT button{};
    GetWindowRect(add_.Handle(), &button);
    const int chosen = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                      button.left, button.bottom, 0, Handle(), nullptr);
    if (chosen <= 0)
        return;
    const std::string added = addable_[static_cast<std::size_t>(chosen - 1)];
    autorun::AddSectionAsCopy(editing_.Document(), editing_.EditedSection(), added);
    Refill(added);
}

void PlatformsDlg::Remove() {
    const std::string* selected = Selected();
    if (selected == nullptr || IsEdited(*selected))
        return;
    const std::string removed = *selected;
    // Who reads what then: a processor's Windows fall back on [AutoRun] when the file has it.
    bool autoRunStays = false;
    if (autorun::IsProcessorSection(removed))
        for (const std::string& name : sections_)
            autoRunStays = autoRunStays || !autorun::IsProcessorSection(name);
    std::string text = LoadResourceString(IDS_REMOVE_SECTION);
    text += "\n\n";
    text += LineOf(removed);
    text += "\n\n";
    text += LoadResourceString(autoRunStays ? IDS_THEN_READ_AUTORUN : IDS_THEN_READ_NOTHING);
    if (ShowMessageBox(Handle(), text.c_str(), LoadResourceString(IDS_CAPTION).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return;
    editing_.Document().RemoveSection(removed.c_str());
    Refill(editing_.EditedSection());
    // The button the user pressed is disabled now.
    SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_.Handle()), TRUE);
}

void PlatformsDlg::ShowHelp() {
    editing_.Help().Open(editing_.Handle(), IDC_PLATFORM_LIST);
}
