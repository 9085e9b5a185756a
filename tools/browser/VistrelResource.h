#pragma once
// Resource ids of Vistrel's own resources (Vistrel.rc).
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_PELLORAN_DIALOG 102
#define IDD_SAMPLE_DIALOG 129
#define IDC_BUTTON1 1000
#define IDC_BUTTON_FOLDER 1001
#define IDC_EDIT_URL 1002
#define IDC_EDIT_FOLDER 1003
#define IDC_BUTTON2 1004
#define IDM_ABOUTBOX 0x0010
