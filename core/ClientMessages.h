#pragma once
// The client's private window messages, all in one place so that no two screens pick the same
// number. Messages owned by the libraries beneath the client (socket notices, server replies and
// pushes, skin object events, the inter-program control message) stay with those libraries; the
// numbers below must not collide with them:
//   WM_USER+1..7 socket workers, +99..+199 server replies, +500..+502 voice, +513 program control,
//   +665 skin object events, +768 skinned dialog cancel, +2025 viewer download, +2200 upgrade,
//   +5000 hint edit input, +9000..+9002 push client, +9998/+9999 connection lost / socket error,
//   +11000/+11001 synchronisation client.
// Each area keeps its messages in its own block; add new ones to the block of the area that
// posts or answers them.
#include <windows.h>

// ---- Skinned controls and pop-ups ----
// Slider bar to its parent: wParam the percentage, lParam the slider's control id.
#define WM_SLIDER_MOVING (WM_USER + 2000)       // while the thumb moves, on a change only
#define WM_SLIDER_RELEASED (WM_USER + 2001)     // on every release
// Container pane to its parent.
#define WM_CONTAINER_TOGGLED (WM_USER + 2011)   // after every collapse toggle (0, 0)
#define WM_CONTAINER_OPTION (WM_USER + 2015)    // after an option click: wParam 1 set, 0 cleared
// A yes/no notice's answer, posted to its parent: wParam 1 yes, 0 no.
#define WM_YESNO_ANSWER (WM_USER + 2016)
// To an open pop-up: hide it or show it again without ending it.
#define WM_POPUP_HIDE (WM_USER + 3000)
#define WM_POPUP_SHOW (WM_USER + 3001)
// A pop-up to itself: apply the answer its test seam gave (wParam 1, 2 or 3) once it shows.
#define WM_POPUP_ANSWER (WM_USER + 20100)
// To a radio-style bitmap button: clear its check.
const UINT WM_SKINBUTTON_UNCHECK = WM_USER + 256;
// From the bitmap scroll bars to their parent: wParam the position, lParam the bar's control id.
const UINT WM_SCROLLBAR_POS = WM_USER + 2001;

// ---- Application shell: title bar, tray, settings ----
// Settings pages to the settings window (wParam: 1 push schedule, 2 pen, 3 close alarm).
#define UWM_SETTING_PAGE_CHANGED (WM_USER + 1030)
// Main dialog: end the wait cursor (wParam non-zero: also start timer 1600 for lParam ms).
#define UWM_END_WAIT_CURSOR (WM_USER + 3101)
// Server replies are answered after the socket worker's SendMessage has returned: the reply
// handler keeps what it needs and posts one of these to its own window.
#define UWM_PASSWORD_REPLY_READY (WM_USER + 20200)
#define UWM_SETTING_REPLY_READY (WM_USER + 20201)
#define UWM_NOTIFY_REPLY_READY (WM_USER + 20202)

// ---- Main dialog: screen modes, pop-up services, pushes ----
// The upgrade download's worker to its dialog: new progress to show (read it from the download);
// the download ended (wParam: 1 when the file is complete).
const UINT WM_UPGRADE_PROGRESS = WM_USER + 20600;
const UINT WM_UPGRADE_DONE = WM_USER + 20601;
// ---- Main dialog window: connection notices, log-out, service messages ----
// The log-out reply (the reply window message of M00000023).
const UINT WM_MAIN_LOGOUT_REPLY = WM_USER + 122;
// Posted to itself by the log-out reply: show the login window again.
const UINT WM_MAIN_RELOGIN = WM_USER + 2030;
// From a busy screen: log out, leaving the meeting by command.
const UINT WM_MAIN_LOGOUT_WITH_LEAVE = WM_USER + 3000;
// Ctrl+G, posted to itself with (256, 71): the log viewer's window.
const UINT WM_MAIN_START_LOG_VIEWER = WM_USER + 665;
// Any screen to the main dialog: wait cursor on; off (UWM_END_WAIT_CURSOR).
const UINT WM_MAIN_WAIT_CURSOR_ON = WM_USER + 3100;
// To the meeting screen (menu command): add a file from this computer.
const UINT WM_MAIN_TO_MEETING_ADD_FILE = WM_USER + 2004;
// To the meeting screen (the title bar's back button): ask, leave, and show the meeting's detail;
// -1 when the screen stays.
const UINT WM_MAIN_TO_MEETING_BACK = WM_USER + 2006;

// ---- Login ----
const UINT WM_LOGIN_AUTO_LOGIN = WM_USER + 2040;        // the automatic login starts (posted to itself)
const UINT WM_LOGIN_WAIT_CURSOR_ON = WM_USER + 3100;    // wait cursor while a log-in is out (posted to itself)
const UINT WM_LOGIN_WAIT_CURSOR_OFF = WM_USER + 3101;

// ---- Meeting list, calendar, detail ----

// ---- Meeting screen and side panels ----
// Side panel to the meeting screen (sent, 0, 0): the panel was shown or collapsed, or its tab
// changed; lay the three columns out again (same number as the containers' WM_CONTAINER_TOGGLED).
const UINT WM_SIDEPANEL_LAYOUT = WM_USER + 2011;
// Thumbnail and bookmark strips to the board layer (IZELMainDlg::GetBoardLayerHwnd): go to the
// page (sent, wParam the zero-based page index; the board's WM_BOARD_SELECT_PAGE), and the page's
// favourite flag as the strip knows it (posted, wParam the page, lParam 1 favourite, 0 not).
const UINT WM_SIDEPANEL_SELECT_PAGE = WM_USER + 2018;
const UINT WM_SIDEPANEL_PAGE_FAVORITE = WM_USER + 2022;
// The whiteboard page pop-up to its owner bar (posted): wParam 1 add a page, 2 delete one; lParam
// the page where it is added (the new page's number) or the page deleted.
#define WM_WHITEBOARD_PAGE_COMMAND (WM_USER + 1026)
// To the meeting screen (the right-hand container passes its children's on unchanged).
#define WM_MEETING_OPEN_DOCUMENT (WM_USER + 2003)   // wParam document index (-1/-2 whiteboards), lParam source
#define WM_MEETING_UPLOAD (WM_USER + 2004)          // upload a file of the PC
#define WM_MEETING_SAVE_DONE (WM_USER + 2005)       // board save finished: wParam success, lParam pending action
#define WM_MEETING_BACK_TO_DETAIL (WM_USER + 2006)  // title bar's back: wParam 1 = ask nothing
#define WM_MEETING_SYNC_COMMAND (WM_USER + 2010)    // presenter and follow control, wParam 0..7
#define WM_MEETING_ARCHIVE (WM_USER + 2021)         // copy the current document into the archive
#define WM_MEETING_DOCLIST_BUTTON (WM_USER + 2023)  // a document row's button (no action)
#define WM_MEETING_VIEWER_REQUEST (WM_USER + 2024)  // document viewer request: wParam 0, 1 or 514, lParam value
// Meeting screen to the main dialog: the wait cursor on (off: UWM_END_WAIT_CURSOR).
#define WM_MEETING_WAIT_CURSOR (WM_USER + 3100)

// ---- Drawing canvas and board ----
// Sharing thread to canvas: repaint after incoming strokes were applied.
#define WM_CANVAS_SHARED_REDRAW (WM_USER + 20400)
// Sharing thread to canvas: one presenter view change (lParam: S_BOARD_ZOOM*, the canvas deletes it).
#define WM_CANVAS_SHARED_ZOOM (WM_USER + 20401)
// Synchronisation client to canvas: the presenter's pointer (lParam: S_REMOTE_POINTER*, deleted by the canvas).
#define WM_CANVAS_REMOTE_POINTER (WM_USER + 20402)
// Page-image download to board layer: one page's image (lParam: S_BOARD_IMAGE*, deleted by the board).
#define WM_BOARD_IMAGE_FETCHED (WM_USER + 20403)
// Page decoder to board layer: a page image decoded ahead (lParam: S_BOARD_IMAGE*, deleted by the board).
#define WM_BOARD_PAGE_DECODED (WM_USER + 20404)
// Thumbnail renderer to the side panel's thumbnail strip: one page's thumbnail rendered off the
// window's thread (lParam: S_RENDERED_THUMB*, deleted by the strip).
#define WM_SIDEPANEL_THUMB_RENDERED (WM_USER + 20405)

// ---- Whiteboard tools ----

// ---- Documents ----

// ---- Chat, attendees, approvals ----

// ---- Meeting list screen ----
// The list screen to the main dialog: wait cursor on while a list page is asked for, and off.
const UINT WM_LIST_WAIT_CURSOR_ON = WM_USER + 3100;
const UINT WM_LIST_WAIT_CURSOR_OFF = WM_USER + 3101;
// The list screen to itself: the attendance check of the clicked meeting is answered (wParam 1,
// lParam 1 when the user is among the attendees); the question runs outside the reply call.
const UINT WM_LIST_ATTENDANCE_CHECKED = WM_USER + 666;
// ---- Meeting detail and minutes ----
// Detail list rows to the detail screen (posted; wParam the row, lParam the clicked object, or
// for the favourite the button's new check state).
const UINT WM_DETAIL_ADD_FILE = WM_USER + 769;
const UINT WM_DETAIL_TO_DATA_BOX = WM_USER + 770;
const UINT WM_DETAIL_FAVORITE = WM_USER + 771;
const UINT WM_DETAIL_FEEDBACK = WM_USER + 772;
const UINT WM_DETAIL_WHITEBOARD = WM_USER + 773;
// Minutes list to its parent: open document number wParam of the minutes' meeting (lParam 1).
const UINT WM_MINUTES_OPEN_DOCUMENT = WM_USER + 2003;
// The detail screen to itself: a reply's pop-up, shown once the reply handler has returned
// (wParam what to show; lParam a CString* the receiver deletes, or 0).
const UINT WM_DETAIL_REPLY_NOTICE = WM_USER + 24500;
// Chat input to its panel: the caret's line changed (wParam percent, lParam the 1-based line);
// Enter pressed over text (0, 0). The history's "more" button to the panel (0, 0).
const UINT WM_CHAT_INPUT_LINE = WM_USER + 2007;
const UINT WM_CHAT_INPUT_ENTER = WM_USER + 2008;
const UINT WM_CHAT_OLDER_PAGE = WM_USER + 2009;
// The information panel's attendee list to its owner: a row was chosen (wParam its userIdnfr);
// the presentation is to be handed to the row's attendee (wParam its userIdnfr).
const UINT WM_ATTENDEE_LIST_ROW = WM_USER + 26000;
const UINT WM_ATTENDEE_LIST_HANDOVER = WM_USER + 26001;
