#include "marlisk_app.h"

#include "marlisk_dlg.h"
#include "quillot_frame.h"
#include "resource_ids.h"
#include "string_ids.h"
#include "string_resource.h"

void MarliskApp::InitMainWindow() {
    SetAccelerators(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_QUILLOT)));
    auto dialog = std::make_unique<MarliskDlg>(nullptr, infPath_.c_str());
    SetMainWindow(
        std::make_unique<QuillotFrame>(LoadResourceString(IDS_CAPTION), std::move(dialog)));
}
