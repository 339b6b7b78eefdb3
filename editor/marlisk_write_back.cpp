// Writing the dialog back into the AutoRun.INF: on OK, before the CD's image is made, and
// into a copy of the document that the CD's check reads.
#include "marlisk_dlg.h"

#include "autorun_inf.h"
#include "modal_boxes.h"
#include "string_ids.h"
#include "string_resource.h"

#include <array>
#include <string>

namespace {

// A value goes back into the document only when the user changed its field: a field shows
// "?" for the characters code page 1252 lacks and reads only the start of a long value, and
// the document keeps the value whole. A key the file lacks is created, also empty.
void SetFromField(INIFile& document, unsigned sectionId, unsigned keyId, const char* fieldText) {
    const char* loaded = document.GetString(sectionId, keyId, nullptr);
    if (loaded == nullptr || !autorun::ShowsUnchanged(loaded, fieldText, kTextCapacity - 1))
        document.SetString(sectionId, keyId, fieldText);
}

} // namespace

void MarliskDlg::RequestClose(int result) {
    if (result != IDOK) {
        TDialog::RequestClose(result);
        return;
    }
    WriteBackFields();

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
    SetFromField(document, IDS_AUTORUN, IDS_OPEN, text.data());

    const std::string icon = iconFields_.ValueOf(iconFile_.GetText(), iconNumber_.GetText());
    if (!icon.empty())
        document.SetString(IDS_AUTORUN, IDS_ICON, icon.c_str());

    if (useStarter_.IsChecked()) {
        const struct {
            const TEdit& field;
            unsigned key;
        } values[] = {
            {headline_, IDS_HEADLINE}, {questionText_, IDS_TEXT}, {starterProgram_, IDS_EXEC}};
        for (const auto& value : values) {
            value.field.GetText(text.data(), kTextCapacity);
            SetFromField(document, IDS_ORBILAN, value.key, text.data());
        }
    } else {
        document.RemoveSection(IDS_ORBILAN);
    }

    WritePopupEntries(document);
}
