#include "screens/login/LoginWindow.h"

#include "core/MyLogFile.h"
#include "platform/MessageBox.h"
#include "screens/login/LoginDlgLayer.h"

namespace {
SLoginShellHooks& Hooks()
{
    static SLoginShellHooks hooks;
    return hooks;
}
}  // namespace

void SetLoginShellHooks(const SLoginShellHooks& hooks)
{
    Hooks() = hooks;
}

const SLoginShellHooks& GetLoginShellHooks()
{
    return Hooks();
}

int ShowLoginMessage(const CString& strText, UINT nType)
{
    g_ApplicationLog.Log(2, L"Login message: %s\n", (LPCTSTR)strText);
    return AfxMessageBox(strText, nType);
}

SLoginRunResult RunLoginWindow(CWnd* pParent, std::function<void()> whileWaiting)
{
    SLoginRunResult run;
    CLoginDlgLayer dlg(pParent);
    dlg.SetWhileWaiting(std::move(whileWaiting));
    const INT_PTR nResult = dlg.DoModal();
    run.result = nResult == IDOK ? ELoginResult::Success
                                 : (dlg.GetResult() == ELoginResult::Success ? ELoginResult::Cancel : dlg.GetResult());
    if (run.result == ELoginResult::Success) run.nThirdCheck = dlg.GetThirdCheckState();
    return run;
}
