// Writing the dialog back into the AutoRun.INF on OK.
#include "marlisk_dlg.h"

void MarliskDlg::CloseWindow(int result) {
    TDialog::CloseWindow(result);
}
