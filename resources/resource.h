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
#define IDS_PUSH_SETTING_LOAD_FAIL 255   // settings: the push-alarm schedule could not be read
#define IDS_PUSH_SETTING_SAVE_FAIL 256   // settings: the schedule change was refused
// ---- Login window ----
#define IDS_SOCKET_TIMEOUT 109          // connection timed out or refused
#define IDS_SOCKET_LOST 110             // connection lost
#define IDS_SOCKET_OTHER 111            // any other connection error; also shown when the machine is offline at start-up
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
// ---- Skinned controls and pop-ups (second block) ----
// Dialog templates of the pop-ups and of the skinned dialogs; the controls they bind.
#define IDD_POPUP_BASE 109           // short form of the message pop-up
#define IDD_YES_NO_POPUP 110
#define IDD_TOAST 111                // its size is the toast's size
#define IDD_CONFIRM_POPUP 112
#define IDD_COMMON_DLG 347
#define IDD_SKIN_CHILD 1199          // skinned child dialogs (title layer, settings pages, panels)
#define IDD_SKIN_POPUP 1200          // skinned pop-up dialogs without a system caption
#define IDC_OK_CANCEL_CLOSE 1049     // the small close button of the OK/Cancel dialog
#define IDC_POPUP_HEADING 1047
#define IDC_POPUP_MESSAGE 1054
#define IDC_POPUP_EXTRA 1056
#define IDC_POPUP_CLOSE 36000        // close button created by the pop-ups themselves
#define IDC_POPUP_TITLE 36010
// Strings.
#define IDS_WEEKDAY_BASE 128         // 129 Sunday .. 135 Saturday
#define IDS_WEEKDAY_SUNDAY 129
#define IDS_WEEKDAY_MONDAY 130
#define IDS_WEEKDAY_TUESDAY 131
#define IDS_WEEKDAY_WEDNESDAY 132
#define IDS_WEEKDAY_THURSDAY 133
#define IDS_WEEKDAY_FRIDAY 134
#define IDS_WEEKDAY_SATURDAY 135
#define IDS_DATE_LINE_FORMAT 136     // year, month, day, weekday name
#define IDS_LOADING_LINE1 211
#define IDS_LOADING_LINE2 212
#define IDS_LOADING_FAILED 327       // loading overlay state 1, in red
#define IDS_LOADING_EMPTY 363        // loading overlay state 7
#define IDS_LOADING_LINE3 372
// Bitmaps of the pop-up frame (nine pieces), logo and buttons.
#define IDB_POPUP_FRAME_TL 305
#define IDB_POPUP_FRAME_T 306
#define IDB_POPUP_FRAME_TR 307
#define IDB_POPUP_FRAME_L 308
#define IDB_POPUP_FRAME_C 309
#define IDB_POPUP_FRAME_R 310
#define IDB_POPUP_FRAME_BL 311
#define IDB_POPUP_FRAME_B 312
#define IDB_POPUP_FRAME_BR 313
#define IDB_POPUP_LOGO 607
#define IDB_SMALL_CLOSE_DISABLED 1154
#define IDB_SMALL_CLOSE_HOVER 1156
#define IDB_SMALL_CLOSE 1157
#define IDB_SMALL_CLOSE_DOWN 1158
#define IDB_CANCEL_DISABLED 416
#define IDB_CANCEL_HOVER 417
#define IDB_CANCEL 418
#define IDB_CANCEL_DOWN 419
#define IDB_NO_DISABLED 424
#define IDB_NO_HOVER 425
#define IDB_NO 426
#define IDB_NO_DOWN 427
#define IDB_OK_DISABLED 428
#define IDB_OK_HOVER 429
#define IDB_OK 430
#define IDB_OK_DOWN 431
#define IDB_YES_DISABLED 432
#define IDB_YES_HOVER 433
#define IDB_YES 434
#define IDB_YES_DOWN 435
#define IDB_BUTTON_MASK 681          // shape of the 90 x 27 buttons, magenta outside
// Notices: header, background, close button.
#define IDB_NOTICE_HEADER 557
#define IDB_NOTICE_BACK 561
#define IDB_NOTICE_CLOSE_DISABLED 562
#define IDB_NOTICE_CLOSE_HOVER 563
#define IDB_NOTICE_CLOSE 564
#define IDB_NOTICE_CLOSE_DOWN 565
// Framed and animated controls.
#define IDB_FRAME_GRID_FIRST 202     // 202..210: a 3 x 3 frame grid, row by row
#define IDB_CLOCK_DIGIT_0 536        // 536..545 digits, 546 colon
#define IDB_CLOCK_COLON 546
#define IDB_SPINNER_FIRST 588        // 588..591
#define IDB_LOADING_PICTURE 627
// Slider.
#define IDB_SLIDER_TRACK 582
#define IDB_SLIDER_THUMB_HOVER 584
#define IDB_SLIDER_THUMB 585
#define IDB_SLIDER_THUMB_DOWN 587
// Container pane.
#define IDB_PANE_COLLAPSED_DISABLED 188
#define IDB_PANE_COLLAPSED_HOVER 189
#define IDB_PANE_COLLAPSED 190
#define IDB_PANE_COLLAPSED_DOWN 191
#define IDB_PANE_TOP_LINE 276
#define IDB_PANE_BODY 277
#define IDB_PANE_FOOT 278
#define IDB_PANE_EXPANDED_DISABLED 281
#define IDB_PANE_BACK 282
#define IDB_PANE_EXPANDED_HOVER 512
#define IDB_PANE_EXPANDED 513
#define IDB_PANE_EXPANDED_DOWN 514
#define IDB_PANE_OPTION_OFF_DISABLED 1093
#define IDB_PANE_OPTION_OFF_HOVER 1094
#define IDB_PANE_OPTION_OFF 1095
#define IDB_PANE_OPTION_OFF_DOWN 1096
#define IDB_PANE_OPTION_ON_DISABLED 1097
#define IDB_PANE_OPTION_ON_HOVER 1098
#define IDB_PANE_OPTION_ON 1099
#define IDB_PANE_OPTION_ON_DOWN 1100
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

// ---- Application shell: time keeper ----
#define IDD_TIME_KEEPER 1014
#define IDC_KEEPER_USE 1048
#define IDC_KEEPER_CLOSE 1049
#define IDS_KEEPER_TITLE 313
#define IDS_KEEPER_TEXT 314
#define IDS_KEEPER_USE 315
#define IDS_KEEPER_TIME 316
#define IDS_KEEPER_CHOICE1 318
#define IDS_KEEPER_CHOICE2 319
#define IDS_KEEPER_CHOICE3 320
#define IDS_KEEPER_CHOICE4 321
#define IDS_KEEPER_CHOICE5 322

// ---- Application shell: server address dialog ----
#define IDD_SERVER_ADDRESS 811
#define IDC_SERVER_ZEL_ADDRESS 1065
#define IDC_SERVER_ZEL_PORT 1066
#define IDC_SERVER_TMS_ADDRESS 1067
#define IDC_SERVER_TMS_PORT 1068
#define IDC_SERVER_TPC_ADDRESS 1069
#define IDC_SERVER_TPC_PORT 1070
#define IDC_SERVER_DEFAULT 1073
#define IDC_SERVER_SAVE 1074
#define IDC_SERVER_CLOSE 1075
#define IDC_SERVER_HEADING 1076
#define IDC_SERVER_ZEL_LABEL 1077
#define IDC_SERVER_TMS_LABEL 1078
#define IDC_SERVER_TPC_LABEL 1079
// The server settings dialog shares the login window's close button pictures.
#define IDB_SERVER_CLOSE IDB_LOGIN_CLOSE
#define IDB_SERVER_CLOSE_DOWN IDB_LOGIN_CLOSE_DOWN
#define IDB_SERVER_CLOSE_DISABLED IDB_LOGIN_CLOSE_DISABLED
#define IDB_SERVER_CLOSE_HOVER IDB_LOGIN_CLOSE_OVER
#define IDB_SERVER_BACK 816
#define IDB_SERVER_DEFAULT_DISABLED 817
#define IDB_SERVER_DEFAULT_HOVER 818
#define IDB_SERVER_DEFAULT 819
#define IDB_SERVER_DEFAULT_DOWN 820
#define IDB_SERVER_SAVE_DISABLED 821
#define IDB_SERVER_SAVE_HOVER 822
#define IDB_SERVER_SAVE 823
#define IDB_SERVER_SAVE_DOWN 824
#define IDS_SERVER_HEADING 270
#define IDS_SERVER_ZEL 271
#define IDS_SERVER_TMS 272
#define IDS_SERVER_TPC 273
#define IDS_SERVER_ADDRESS_HINT 275
#define IDS_SERVER_PORT_HINT 276
#define IDS_SERVER_DEFAULTS_DONE 277
#define IDS_SERVER_SAVED 278
#define IDS_SERVER_MISSING 279
#define IDS_SERVER_INVALID 288

// ---- Application shell: notification settings ----
#define IDD_NOTIFY_SET 364
#define IDC_NOTIFY_APPLY 1048
#define IDC_NOTIFY_CLOSE 1049
#define IDS_NOTIFY_TEXT1 207
#define IDS_NOTIFY_TEXT2 208
#define IDS_NOTIFY_TITLE 209
#define IDS_NOTIFY_APPLY 210

// ---- Application shell: about box ----
#define IDD_ABOUT 414
#define IDC_ABOUT_CLOSE 1049
#define IDR_ABOUT_MENU 1153
#define IDS_ABOUT_LINE1 219
#define IDS_ABOUT_LINE2 220
#define ID_SUPPORT_LOG 32801
#define ID_SUPPORT_PROGRAM 32802
#define ID_SUPPORT_DATA 32803
// Main dialog: pushes and the upgrade download.
#define IDS_CHAT_AM 114
#define IDS_CHAT_PM 115
#define IDS_DUPLICATE_LOGIN 251
#define IDS_DOWNLOAD_NO_LENGTH 265
#define IDS_DOWNLOAD_CANCELLED 266
#define IDS_DOWNLOAD_PROGRESS 267
#define IDS_FOLLOWING_ENDS 289
#define IDS_WHISPER_SUFFIX 339
#define IDS_FORCED_SHARE_BUTTON 353
#define IDS_CHAT_ENABLED 359
#define IDS_CHAT_DISABLED 361
#define IDS_FILE_BOX_HEADLINE 369
#define IDD_UPGRADE 103
#define IDC_UPGRADE_PROGRESS 1001
#define IDC_UPGRADE_STATUS 1003
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
// ---- Documents: the document viewer ----
#define IDD_DOC_VIEWER IDD_SKIN_POPUP
// ---- Documents: the meeting's document pane ----
#define IDB_DOCPANE_HEADER 300          // header strip, stretched to the pane's width
#define IDB_DOCPANE_BODY 302            // its first 261 x 1 pixels stretched down the pane
#define IDB_DOCPANE_EDGE 303            // 6 x 272 right edge
#define IDB_ARCHIVE_OVER 887
#define IDB_ARCHIVE 888
#define IDB_ARCHIVE_DOWN 901
#define IDB_ARCHIVE_DISABLED 902
#define IDB_DOCMENU_DISABLED 1043
#define IDB_DOCMENU_OVER 1044
#define IDB_DOCMENU 1045
#define IDB_DOCMENU_DOWN 1046
#define IDB_DOCLABEL 1103
#define IDB_PRIVATE 1105
#define IDB_PRIVATE_OVER 1106
#define IDB_PRIVATE_FOCUS 1107
#define IDB_PRIVATE_DOWN 1108
#define IDR_DOCLIST_MENU 1117
#define IDS_DOCMENU_TIP 168
#define IDS_DOCPANE_TITLE 173
#define IDS_DOCPANE_COUNT 174           // %d: the number of documents
#define IDS_DOCPANE_REPORT_TITLE 386
#define IDS_ARCHIVE_TIP 1109
#define IDS_EMBEDDED_PAGE_UNAVAILABLE 22600   // an embedded web page cannot be shown on this machine
#define IDD_DATA_BOX 885                      // the data box: a plain frame around its web page
#define IDD_ATTENDEE_ADD 107                  // the organisation page for adding attendees
// ---- Whiteboard tools ----
#define IDS_WBT_POPUP_TITLE IDS_POPUP_TITLE
#define IDS_WBT_ZOOM_FIT 176
#define IDS_WBT_SAVE 177
#define IDS_WBT_TOOL_DISABLED 179
#define IDS_WBT_PREV 185
#define IDS_WBT_NEXT 186
#define IDS_WBT_MODE5 187
#define IDS_WBT_MODE4 188
#define IDS_WBT_MODE0 189
#define IDS_WBT_MODE1 190
#define IDS_WBT_STICKY 191
#define IDS_WBT_OPT_PEN 192
#define IDS_WBT_OPT_HIGHLIGHTER 193
#define IDS_WBT_OPT_ERASER 194
#define IDS_WBT_OPT_MOVE 195
#define IDS_WBT_RESTART 196
#define IDS_WBT_MEMO_HINT 204
#define IDS_WBT_MEMO_DELETE 205
#define IDS_WBT_TOOLBAR_TITLE 206
#define IDS_WBT_CLEAR_PAGE 235
#define IDS_WBT_CLEAR_ALL 236
#define IDS_WBT_PEN 290
#define IDS_WBT_HIGHLIGHTER 291
#define IDS_WBT_LASER 292
#define IDS_WBT_CLEARPANEL 293
#define IDS_WBT_UNDO 294
#define IDS_WBT_REDO 295
#define IDS_WBT_KEEP_OPEN 296
#define IDS_WBT_PAGE_RANGE 338
#define IDS_WBT_TYPE20_MODE 364
#define IDS_WBT_ZOOM_FILL 375
#define IDS_WBT_APPROVAL0 376
#define IDS_WBT_APPROVAL1 377
#define IDS_WBT_APPROVAL2 378
#define IDS_WBT_NO_APPROVAL 380
#define IDS_WBT_NO_SIGNATURE 383
#define IDS_WBT_TO_ORIGINAL 409
#define IDS_WBT_TO_SHARED 410
#define IDS_WBT_TO_SHARED_REPORT 411
#define IDS_WBT_TO_RECEIVER 412
#define IDS_WBT_TO_PERSONAL 413
#define IDS_WBT_FAVORITE 1118
#define IDS_WBT_MEMO_OK 26500
#define IDS_WBT_MEMO_CANCEL 26501
#define IDS_WBT_MEMO_REMOVE 26502
#define IDS_WBT_MEMO_EDIT 26503
// Bitmaps: button pictures 26500-26691 (four a button: normal, pressed, hover, disabled; colours
// three: normal, checked, hover), the tool bar's frame and backgrounds, the memo panels, the
// sticky-note button. Their ids are listed in whiteboard/tools/ToolPictures.h.
