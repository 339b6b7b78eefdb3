// Ids of the dialog "CD prüfen", shared by its template (cd_check_dlg.rc), its class and the
// tests that drive it. Windres only understands #define.
#pragma once

#define IDD_CD_CHECK 7
#define IDC_CD_CHECK_LIST 150
#define IDC_CD_CHECK_COPY 151
#define IDC_CD_CHECK_LABEL 152
