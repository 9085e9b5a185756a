#include "tools/closer/DunmorelApp.h"

#include "tools/closer/CloserRun.h"
#include "tools/closer/DunmorelDlg.h"

CDunmorelApp::CDunmorelApp() : m_actions(*this) {}

BOOL CDunmorelApp::InitInstance()
{
    CWinApp::InitInstance();
    CString strCmdLine = m_lpCmdLine ? m_lpCmdLine : _T("");
    if (ClassifyCommandLine(strCmdLine) == CLOSER_ACTION_SSO) m_strCmdLine = strCmdLine;
    CCloserRun run(m_actions, CCloserRun::GetProgramFolder());
    run.Run(strCmdLine);
    return FALSE;
}

void CDunmorelApp::CAppActions::RunUninstall()
{
    CDunmorelDlg dlg;
    m_app.m_pMainWnd = &dlg;
    dlg.DoModal();
    m_app.m_pMainWnd = nullptr;
}
