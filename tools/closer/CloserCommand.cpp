#include "tools/closer/CloserCommand.h"

ECloserAction ClassifyCommandLine(const CString& strCmdLine)
{
    if (strCmdLine.Find(CLOSER_SSO_KEYWORD) >= 0) return CLOSER_ACTION_SSO;
    CString strLower = strCmdLine;
    strLower.MakeLower();
    if (strLower == _T("restart")) return CLOSER_ACTION_RESTART;
    if (strLower == _T("uninstall")) return CLOSER_ACTION_UNINSTALL;
    return CLOSER_ACTION_CLOSE_ONLY;
}
