// The starter settings, the test launch and the help.
#include "marlisk_dlg.h"

void MarliskDlg::ApplyStarterCheckBox() {}
void MarliskDlg::TestStarter() {}
void MarliskDlg::ShowHelp() {}
