// The entries of the CD's context menu.
#include "marlisk_dlg.h"

void MarliskDlg::NewEntry() {}
void MarliskDlg::DeleteEntry() {}
void MarliskDlg::RenameEntry() {}
void MarliskDlg::SelectEntry() {}
