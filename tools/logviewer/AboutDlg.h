#pragma once
// The About box of the system menu.
#include "platform/UI.h"

class CAboutDlg : public CDialogEx {
public:
    CAboutDlg();
};
