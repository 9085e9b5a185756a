#pragma once
// Vistrel's application object: with a command line the browser window shows it as the URL;
// without one the test form appears. Either runs modally, then the program ends.
#include "platform/UI.h"

#define VISTREL_WINDOW_CLASS _T("Talvora_Vistrel_Class")

class CPelloranApp : public CWinApp {
public:
    BOOL InitInstance() override;

    // The browser window's class: a copy of the system dialog class under the name ZEL looks for.
    static BOOL RegisterWindowClass();
};
