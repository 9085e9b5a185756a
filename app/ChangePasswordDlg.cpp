#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ChangePasswordDlg.h"

#include "app/PasswordRules.h"
#include "core/ClientMessages.h"
#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/WinApp.h"

namespace {
const UINT IDD_SKIN_DIALOG = 1200;
const UINT WM_TAS_M00000044 = WM_USER + 143;

// returnCode as a number or a digit string; FALSE when the reply has none.
BOOL ReadReturnCode(const Json::Value& body, int& nCode)
{
    if (!body.isObject() || !body.isMember("returnCode"))
        return FALSE;
    const Json::Value& v = body["returnCode"];
    if (v.isIntegral()) {
        nCode = v.asInt();
        return TRUE;
    }
    if (v.isString()) {
        const std::string s = v.asString();
        if (s.empty() || s.find_first_not_of("-0123456789") != std::string::npos)
            return FALSE;
        nCode = atoi(s.c_str());
        return TRUE;
    }
    return FALSE;
}
} // namespace

BEGIN_MESSAGE_MAP(CChangePasswordDlg, CMyBaseDialog)
    ON_MESSAGE(WM_TAS_M00000044, &CChangePasswordDlg::OnReceiveM00000044)
    ON_MESSAGE(UWM_PASSWORD_REPLY_READY, &CChangePasswordDlg::OnReplyReady)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CChangePasswordDlg::CChangePasswordDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_DIALOG, pParent) {}

BOOL CChangePasswordDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"ChangePasswordDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow();
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pBtnOK = m_Screen.FindObject(L"btnOK");
    m_pEditOld = m_Screen.FindObject(L"editPasswordOld");
    m_pEditNew = m_Screen.FindObject(L"editPasswordNew");
    m_pEditChk = m_Screen.FindObject(L"editPasswordChk");
    return TRUE;
}

int CChangePasswordDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP || !pObject)
        return 0;
    if (m_pBtnClose && pObject->m_nId == m_pBtnClose->m_nId) {
        EndDialog(IDCANCEL);
        return 1;
    }
    if (m_pBtnOK && pObject->m_nId == m_pBtnOK->m_nId) {
        if (CheckInput())
            RequestChange();
        return 1;
    }
    return 0;
}

BOOL CChangePasswordDlg::CheckInput()
{
    auto text = [](SKIN_OBJECT* p) { return p ? p->m_edit.GetText() : CString(); };
    const PASSWORD_RULE nRule = CheckPasswordChange(text(m_pEditOld), text(m_pEditNew), text(m_pEditChk));
    if (nRule == PASSWORD_OK)
        return TRUE;
    AfxMessageBox(PasswordRuleMessage(nRule), MB_OK);
    return FALSE;
}

void CChangePasswordDlg::RequestChange()
{
    m_replyTarget.Take(m_hWnd);
    CTasClientManager::GetInstance()->RequestM00000044(L"", m_pEditOld->m_edit.GetText(),
                                                       m_pEditNew->m_edit.GetText());
}

LRESULT CChangePasswordDlg::OnReceiveM00000044(WPARAM, LPARAM lParam)
{
    // Runs inside the socket worker's SendMessage: keep what the reply says and answer the user
    // after the worker has been let go.
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!pReply)
        return 0;
    m_nReplyStatus = pReply->GetStatusCode();
    m_bReplyAccepted = FALSE;
    m_strReplyMessage.Empty();
    if (m_nReplyStatus == 0) {
        const Json::Value kEmpty(Json::objectValue);
        const Json::Value& body = pReply->GetBody() ? *pReply->GetBody() : kEmpty;
        int nCode = -1;
        const BOOL bHasCode = ReadReturnCode(body, nCode);
        m_bReplyAccepted = bHasCode && nCode == 0;
        m_strReplyMessage = GetJsonString(body, "returnMsg");
        if (!bHasCode)
            g_ApplicationLog.Log(3, L"M00000044 reply without returnCode: not taken as a change");
    }
    PostMessage(UWM_PASSWORD_REPLY_READY, 0, 0);
    return 0;
}

LRESULT CChangePasswordDlg::OnReplyReady(WPARAM, LPARAM)
{
    if (m_nReplyStatus != 0) {
        CString strText;
        strText.Format(L"The results of the M00000044 : %d", m_nReplyStatus);
        AfxMessageBox(strText, MB_OK);
    } else if (!m_bReplyAccepted) {
        AfxMessageBox(m_strReplyMessage, MB_OK);
    } else {
        EndDialog(IDOK);
    }
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->PostMessage(UWM_END_WAIT_CURSOR, 0, 0);
    return 0;
}

void CChangePasswordDlg::OnDestroy()
{
    m_replyTarget.Release();
    CMyBaseDialog::OnDestroy();
}

void CChangePasswordDlg::MoveFocusFrom(HWND hFocus, BOOL bBackwards)
{
    SKIN_OBJECT* fields[3] = {m_pEditOld, m_pEditNew, m_pEditChk};
    CRect rcFocus;
    ::GetWindowRect(hFocus, &rcFocus);
    ScreenToClient(&rcFocus);
    for (int i = 0; i < 3; ++i) {
        CRect rcHit;
        if (!fields[i] || !rcHit.IntersectRect(&rcFocus, &fields[i]->m_rcObject))
            continue;
        SKIN_OBJECT* pNext = fields[(i + (bBackwards ? 2 : 1)) % 3];
        if (pNext)
            pNext->m_edit.Activate();
        return;
    }
}

BOOL CChangePasswordDlg::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        if (CheckInput())
            RequestChange();
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
        if (HWND hFocus = ::GetFocus())
            MoveFocusFrom(hFocus, (::GetKeyState(VK_SHIFT) & 0x8000) != 0);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}
