#include "marlisk_app.h"

#include "marlisk_dlg.h"
#include "quillot_frame.h"
#include "string_ids.h"
#include "string_resource.h"

void MarliskApp::InitMainWindow() {
    auto dialog = std::make_unique<MarliskDlg>(nullptr, infPath_.c_str());
    SetMainWindow(std::make_unique<QuillotFrame>(nullptr, LoadResourceString(IDS_CAPTION),
                                                 std::move(dialog)));
}
