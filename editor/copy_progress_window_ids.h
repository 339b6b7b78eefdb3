// Ids of the window a long copy into the CD root shows, shared by its template
// (copy_progress_window.rc), its class and the tests that drive it; "Abbrechen" is IDCANCEL.
// Windres only understands #define.
#pragma once

#define IDD_COPY_PROGRESS 4
#define IDC_COPY_LABEL 130
#define IDC_COPY_FILE 131
#define IDC_COPY_BAR 132
#define IDC_COPY_BYTES 133
