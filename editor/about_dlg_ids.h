// Ids of the About box, shared by its template (about_dlg.rc), its class and the tests that
// drive it. Windres only understands #define.
#pragma once

#define IDD_ABOUT 6
#define IDC_ABOUT_VERSION 134
