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

// ---- Login window ----
#define IDS_SOCKET_TIMEOUT 109          // connection timed out or refused
#define IDS_SOCKET_LOST 110             // connection lost
#define IDS_SOCKET_OTHER 111            // any other connection error
#define IDS_SSO_NO_EMPLOYEE 214         // sign-on page gave no employee number
#define IDS_SSO_NO_USER 215             // sign-on user unknown
#define IDS_LOGIN_FAILED_STATUS 216     // log-in refused, %d status
#define IDS_LOGIN_STATIC 227
#define IDS_LOGIN_NO_USER 229
#define IDS_LOGIN_WRONG_PASSWORD 230
#define IDS_LOGIN_ID_HINT 232
#define IDS_LOGIN_PASSWORD_HINT 233
#define IDS_LOGIN_SAVE_ID 261
#define IDS_UPGRADE_CAPTION 263
#define IDS_UPGRADE_TEXT 264
#define IDS_LOGIN_AUTO 268
#define IDS_LOGIN_LOCKED 348            // %d failures, %d minutes
#define IDS_LOGIN_ENTER_ID 370
#define IDS_LOGIN_ENTER_PASSWORD 371
#define IDS_LOGIN_THIRD 374
#define IDS_LOGIN_NOT_ALLOWED 608
#define IDD_SSO_CHECK 113
#define IDC_SSO_STATIC 1053
#define IDD_LOGIN 142
#define IDC_LOGIN_ID 1012
#define IDC_LOGIN_BUTTON 1013
#define IDC_LOGIN_PASSWORD 1014
#define IDC_LOGIN_HIDDEN_EDIT 1015
#define IDC_LOGIN_SERVER 1057
#define IDC_LOGIN_CLOSE 1058
#define IDC_LOGIN_MINIMIZE 1059
#define IDC_LOGIN_STATIC 1061
#define IDC_LOGIN_SAVE_ID 1063
#define IDC_LOGIN_AUTO 1065
#define IDC_LOGIN_THIRD 1066
#define IDB_LOGIN_FACE 687
#define IDB_LOGIN_CLOSE 689
#define IDB_LOGIN_CLOSE_DOWN 690
#define IDB_LOGIN_CLOSE_DISABLED 691
#define IDB_LOGIN_CLOSE_OVER 692
#define IDB_LOGIN_BUTTON_DISABLED 693
#define IDB_LOGIN_BUTTON_OVER 694
#define IDB_LOGIN_BUTTON 695
#define IDB_LOGIN_BUTTON_DOWN 696
#define IDB_LOGIN_MIN_DISABLED 697
#define IDB_LOGIN_MIN_OVER 698
#define IDB_LOGIN_MIN 699
#define IDB_LOGIN_MIN_DOWN 700
#define IDB_SSO_FACE 702
#define IDB_LOGIN_SERVER_DISABLED 812
#define IDB_LOGIN_SERVER_OVER 813
#define IDB_LOGIN_SERVER 814
#define IDB_LOGIN_SERVER_DOWN 815
