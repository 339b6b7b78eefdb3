// Filling the dialog from the AutoRun.INF.
#include "marlisk_dlg.h"

void MarliskDlg::SetupWindow() {}
