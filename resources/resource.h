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

// ---- Application shell: start-up, settings, account and time keeper ----
#define IDS_OFFLINE 111                  // start-up: the machine is offline
#define IDS_PUSH_SETTING_LOAD_FAIL 255   // settings: the push-alarm schedule could not be read
#define IDS_PUSH_SETTING_SAVE_FAIL 256   // settings: the schedule change was refused
#define IDD_SETTING_PAGE 1199            // a settings page: skinned child dialog
#define IDD_SKIN_DIALOG 1200             // a skinned pop-up dialog (settings, change password)
// Skinned controls: the bitmap scroll bar (arrows 14 x 10, thumb pieces 7 x 4).
#define IDB_SCROLL_DOWN 593
#define IDB_SCROLL_DOWN_PRESSED 594
#define IDB_SCROLL_UP 596
#define IDB_SCROLL_UP_PRESSED 597
#define IDB_SCROLL_THUMB_TOP 599
#define IDB_SCROLL_THUMB_TOP_PRESSED 600
#define IDB_SCROLL_THUMB_MIDDLE 602
#define IDB_SCROLL_THUMB_MIDDLE_PRESSED 603
#define IDB_SCROLL_THUMB_BOTTOM_PRESSED 605
#define IDB_SCROLL_THUMB_BOTTOM 606
