// File references inside the virtual root.
#include "marlisk_dlg.h"

void MarliskDlg::BrowseAutoPlayFile() {}
void MarliskDlg::BrowseEntryCommand() {}
void MarliskDlg::BrowseStarterProgram() {}
void MarliskDlg::AutoPlayFileLeft() {}
void MarliskDlg::EntryCommandLeft() {}
void MarliskDlg::StarterProgramLeft() {}
