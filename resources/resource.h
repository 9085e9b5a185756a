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

// Drawing canvas and board.
#define IDS_CANVAS_MEMO_HINT 181     // memo banner on a page without memos
#define IDS_CANVAS_MEMO_COUNT 182    // memo banner with the page's memo count (%d)
#define IDS_CANVAS_MEMO_OUTSIDE 183  // memo placed outside the page
#define IDS_CANVAS_MEMO_LIMIT 184    // the page holds the most memos it can
#define IDS_CANVAS_LOADING 22000     // the canvas while the page image loads
#define IDB_MEMO_GREEN 517            // memo cards (background 3), normal and selected
#define IDB_MEMO_GREEN_SEL 519
#define IDB_MEMO_YELLOW 520           // background 1 (and any other)
#define IDB_MEMO_YELLOW_SEL 522
#define IDB_MEMO_PINK 523             // background 2
#define IDB_MEMO_PINK_SEL 525
#define IDB_MEMO_BLUE 527             // background 4
#define IDB_MEMO_BLUE_SEL 529
