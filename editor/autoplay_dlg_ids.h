// Ids of the dialog of AutoPlay's keys, shared by its template (autoplay_dlg.rc), its class,
// the help's table and the tests that drive it. Windres only understands #define.
#pragma once

#define IDD_AUTOPLAY 8
#define IDC_AUTOPLAY_ACTION 160
#define IDC_AUTOPLAY_DOCUMENT 161
#define IDC_BROWSE_AUTOPLAY_DOCUMENT 162
#define IDC_AUTOPLAY_USE 163
#define IDC_AUTOPLAY_MUSIC 164
#define IDC_AUTOPLAY_PICTURES 165
#define IDC_AUTOPLAY_VIDEOS 166
#define IDC_AUTOPLAY_DEFAULT_VERB 167
#define IDC_AUTOPLAY_HELP 168
