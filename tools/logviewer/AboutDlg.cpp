#include "tools/logviewer/AboutDlg.h"

#include "tools/logviewer/resource.h"

CAboutDlg::CAboutDlg() : CDialogEx(IDD_ABOUTBOX) {}
