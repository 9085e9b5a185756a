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
#define IDS_OPEN_ENDS_SYNC_ASK 362   // opening another document stops following the presenter
#define IDS_BOARD_SAVE_ASK 367       // the board's and the notes' unsaved changes: save them?
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
// ---- Application shell: title bar ----
#define ID_CMD_SETTINGS_VERSION 32778   // the settings window at its version page
#define ID_CMD_HIDE_WINDOW 32779
#define ID_CMD_CHANGE_PASSWORD 32805
#define IDS_TITLE_LIST_INITIAL 121
#define IDS_TITLE_TIP_MINIMIZE 122
#define IDS_TITLE_TIP_MAXIMIZE 123
#define IDS_TITLE_TIP_RESTORE 124
#define IDS_TITLE_TIP_CLOSE 125
#define IDS_TITLE_TIP_REFRESH 126
#define IDS_TITLE_TIP_CHAT 23501   // the right-hand pane's title has 172
#define IDS_TITLE_TIP_FULL_SCREEN 286
#define IDS_TITLE_CLOSE_ALARM 317       // %d: the minutes left
#define IDS_TITLE_SYNC_ON_ASK 328
#define IDS_TITLE_SYNC_OFF_ASK 331
#define IDB_TITLE_CLOSE_DISABLED 318
#define IDB_TITLE_CLOSE_HOVER 319
#define IDB_TITLE_CLOSE 320
#define IDB_TITLE_CLOSE_DOWN 321
#define IDB_TITLE_BACK_LEFT 325         // title bar background: left part, 1-pixel middle column, right part
#define IDB_TITLE_BACK_MIDDLE 326
#define IDB_TITLE_BACK_RIGHT 327
#define IDB_TITLE_REFRESH_DISABLED 331
#define IDB_TITLE_REFRESH_HOVER 332
#define IDB_TITLE_REFRESH 333
#define IDB_TITLE_REFRESH_DOWN 334
#define IDB_TITLE_MENU_DISABLED 349
#define IDB_TITLE_MENU_HOVER 350
#define IDB_TITLE_MENU 351
#define IDB_TITLE_MENU_DOWN 352
#define IDB_TITLE_MIN_DISABLED 353
#define IDB_TITLE_MIN_HOVER 354
#define IDB_TITLE_MIN 355
#define IDB_TITLE_MIN_DOWN 356
#define IDB_TITLE_MAX_DISABLED 357
#define IDB_TITLE_MAX 358
#define IDB_TITLE_MAX_DOWN 359
#define IDB_TITLE_MAX_HOVER 392
#define IDB_TITLE_LOGO 415              // magenta is transparent
#define IDB_TITLE_SPARE 620
#define IDB_TITLE_RESTORE_DISABLED 628
#define IDB_TITLE_RESTORE_HOVER 629
#define IDB_TITLE_RESTORE 630
#define IDB_TITLE_RESTORE_DOWN 631
#define IDB_TITLE_BACK_BTN_DISABLED 807
#define IDB_TITLE_BACK_BTN_HOVER 808
#define IDB_TITLE_BACK_BTN 809
#define IDB_TITLE_BACK_BTN_DOWN 810
#define IDB_TITLE_FULL_DISABLED 825
#define IDB_TITLE_FULL_HOVER 826
#define IDB_TITLE_FULL 827
#define IDB_TITLE_FULL_DOWN 828
#define IDB_TITLE_VIDEO_DISABLED 921
#define IDB_TITLE_VIDEO_HOVER 922
#define IDB_TITLE_VIDEO 923
#define IDB_TITLE_VIDEO_DOWN 924
#define IDB_TITLE_CLOCK 1051
#define IDB_TITLE_FILE_BOX_DISABLED 1110
#define IDB_TITLE_FILE_BOX_HOVER 1111
#define IDB_TITLE_FILE_BOX 1112
#define IDB_TITLE_FILE_BOX_DOWN 1113
#define IDB_TITLE_CHAT_DISABLED 1226
#define IDB_TITLE_CHAT_HOVER 1227
#define IDB_TITLE_CHAT 1228
#define IDB_TITLE_CHAT_DOWN 1229
#define IDB_TITLE_CHAT_ON_DISABLED 1230
#define IDB_TITLE_CHAT_ON_HOVER 1231
#define IDB_TITLE_CHAT_ON 1232
#define IDB_TITLE_CHAT_ON_DOWN 1233
// ---- Approvals: the approval window and the electronic-signature info dialog ----
#define IDD_APPROVAL_SIGN_INFO 1160
#define IDD_APPROVAL 1161
#define IDC_APPROVAL_TEXT1 23510
#define IDC_APPROVAL_TEXT2 23511
#define IDC_APPROVAL_TEXT3 23512
#define IDC_SIGN_INFO_SAVE 1091
#define IDC_SIGN_INFO_CLOSE 1092
#define IDB_APPROVAL_BACK 494           // 303 x 244, magenta outside the rounded frame
#define IDB_SIGN_INFO_CLOSE_DISABLED 1172
#define IDB_SIGN_INFO_CLOSE_HOVER 1173
#define IDB_SIGN_INFO_CLOSE 1174
#define IDB_SIGN_INFO_CLOSE_DOWN 1175
// ---- Meeting screen: information side panel, thumbnails, bookmarks, meeting information ----
#define IDB_THUMB_PLACEHOLDER 837        // a page whose thumbnail has not arrived
#define IDB_FAVORITE_MARK 1118           // favourite page mark, magenta transparent
#define IDB_INFO_SEARCH_CLEAR_DISABLED 1090
#define IDB_INFO_SEARCH_CLEAR_OVER 1091
#define IDB_INFO_SEARCH_CLEAR 1092
#define IDS_INFO_ADD_ATTENDEE_TIP 147
#define IDS_INFO_TITLE 149
#define IDS_INFO_ATTENDEES 150
#define IDS_INFO_ROOM 151
#define IDS_INFO_SUMMARY 152
#define IDS_WEEKDAY_SUN 154              // 154..160 Sunday to Saturday
#define IDS_INFO_DATE_FORMAT 161         // year, month, day, weekday, start h:m, end h:m
#define IDS_INFO_SEARCH_HINT 358
#define IDS_BOOKMARK_EMPTY 368
#define IDS_INFO_APPROVERS 393
#define IDS_INFO_TITLE_REPORT 394
// ---- Main dialog window: screens, connection notices, commands ----
#define IDD_MAIN_DLG 102
#define IDS_EXIT_QUESTION 107                 // end the program?
#define IDS_SHARE_QUESTION 119                // forced share, two-button form
#define IDS_RECONNECT_QUESTION 262            // connection lost: reconnect?
#define IDS_SYNC_BLOCKED 414                  // not while following the presenter
#define ID_CMD_SETTINGS_PAGE4 32778
#define ID_CMD_HIDE_WINDOW 32779
#define ID_CMD_CLOSE 32783
#define ID_CMD_HIDE_WINDOW2 32784
#define ID_CMD_CHANGE_PASSWORD 32805
#define ID_CMD_PC_FILE_ADD 32791
// ---- Meeting list screen, its list rows and month calendar ----
#define IDD_MAIN_LAYER 137
#define IDC_LIST_BUSY_ICON 1003          // hidden decorations of the screen
#define IDC_LIST_DECOR_1004 1004
#define IDC_LIST_DECOR_1005 1005
#define IDC_LIST_DECOR_1007 1007
#define IDC_LIST_DECOR_1009 1009
#define IDC_LIST_USER_LABEL 1028
#define IDC_LIST_USER_LABEL2 1029
#define IDC_LIST_DECOR_BITMAP 1030
#define IDC_LIST_DATE_BITMAP 1035
#define IDC_LIST_DATE_LABEL 1036
#define IDC_LIST_PREV_DAY 1037
#define IDC_LIST_NEXT_DAY 1038
#define IDC_LIST_TAB_ALL 1039
#define IDC_LIST_TAB_MIDDLE 1040
#define IDC_LIST_TAB_RIGHT 1041
#define IDC_LIST_CALENDAR 1042
#define IDC_LIST_STATUS_FILTER 1043
#define IDC_LIST_TAB_REPORTS 1092
#define IDC_LIST_TAB_MEETINGS 1093
#define IDC_LIST_TAB_FOURTH 1094
#define IDC_LIST_LIST 11000
#define IDS_LIST_NOT_ATTENDEE 323        // not in the attendee list: open anyway?
#define IDS_LIST_REPORT_11 387           // report status labels drawn in report rows
#define IDS_LIST_REPORT_12 388
#define IDS_LIST_REPORT_13 389
#define IDS_LIST_REPORT_14 390
#define IDS_LIST_CAPTION_MEETINGS 1128
#define IDS_LIST_CAPTION_REPORTS 1129
#define IDB_LIST_TODAY 155
#define IDB_LIST_TODAY_HOVER 675
#define IDB_LIST_TODAY_DOWN 676
#define IDB_LIST_KIND_MEETINGS_HOVER 1176
#define IDB_LIST_KIND_MEETINGS 1177
#define IDB_LIST_KIND_MEETINGS_SEL 1178
#define IDB_LIST_KIND_REPORTS_HOVER 1179
#define IDB_LIST_KIND_REPORTS 1180
#define IDB_LIST_KIND_REPORTS_SEL 1181
#define IDB_LIST_TAB_ALL_HOVER 403
#define IDB_LIST_TAB_ALL 404
#define IDB_LIST_TAB_ALL_SEL 405
#define IDB_LIST_TAB_M2_HOVER 407       // meetings, value 2
#define IDB_LIST_TAB_M2 408
#define IDB_LIST_TAB_M2_SEL 409
#define IDB_LIST_TAB_M1_HOVER 411       // meetings, value 1
#define IDB_LIST_TAB_M1 412
#define IDB_LIST_TAB_M1_SEL 413
#define IDB_LIST_TAB_R2_SEL 1250        // reports, value 2
#define IDB_LIST_TAB_R2_HOVER 1251
#define IDB_LIST_TAB_R2 1252
#define IDB_LIST_TAB_R1_SEL 1253        // reports, value 1
#define IDB_LIST_TAB_R1_HOVER 1254
#define IDB_LIST_TAB_R1 1255
#define IDB_LIST_TAB_FOURTH_HOVER 1208
#define IDB_LIST_TAB_FOURTH 1209
#define IDB_LIST_TAB_FOURTH_SEL 1210
#define IDB_CAL_NEXT 177
#define IDB_CAL_NEXT_DISABLED 178
#define IDB_CAL_NEXT_OVER 179
#define IDB_CAL_NEXT_DOWN 180
#define IDB_CAL_PREV 181
#define IDB_CAL_PREV_DISABLED 182
#define IDB_CAL_PREV_OVER 183
#define IDB_CAL_PREV_DOWN 184
#define IDB_LIST_STATUS_1 667
#define IDB_LIST_STATUS_2 163
#define IDB_LIST_STATUS_3 161
#define IDB_LIST_STATUS_4 162
#define IDB_LIST_STATUS_11 1184
#define IDB_LIST_STATUS_12 1185
#define IDB_LIST_STATUS_13 1186
#define IDB_LIST_STATUS_14 1216
#define IDB_LIST_FLAG_FEEDBACK 1256     // 53 x 24
#define IDB_LIST_FLAG_NOTE 1249
#define IDB_LIST_FLAG_REPORTER 160
#define IDB_LIST_FLAG_URGENT 1217
#define IDB_LIST_FLAG_OPEN 1159
#define IDB_LIST_FLAG_HIDDEN 1248
#define IDB_LIST_FLAG_TYPE12 158         // 17 x 21
// ---- Meeting screen ----
#define IDS_MEETING_EXIT_QUESTION 107       // leave the meeting and close the program?
#define IDS_DOC_TOAST_LONG 112              // presenter's document, long name (%s first 25 characters, %s rest)
#define IDS_DOC_TOAST 113                   // presenter's document (%s)
#define IDS_BOARD_SAVE_FAILED 116
#define IDS_BOARD_SAVED 117
#define IDS_STOP_SHARING_QUESTION 127
#define IDS_MEETING_DETAIL_FAILED 141
#define IDS_PRESENTER_NO_DOCUMENT 142
#define IDS_SHARE_NO_PAGE 143
#define IDS_SHARE_STARTED 144
#define IDS_FOLLOW_STARTED 145
#define IDS_FOLLOW_REFUSED 146
#define IDS_UPLOAD_FAILED 170
#define IDS_UPLOAD_DONE 171
#define IDS_RIGHT_PANE_TITLE 172
#define IDS_DOCUMENT_LIST_FAILED 234
#define IDS_CONVERSION_WAIT 237
#define IDS_CONVERSION_FAILED 238
#define IDS_UPLOAD_FILTER 254
#define IDS_ATTENDANCE_REFUSED 258          // %d: the server's status
#define IDS_NO_MEDIA_PLAYER 336
#define IDS_NO_FILE_BOX IDS_LOADING_EMPTY   // 363: the file box holds nothing
#define IDS_SIGNATURE_NO_PATH 383
#define IDS_SIGNATURE_MISSING 25000         // the approval's signature image is missing
#define IDS_ARCHIVE_DONE 1116
#define IDB_PRIVATE_BACK 1101
#define IDB_PRIVATE_BACK_OVER 1102
#define IDB_PRIVATE_BACK_FOCUS IDB_DOCLABEL  // 1103
#define IDB_PRIVATE_BACK_DOWN 1104

// ---- Meeting detail and minutes ----
#define IDS_DETAIL_LOAD_FAILED 141        // the detail could not be loaded (back to the list)
#define IDS_DETAIL_UPLOAD_FAILED 170      // upload failed (toast)
#define IDS_DETAIL_UPLOAD_DONE 171        // upload finished (toast)
#define IDS_DETAIL_NOT_STARTED 197        // status line: not started yet
#define IDS_DETAIL_RUNNING 198            // status line: in progress
#define IDS_DETAIL_ENDED 200              // status line: ended
#define IDS_DETAIL_START_QUESTION 201
#define IDS_DETAIL_END_QUESTION 202
#define IDS_DETAIL_RESTART_QUESTION 203
#define IDS_DETAIL_UPLOAD_FILTER 254      // label before the open-file dialog's patterns
#define IDS_DETAIL_COPIED_TO_BOX 1116     // copied to the data box (toast)
#define IDS_MINUTES_TITLE 334
#define IDS_MINUTES_BUTTON_TIP 335
#define IDS_MINUTES_NONE 341              // no minutes were loaded
#define IDS_MINUTES_DURATION 342          // %d hours, %d minutes, %d seconds
#define IDS_MINUTES_LABEL_REGISTERED 343
#define IDS_MINUTES_LABEL_AUTHOR 344
#define IDS_MINUTES_LABEL_PERIOD 345
#define IDS_MINUTES_LABEL_CONTENT 346
#define IDS_MINUTES_NOT_ALLOWED 24500     // the minutes may not be viewed (toast)
#define IDD_MINUTES_VIEWER 1015
#define IDC_MINUTES_CONTENT 1019
#define IDC_MINUTES_CLOSE 1049
#define IDB_MINUTES_BUTTON_DISABLED 1052
#define IDB_MINUTES_BUTTON_OVER 1053
#define IDB_MINUTES_BUTTON 1054
#define IDB_MINUTES_BUTTON_DOWN 1055
// ---- Chat and attendees ----
// The chat panel: its background (277 is the pane body above), top line and input area, the
// send button, the history's tile, the bubbles' nine pieces (others' 211..219, own 220..228),
// the "more" button and the date line's label.
#define IDB_CHAT_OTHER_TL 211
#define IDB_CHAT_OTHER_T 212
#define IDB_CHAT_OTHER_TR 213
#define IDB_CHAT_OTHER_L 214
#define IDB_CHAT_OTHER_C 215
#define IDB_CHAT_OTHER_R 216
#define IDB_CHAT_OTHER_BL 217
#define IDB_CHAT_OTHER_B 218
#define IDB_CHAT_OTHER_BR 219
#define IDB_CHAT_MINE_TL 220
#define IDB_CHAT_MINE_T 221
#define IDB_CHAT_MINE_TR 222
#define IDB_CHAT_MINE_L 223
#define IDB_CHAT_MINE_C 224
#define IDB_CHAT_MINE_R 225
#define IDB_CHAT_MINE_BL 226
#define IDB_CHAT_MINE_B 227
#define IDB_CHAT_MINE_BR 228
#define IDB_CHAT_TOP_LINE 283
#define IDB_CHAT_BACK 284
#define IDB_CHAT_INPUT_AREA 285
#define IDB_CHAT_SEND_DISABLED 286
#define IDB_CHAT_SEND_HOVER 287
#define IDB_CHAT_SEND 288
#define IDB_CHAT_SEND_DOWN 289
#define IDB_CHAT_MORE_HOVER 579
#define IDB_CHAT_MORE 580
#define IDB_CHAT_MORE_DOWN 581
#define IDB_CHAT_DAY_LINE 830
// The attendee panel and the information panel's attendee list: presence marks, the presenter
// mark, confirmation marks.
#define IDB_ATTENDEE_PRESENT 269
#define IDB_ATTENDEE_ABSENT 270
#define IDB_ATTENDEE_PRESENTER 765
#define IDB_ATTENDEE_CONFIRM_Y 1162
#define IDB_ATTENDEE_CONFIRM_N 1170
#define IDB_ATTENDEE_EXTRA 26010   // 494 is the approval window's background
// Hand-over questions: to the host (meeting's main user), to anyone else, and their second lines.
#define IDS_HANDOVER_ASK_MAIN 162
#define IDS_HANDOVER_ASK 163
#define IDS_HANDOVER_NOTE_MAIN 164
#define IDS_HANDOVER_NOTE 165
#define IDS_CHAT_SEND_FAILED 26000     // under an own message the server refused
#define IDS_ATTENDEE_COUNT 26001       // the count line's fallback template ({P} present of {T})
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
#define IDS_WBT_NOTHING_TO_SAVE 178
#define IDS_WBT_FAVORITE_OFF 365
#define IDS_WBT_FAVORITE_ON 366
#define IDS_WBT_APPROVED 381
#define IDS_WBT_REJECTED 382
#define IDS_WBT_REPORT_CONFIRM_QUESTION 399
#define IDS_WBT_REPORT_COMPLETE_QUESTION 400
#define IDS_WBT_STATUS_START 26510
#define IDS_WBT_STATUS_END 26511
#define IDS_WBT_STATUS_CONFIRM 26512
#define IDS_WBT_STATUS_COMPLETE 26513
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
#define IDS_VIDEO_BROWSER_MISSING 26610  // the camera button finds no browser for the video page
// Bitmaps: button pictures 26500-26691 (four a button: normal, pressed, hover, disabled; colours
// three: normal, checked, hover), the tool bar's frame and backgrounds, the memo panels, the
// sticky-note button. Their ids are listed in whiteboard/tools/ToolPictures.h.
// ---- Main dialog: keyboard shortcuts ----
#define IDR_MAIN_ACCEL 646
#define ID_CMD_ADD_DATA_BOX 32792
