// Ids of the dialog of the platforms, shared by its template (platforms_dlg.rc), its class, the
// help's table and the tests that drive it. Windres only understands #define.
#pragma once

#define IDD_PLATFORMS 9
#define IDC_PLATFORM_LIST 170
#define IDC_PLATFORM_ADD 171
#define IDC_PLATFORM_REMOVE 172
#define IDC_PLATFORM_HELP 173
