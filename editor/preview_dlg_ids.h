// Ids of the dialog "Vorschau", shared by its template (preview_dlg.rc), its class, the help's
// table and the tests that drive it. Windres only understands #define.
#pragma once

#define IDD_PREVIEW 10
#define IDC_PREVIEW_LIST 180
// The column titles, in the order of the columns they stand over.
#define IDC_PREVIEW_TITLE_WINDOWS 181
#define IDC_PREVIEW_TITLE_SECTION 182
#define IDC_PREVIEW_TITLE_INSERT 183
#define IDC_PREVIEW_TITLE_NAME 184
#define IDC_PREVIEW_TITLE_MENU 185
#define IDC_PREVIEW_TITLE_CONTENT 186
#define IDC_PREVIEW_NOTES 187
#define IDC_PREVIEW_COPY 188
#define IDC_PREVIEW_HELP 189
