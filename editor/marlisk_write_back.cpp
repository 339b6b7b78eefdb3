// Writing the dialog back into the AutoRun.INF: on OK, before the CD's image is made, and
// into a copy of the document that the CD's check reads.
#include "marlisk_dlg.h"

#include "autorun_inf.h"
#include "inf_names.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"
#include "unshared_changes.h"
#include "windows_reading.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A value goes back into the document only when the user changed its field: a field shows
// "?" for the characters code page 1252 lacks and reads only the start of a long value, and
// the document keeps the value whole. A key the file lacks is created, also empty.
void SetFromField(INIFile& document, const char* sectionName, const char* key,
                  const char* fieldText) {
    const char* loaded = document.GetString(sectionName, key, nullptr);
    if (loaded == nullptr || !autorun::ShowsUnchanged(loaded, fieldText, kTextCapacity - 1))
        document.SetString(sectionName, key, fieldText);
}

// "Diese Änderungen gelten nur für [AutoRun]: open, icon. 64-Bit-Windows liest
// [AutoRun.Amd64]. Sollen sie dort auch eingetragen werden?"
std::string CarryQuestion(const std::string& edited,
                          const std::vector<autorun::UnsharedChange>& misses) {
    std::string text = LoadResourceString(IDS_CHANGES_ONLY_FOR);
    text += " [";
    text += edited;
    text += "]:";
    std::vector<std::string_view> keys;
    for (const autorun::UnsharedChange& miss : misses)
        for (const std::string& key : miss.keys)
            if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
                text += keys.empty() ? " " : ", ";
                text += key;
                keys.push_back(key);
            }
    for (const autorun::UnsharedChange& miss : misses) {
        text += ". ";
        AppendWindowsReading(text, miss.section, IDS_WINDOWS_X64, IDS_WINDOWS_X86);
        text += ' ';
        text += LoadResourceString(IDS_WINDOWS_READS);
        text += " [";
        text += miss.section;
        text += ']';
    }
    text += ". ";
    text += LoadResourceString(IDS_CARRY_QUESTION);
    return text;
}

} // namespace

bool MarliskDlg::CarryChangesOnRequest(HWND owner) {
    // What changed is what differs from the file as it lies on the disk.
    const INIFile saved(infPath_.c_str());
    const std::vector<autorun::UnsharedChange> misses =
        autorun::ChangesOtherSectionsMiss(saved, *document_, section_);
    if (misses.empty())
        return true;
    const int answer =
        ShowMessageBox(owner, CarryQuestion(section_, misses).c_str(),
                       LoadResourceString(IDS_CAPTION).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES)
        autorun::CarryChanges(*document_, section_, misses);
    return answer != IDCANCEL;
}

void MarliskDlg::RequestClose(int result) {
    if (result != IDOK) {
        TDialog::RequestClose(result);
        return;
    }
    WriteBackFields();
    // Abbrechen: the user goes back to the dialog, and nothing is saved.
    if (!CarryChangesOnRequest(Handle()))
        return;

    // The user learns now whether the file was written, and can free space and try again or
    // leave with "Abbruch"; the dialog stays open.
    if (!document_->Save()) {
        ShowError(IDS_SAVE_FAILED);
        return;
    }
    TDialog::RequestClose(result);
}

void MarliskDlg::WriteBackFields() {
    // Enter in the name field of an entry: the new name is applied as leaving the field would
    // apply it, before the entries are written. A file field typed and not left is written as
    // typed.
    RunPendingCheck(IDC_ENTRY_NAME);
    WriteFieldsInto(*document_);
}

void MarliskDlg::WriteFieldsInto(INIFile& document) {
    std::array<char, kTextCapacity> text{};

    autoPlayFile_.GetText(text.data(), kTextCapacity);
    SetFromField(document, section_.c_str(), inf_names::Open(), text.data());

    const std::string icon = iconFields_.ValueOf(iconFile_.GetText(), iconNumber_.GetText());
    if (!icon.empty())
        document.SetString(section_.c_str(), inf_names::Icon(), icon.c_str());

    if (useStarter_.IsChecked()) {
        const struct {
            const TEdit& field;
            unsigned key;
        } values[] = {
            {headline_, IDS_HEADLINE}, {questionText_, IDS_TEXT}, {starterProgram_, IDS_EXEC}};
        for (const auto& value : values) {
            value.field.GetText(text.data(), kTextCapacity);
            SetFromField(document, inf_names::Orbilan(), LoadResourceString(value.key).c_str(),
                         text.data());
        }
    } else {
        document.RemoveSection(IDS_ORBILAN);
    }

    WritePopupEntries(document);
}
