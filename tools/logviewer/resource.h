// Resource ids of the log service program (its own resources, compiled into ZELLog.exe).
#pragma once

#define IDM_ABOUTBOX 0x0010
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_TESSIVAR_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_LOG_VIEWER 129
#define IDD_INPUT 130
#define IDR_DISPLAY_MENU 131

// Main dialog.
#define IDC_DISPLAY_LIST 1001
#define IDC_MENU_BUTTON 1005
#define IDC_TEXT_EDIT 1006
// Viewer (the list shares 1005 and the edit 1006).
#define IDC_LOG_LIST 1005
#define IDC_REFRESH 1007
#define IDC_CHECK_DEBUG 1009
#define IDC_CHECK_INFO 1010
#define IDC_CHECK_WARNING 1011
#define IDC_CHECK_ERROR 1012
#define IDC_SEARCH_TEXT 1013
#define IDC_SEARCH 1014
// Password dialog.
#define IDC_PASSWORD 1006
// About box.
#define IDC_VERSION 1016

// The main dialog's menu.
#define ID_MENU_CLEAR 20101
#define ID_MENU_SCROLL 20102
#define ID_MENU_DISPLAY 20103
#define ID_MENU_OPEN 20104
#define ID_MENU_LEVEL_USE 20105
#define ID_MENU_LEVEL_DEBUG 20106
#define ID_MENU_LEVEL_INFO 20107
#define ID_MENU_LEVEL_WARNING 20108
#define ID_MENU_LEVEL_ERROR 20109
#define ID_MENU_CLOSE 20110

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
