#include "tools/closer/CloserRun.h"

ECloserAction CCloserRun::Run(const CString& strCmdLine)
{
    ECloserAction action = ClassifyCommandLine(strCmdLine);
    m_actions.Broadcast();
    m_actions.CloseRunningProgram(_T("ZEL.exe"), _T("ZEL_Talvora_Class"));
    m_actions.CloseRunningProgram(_T("ZELLog.exe"), _T("Talvora_Log_Class"));
    CString strZel = m_strProgramFolder + _T("ZEL.exe");
    switch (action) {
    case CLOSER_ACTION_SSO:
        m_actions.ShellStart(strZel, strCmdLine);
        break;
    case CLOSER_ACTION_RESTART:
        m_actions.Sleep(1000);
        m_actions.StartAndWait(strZel, 3000);
        break;
    case CLOSER_ACTION_UNINSTALL:
        m_actions.RunUninstall();
        break;
    case CLOSER_ACTION_CLOSE_ONLY:
        break;
    }
    return action;
}

CString CCloserRun::GetProgramFolder()
{
    TCHAR szPath[MAX_PATH * 2] = {};
    DWORD n = ::GetModuleFileName(nullptr, szPath, MAX_PATH * 2);
    CString strPath(szPath, (int)n);
    int nSlash = strPath.ReverseFind(_T('\\'));
    return nSlash >= 0 ? strPath.Left(nSlash + 1) : CString();
}
