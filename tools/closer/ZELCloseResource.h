#pragma once
// Resource ids of ZELClose's own resources (ZELClose.rc).
#define IDR_MAINFRAME 128
#define IDD_DUNMOREL_DIALOG 102
#define IDC_LIST_STEPS 1000
