#pragma once
// What ZELClose does after closing the programs, by its command line.
#include "platform/Base.h"

// The single-sign-on keyword: a command line that holds it anywhere goes to a new ZEL unchanged.
#define CLOSER_SSO_KEYWORD _T("START_ZAD_Parlewyn_SSO")

enum ECloserAction {
    CLOSER_ACTION_CLOSE_ONLY,
    CLOSER_ACTION_SSO,
    CLOSER_ACTION_RESTART,
    CLOSER_ACTION_UNINSTALL,
};

// The keyword is looked for case-sensitively anywhere; "restart" and "uninstall" must be the whole
// command line, in any letter case.
ECloserAction ClassifyCommandLine(const CString& strCmdLine);
