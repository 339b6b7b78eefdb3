// Ids of the programs' resources other than strings: the editor's main dialog and its
// controls, the main window's menu, the icons, the embedded starter and the manifests. Shared
// by the resource scripts (windres only understands #define), the code and the tests. Ids
// Windows defines itself (IDOK, IDCANCEL, RT_DIALOG, RT_RCDATA, RT_MANIFEST, IDC_WAIT) are used
// under Windows' names.
//
// The editor's small dialogs keep their ids beside their classes and templates in editor/
// (copy_progress_window_ids.h, cd_label_dlg_ids.h, about_dlg_ids.h, cd_check_dlg_ids.h):
// templates 4 to 7, controls 128 to 134 and 150 to 152. A new dialog takes the next free
// numbers after those.
#pragma once

// The editor's main dialog, the client of its main window.
#define IDD_MARLISK 3

// Its controls, in the order of the template.
#define IDC_AUTOPLAY_LABEL 113
#define IDC_AUTOPLAY_FILE 101
#define IDC_BROWSE_AUTOPLAY_FILE 120
#define IDC_USE_STARTER 102
#define IDC_STARTER_GROUP 103
#define IDC_HEADLINE_LABEL 104
#define IDC_HEADLINE 105
#define IDC_QUESTION_TEXT_LABEL 106
#define IDC_QUESTION_TEXT 107
#define IDC_STARTER_PROGRAM_LABEL 108
#define IDC_STARTER_PROGRAM 109
#define IDC_ICON_FILE 110
#define IDC_BROWSE_ICON_FILE 121
#define IDC_ICON_MARKER 112
#define IDC_ICON_NUMBER 111
#define IDC_ENTRY_LIST 114
#define IDC_NEW_ENTRY 115
#define IDC_DELETE_ENTRY 116
#define IDC_ENTRY_NAME_LABEL 124
#define IDC_ENTRY_NAME 10
#define IDC_ENTRY_COMMAND_LABEL 125
#define IDC_ENTRY_COMMAND 118
#define IDC_BROWSE_ENTRY_COMMAND 122
#define IDC_MENU_TEXT_LABEL 126
#define IDC_MENU_TEXT 119
#define IDC_HELP_BUTTON 100
#define IDC_BROWSE_STARTER_PROGRAM 123
#define IDC_TEST_STARTER 127

// Labels, group boxes and frames in the templates that the program never addresses.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Icons: each program's own.
#define IDI_ORBILAN 1
#define IDI_QUILLOT 2

// The starter's executable among the editor's resources (RT_RCDATA).
#define IDR_STARTER 850

// The main window's menu. Its commands reach the dialog as clicks of their ids, which lie
// apart from the ids of the dialog's controls.
#define IDM_QUILLOT 4
#define IDM_CD_LABEL 140
#define IDM_HELP_CONTENTS 141
#define IDM_ABOUT 142
#define IDM_CD_CHECK 143
#define IDM_CD_IMAGE 144
#define IDM_AUTOPLAY 145
#define IDM_PLATFORMS 146
#define IDM_PREVIEW 147
// The keys of the menu's commands, wherever the focus is in the main window.
#define IDA_QUILLOT 4
