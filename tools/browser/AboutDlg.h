#pragma once
// The test form's About box.
#include "platform/UI.h"

#include "tools/browser/VistrelResource.h"

class CAboutDlg : public CDialogEx {
public:
    CAboutDlg() : CDialogEx(IDD) {}
    enum { IDD = IDD_ABOUTBOX };
};
