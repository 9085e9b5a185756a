#include "screens/login/SingleSignOn.h"

#include "core/IniFileHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "net/socket/ErrorHandler.h"
#include "platform/DC.h"
#include "platform/StringConversion.h"
#include "resources/resource.h"
#include "screens/login/FaceBitmap.h"
#include "screens/login/LoginWindow.h"

const wchar_t kSsoPasswordFiller[] = L"5820417369mxcvbnrtzq";

namespace {
const int kSsoPort = 16302;
const UINT_PTR TIMER_READ_PAGE = 1;
const UINT_PTR TIMER_CHECK_TOKEN = 2;
const UINT_PTR TIMER_DONE = 3;

// The field of "a=b=c" at index, cut at its first '&'.
CString Field(const CString& text, int index)
{
    int start = 0;
    for (int i = 0; i < index; ++i) {
        const int eq = text.Find(L'=', start);
        if (eq < 0) return CString();
        start = eq + 1;
    }
    CString field = text.Mid(start);
    const int eq = field.Find(L'=');
    if (eq >= 0) field = field.Left(eq);
    const int amp = field.Find(L'&');
    if (amp >= 0) field = field.Left(amp);
    return field;
}
}  // namespace

void CPentaSec::Load(LPCTSTR pszIniPath)
{
    ReadIniInt(L"SSO", L"Type", m_nType, pszIniPath);
    ReadIniInt(L"SSO", L"Use", m_nUse, pszIniPath);
    ReadIniInt(L"SSO", L"UseTokenSave", m_nUseTokenSave, pszIniPath);
    ReadIniInt(L"SSO", L"UseLogout", m_nUseLogout, pszIniPath);
    ReadIniString(L"SSO", L"Server", m_strServer, pszIniPath);
    ReadIniString(L"SSO", L"SSID", m_strSsid, pszIniPath);
    ReadIniString(L"SSO", L"KEY", m_strKey, pszIniPath);
    ReadIniString(L"SSO", L"TokenID", m_strTokenId, pszIniPath);
}

SSsoPageResult ParseSsoPageText(const CString& strBody)
{
    SSsoPageResult result;
    const int at = strBody.Find(L"isLogin");
    if (at <= 0) return result;
    result.bFound = true;
    const CString rest = strBody.Mid(at);
    result.strIsLogin = Field(rest, 1);
    result.strEmpId = Field(rest, 2);
    return result;
}

BEGIN_MESSAGE_MAP(CSSOCheckDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_USER + 99, &CSSOCheckDlg::OnSignOnReply)
    ON_MESSAGE(WM_TAS_SOCKET_ERROR, &CSSOCheckDlg::OnSocketError)
    ON_MESSAGE(WM_TAS_CONNECTION_LOST, &CSSOCheckDlg::OnConnectionLost)
END_MESSAGE_MAP()

CSSOCheckDlg::CSSOCheckDlg(CWnd* pParent)
    : CDialog(IDD_SSO_CHECK, pParent), m_strServer(CSettingManager::GetInstance()->GetZELAddress()),
      m_nServerPort(kSsoPort)
{
}

BOOL CSSOCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 480, 360, SWP_NOZORDER | SWP_NOMOVE);
    CenterWindow();
    m_bmpFace.LoadBitmap(IDB_SSO_FACE);
    m_font.CreatePointFont(100, L"Malgun Gothic");
    return TRUE;
}

BOOL CSSOCheckDlg::PreTranslateMessage(MSG* pMsg)
{
    // Enter and Esc go to the focused control instead of ending the window.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

void CSSOCheckDlg::OnKillFocus(CWnd* pNewWnd)
{
    // The focus moving to one of its own controls (the dialog manager does that when it
    // activates) is not the user turning away.
    const HWND hNew = pNewWnd ? pNewWnd->GetSafeHwnd() : nullptr;
    if (hNew && (hNew == m_hWnd || ::IsChild(m_hWnd, hNew))) return;
    PostMessage(WM_CLOSE);
}

BOOL CSSOCheckDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    DrawFaceBitmap(pDC, m_bmpFace, rc);
    CRect text = rc;
    text.DeflateRect(10, 10);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(255, 255, 255));
    CFont* oldFont = m_font.GetSafeHandle() ? pDC->SelectObject(&m_font) : nullptr;
    pDC->DrawText(m_strText, &text, DT_WORDBREAK);
    if (oldFont) pDC->SelectObject(oldFont);
    return TRUE;
}

void CSSOCheckDlg::Fail(const CString& strText)
{
    ShowLoginMessage(strText);
    EndDialog(IDCANCEL);
}

void CSSOCheckDlg::ReadPage()
{
    const SSsoPageResult page = ParseSsoPageText(m_pageText ? m_pageText() : CString());
    if (!page.bFound) {
        Fail(L"SSO연동 정보를 찾을 수 없습니다.");
        return;
    }
    const BOOL bSso = page.strIsLogin == L"success";
    if (page.strEmpId.IsEmpty()) {
        CString text;
        text.LoadString(IDS_SSO_NO_EMPLOYEE);
        Fail(text);
        return;
    }
    const CString strLoginId = L"C1" + page.strEmpId;
    CLoginManager::GetInstance()->SetLoginId(strLoginId);
    CLoginManager::GetInstance()->SetSsoLogin(bSso);
    CTasClientManager* tas = CTasClientManager::GetInstance();
    tas->SetEventWindow(this);
    tas->SetListener(this);
    tas->Connect(m_strServer, m_nServerPort);
    tas->RequestG00000001(strLoginId, bSso);
}

void CSSOCheckDlg::OnTimer(UINT_PTR nIDEvent)
{
    KillTimer(nIDEvent);
    switch (nIDEvent) {
    case TIMER_READ_PAGE:
        ReadPage();
        break;
    case TIMER_CHECK_TOKEN:
        m_strText = m_sec.m_strLog;
        Invalidate();
        if (m_sec.m_nUse == 0 || !m_sec.m_strTokenId.IsEmpty()) SetTimer(TIMER_DONE, 1000);
        else Fail(L"SSO연동을 실패하였습니다.");
        break;
    case TIMER_DONE:
        EndDialog(IDOK);
        break;
    default:
        break;
    }
}

LRESULT CSSOCheckDlg::OnSignOnReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply) return 0;
    const int nStatus = reply->GetStatusCode();
    if (nStatus == 0) {
        CTasClientManager::GetInstance()->RequestM00000034(L"");
        static const Json::Value kEmpty(Json::objectValue);
        CLoginManager::GetInstance()->SetSessionFromReply(reply->GetBody() ? *reply->GetBody() : kEmpty, false);
        EndDialog(IDOK);
        return 0;
    }
    CString text;
    if (nStatus == 16) text.LoadString(IDS_LOGIN_WRONG_PASSWORD);
    else if (nStatus == 100 || nStatus == 104) text.LoadString(IDS_SSO_NO_USER);
    else text.Format(IDS_LOGIN_FAILED_STATUS, nStatus);
    Fail(text);
    return 0;
}

LRESULT CSSOCheckDlg::OnSocketError(WPARAM, LPARAM lParam)
{
    const int nCode = (int)lParam;
    if (nCode == 0 || m_bConnectionErrorSeen) return 0;
    m_bConnectionErrorSeen = 1;
    CString text;
    if (nCode == 10060 || nCode == 10061) text.LoadString(IDS_SOCKET_TIMEOUT);
    else if (nCode == 9999) text.LoadString(IDS_SOCKET_LOST);
    else {
        text = CString(CA2W(CErrorHandler::ErrorCodeToString(nCode).c_str(), CP_ACP));
        if (text.IsEmpty()) text.LoadString(IDS_SOCKET_OTHER);
    }
    Fail(text);
    return 0;
}

LRESULT CSSOCheckDlg::OnConnectionLost(WPARAM, LPARAM)
{
    CString text;
    text.LoadString(IDS_SOCKET_LOST);
    Fail(text);
    return 0;
}
