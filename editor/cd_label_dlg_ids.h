// Ids of the dialog of the CD's name, shared by its template (cd_label_dlg.rc), its class and
// the tests that drive it. Windres only understands #define.
#pragma once

#define IDD_CD_LABEL 5
#define IDC_CD_LABEL 128
#define IDC_CD_LABEL_WARNING 129
