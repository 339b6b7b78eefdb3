// Filling the dialog from the AutoRun.INF.
#include "marlisk_dlg.h"

#include "autorun_inf.h"
#include "icon_value.h"
#include "inf_names.h"
#include "modal_boxes.h"
#include "number_text.h"
#include "string_ids.h"
#include "string_resource.h"

#include <string>

void MarliskDlg::SetupWindow() {
    TDialog::SetupWindow();
    INIFile& document = *document_;

    LoadSectionFields();
    // What is set from here on keeps its change flag: the first time the user leaves such a
    // field, its loaded value is checked.
    ClearChangeMark(IDC_STARTER_PROGRAM);
    const std::string headline = document.GetString(IDS_ORBILAN, IDS_HEADLINE, "");
    const std::string text = document.GetString(IDS_ORBILAN, IDS_TEXT, "");
    const std::string exec = document.GetString(IDS_ORBILAN, IDS_EXEC, "");
    const bool starterInUse = !headline.empty() || !text.empty() || !exec.empty();
    if (starterInUse) {
        headline_.SetText(headline);
        questionText_.SetText(text);
        starterProgram_.SetText(exec);
    }
    useStarter_.SetCheck(starterInUse);
    ApplyStarterCheckBox();

    TellOfUtf8(document);
    TellOfProcessorSectionOnly();
}

void MarliskDlg::EditSection(const std::string& sectionName) {
    section_ = sectionName;
    entries_.Flush();
    currentEntry_ = nullptr;
    iconFields_ = {};
    shownIconFile_.clear();
    shownIconNumber_ = 0;
    iconFile_.SetText("");
    iconNumber_.SetText("");
    UpdateIcon(false);
    LoadSectionFields();
    // While the starter is in use, AutoPlay starts it from every section.
    if (!autoPlayFile_.IsWindowEnabled())
        autoPlayFile_.SetText(LoadResourceString(IDS_STARTER_FILE));
}

void MarliskDlg::LoadSectionFields() {
    INIFile& document = *document_;
    const char* section = section_.c_str();
    autoPlayFile_.SetText(document.GetString(section, inf_names::Open(), ""));

    const std::string iconValue = document.GetString(section, inf_names::Icon(), "");
    if (!iconValue.empty()) {
        const icon_value::IconReference icon = icon_value::SplitIconValue(iconValue);
        iconFile_.SetText(icon.file);
        iconNumber_.SetText(FormatFieldNumber(icon.number));
        UpdateIcon(false);
        const bool shown = static_cast<bool>(icon_);
        if (!shown)
            KeepUnshownIcon(icon);
        iconFields_.Loaded(iconFile_.GetText(), iconNumber_.GetText(), shown,
                           document.HasHiddenCharacters(section, inf_names::Icon()));
    }

    // What is set from here on keeps its change flag: the program loaded is the file's, an
    // entry's command is checked when it is first left.
    ClearChangeMark(IDC_AUTOPLAY_FILE);
    ClearChangeMark(IDC_ENTRY_COMMAND);
    LoadPopupEntries();
}

void MarliskDlg::TellOfProcessorSectionOnly() {
    if (!autorun::IsProcessorSection(section_))
        return;
    std::string text = LoadResourceString(IDS_PROCESSOR_SECTION_ONLY);
    text += " [";
    text += section_;
    text += "].";
    ShowMessageBox(Handle(), text.c_str(), LoadResourceString(IDS_CAPTION).c_str(),
                   MB_OK | MB_ICONINFORMATION);
}

// Windows does not read the UTF-8 mark: OK writes the file in a form it reads, and the user
// learns so before anything is changed. Abbruch leaves the file as it is.
void MarliskDlg::TellOfUtf8(const INIFile& document) {
    if (document.Encoding() != TextEncoding::kUtf8)
        return;
    const unsigned text = document.EncodingToWrite() == TextEncoding::kUtf16
                              ? IDS_UTF8_SAVED_AS_UTF16
                              : IDS_UTF8_SAVED_AS_ANSI;
    ShowMessageBox(Handle(), LoadResourceString(text).c_str(),
                   LoadResourceString(IDS_CAPTION).c_str(), MB_OK | MB_ICONINFORMATION);
}
