// The icon preview.
#include "marlisk_dlg.h"

void MarliskDlg::UpdateIcon(bool) {}
void MarliskDlg::PaintIconPreview(HDC) {}
void MarliskDlg::BrowseIconFile() {}
void MarliskDlg::IconFieldLeft() {}
