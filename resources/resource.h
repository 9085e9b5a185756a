// Resource ids of the language resource libraries (Res_Kor.dll, Res_Eng.dll, Res_Jpn.dll).
// Every library holds the same ids; the programs load them by number through the resource
// handle. Shared by the .rc files and the C++ code.
#pragma once

// Strings.
#define IDS_POPUP_TITLE 108          // title of the confirmation and OK/Cancel pop-ups
#define IDS_COMMON_CAPTION 118       // caption of the common notice dialog
#define IDS_TRAY_TIP 120             // tooltip of the tray icon
#define IDS_COMBO_PLACEHOLDER 340    // the skinned combo's "nothing chosen" entry

// Dialog templates and their controls.
#define IDD_OK_CANCEL 663
#define IDC_OK_CANCEL_MESSAGE 1049

// Menus.
#define IDR_TRAY_MENU 140

// Commands of the main dialog that menus send.
#define ID_CMD_EXIT 32774
#define ID_CMD_SETTINGS 32777
#define ID_CMD_RESTORE_WINDOW 32781
#define ID_CMD_LOGOUT 32785
#define ID_CMD_TIME_KEEPER 32786
#define ID_CMD_SIGNATURE 32787
#define ID_CMD_MANUAL 32804

// Pictures (drawn by make_pictures.py).
#define IDI_APP 556
#define IDC_POINTER_FINGER 683
#define IDB_COMBO_DROP_HOVER 1021
#define IDB_COMBO_DROP 1022

// ---- Documents: the document viewer ----
#define IDD_DOC_VIEWER 1200
