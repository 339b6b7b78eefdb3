// The way from a finding of the CD's check to the field that edits what it is about.
#include "marlisk_dlg.h"

#include "ascii_case.h"

void MarliskDlg::GoToFinding(const FindingTarget& target) {
    const TControl* control = nullptr;
    // The starter's fields are disabled while it is not in use: its check box then.
    const bool starterOn = useStarter_.IsChecked();
    switch (target.place) {
    case FindingPlace::kNone:
    case FindingPlace::kCdLabel:
        return;
    case FindingPlace::kAutoPlayFile:
        control = &autoPlayFile_;
        break;
    case FindingPlace::kIconFile:
        control = &iconFile_;
        break;
    case FindingPlace::kHeadline:
        control = starterOn ? static_cast<const TControl*>(&headline_) : &useStarter_;
        break;
    case FindingPlace::kQuestionText:
        control = starterOn ? static_cast<const TControl*>(&questionText_) : &useStarter_;
        break;
    case FindingPlace::kStarterProgram:
        control = starterOn ? static_cast<const TControl*>(&starterProgram_) : &useStarter_;
        break;
    case FindingPlace::kEntry:
        for (unsigned index = 0; index < entries_.GetItemsInContainer(); ++index) {
            if (ascii_case::Same(entries_[index].name, target.entry)) {
                const int shown = static_cast<int>(index);
                SendMessageA(entryList_.Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(shown),
                             MAKELPARAM(TRUE, 0));
                entryList_.SetSelIndex(shown);
                SelectEntry();
                break;
            }
        }
        control = &entryList_;
        break;
    }
    SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->Handle()), TRUE);
}
