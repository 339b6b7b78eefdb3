// The CD's name: key "label" of [AutoRun], which Explorer shows as the drive's name. The
// dialog has no room for it; the menu opens a dialog of its own. What that dialog's OK gives
// goes into the document like every other change: the file gets it with the main dialog's OK,
// and "Abbruch" drops it.
#include "menu_commands.h"

#include "cd_label_dlg.h"
#include "string_ids.h"
#include "string_resource.h"

#include <string>

namespace {

// The key as the INF writes it, in whatever letter case Windows accepts; the program's own
// spelling, the most common one, when there is none.
std::string LabelKeyOf(INIFile& document, const std::string& autoRun) {
    const rtext wanted(LoadResourceString(IDS_LABEL));
    const int count = document.EntryCount(autoRun.c_str());
    for (int index = 0; index < count; ++index) {
        const char* key = document.GetKey(autoRun.c_str(), static_cast<unsigned>(index));
        if (key != nullptr && rtext(key) == wanted)
            return key;
    }
    return wanted;
}

} // namespace

void MenuCommands::CopyCdLabel(INIFile& from, INIFile& to, const std::string& autoRun) {
    const std::string fromKey = LabelKeyOf(from, autoRun);
    const std::string toKey = LabelKeyOf(to, autoRun);
    const std::string label = from.GetExactString(autoRun.c_str(), fromKey.c_str(), "");
    if (label == to.GetExactString(autoRun.c_str(), toKey.c_str(), ""))
        return;
    if (label.empty())
        to.RemoveExactEntry(autoRun.c_str(), toKey.c_str());
    else
        to.SetExactString(autoRun.c_str(), toKey.c_str(), label.c_str());
}

void MenuCommands::EditCdLabel() {
    // The dialog takes the focus from the field the user was in: that field's check runs
    // now, before the dialog is there, and not inside it.
    editing_.RunPendingLeaveCheck();
    INIFile& document = editing_.Document();
    const std::string& autoRun = editing_.EditedSection();
    const std::string key = LabelKeyOf(document, autoRun);
    const std::string current = document.GetExactString(autoRun.c_str(), key.c_str(), "");

    CdLabelDlg dialog(current);
    if (dialog.Execute(editing_.Handle()) != IDOK)
        return;
    // A name left as it was is not touched: its bytes stay, and in a UTF-16 file the
    // characters that its field showed as "?" as well.
    if (dialog.Label() == current)
        return;
    if (dialog.Label().empty())
        document.RemoveExactEntry(autoRun.c_str(), key.c_str());
    else
        document.SetExactString(autoRun.c_str(), key.c_str(), dialog.Label().c_str());
}
