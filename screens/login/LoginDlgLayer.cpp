#include "screens/login/LoginDlgLayer.h"

#include <uxtheme.h>

#include "core/ClientMessages.h"
#include "core/IniFileHelpers.h"
#include "core/JsonHelpers.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "core/Utf8Text.h"
#include "net/protocol/NetworkStop.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/DC.h"
#include "platform/ResourceHandle.h"
#include "resources/resource.h"
#include "screens/login/FaceBitmap.h"
#include "screens/login/LoginRules.h"
#include "screens/login/SavedLogin.h"
#include "screens/login/SingleSignOn.h"
#include "screens/login/VpnAgentLink.h"
#include "ui/controls/ToastPopup.h"
#include "ui/controls/YesNoPopup.h"

namespace {

const int kWidth = 478;
const int kHeight = 358;
const UINT_PTR TIMER_AUTO_LOGIN = 1;
const UINT_PTR TIMER_SSO_LOGIN = 2;
const UINT_PTR TIMER_WHILE_WAITING = 3;
const UINT_PTR TIMER_AGENT_RETRY = 888;
const UINT_PTR TIMER_AGENT_FIRST = 999;
const UINT_PTR TIMER_NOTICE = 1095;
const WPARAM SIGNED_IN_NOTICE = 0x1315;
const DWORD kConnectSettleMs = 500;

}  // namespace

BEGIN_MESSAGE_MAP(CLoginDlgLayer, CDialog)
    ON_BN_CLICKED(IDC_LOGIN_BUTTON, &CLoginDlgLayer::OnLoginClicked)
    ON_BN_CLICKED(IDC_LOGIN_MINIMIZE, &CLoginDlgLayer::OnMinimizeClicked)
    ON_BN_CLICKED(IDC_LOGIN_CLOSE, &CLoginDlgLayer::OnCloseClicked)
    ON_BN_CLICKED(IDC_LOGIN_SAVE_ID, &CLoginDlgLayer::OnSaveIdClicked)
    ON_BN_CLICKED(IDC_LOGIN_AUTO, &CLoginDlgLayer::OnAutoLoginClicked)
    ON_BN_CLICKED(IDC_LOGIN_SERVER, &CLoginDlgLayer::OnServerSettings)
    ON_MESSAGE(WM_USER + 100, &CLoginDlgLayer::OnLoginReply)
    ON_MESSAGE(WM_USER + 195, &CLoginDlgLayer::OnNoticeReply)
    ON_MESSAGE(WM_TAS_SOCKET_ERROR, &CLoginDlgLayer::OnSocketError)
    ON_MESSAGE(WM_TAS_CONNECTION_LOST, &CLoginDlgLayer::OnConnectionLost)
    ON_MESSAGE(WM_LOGIN_AUTO_LOGIN, &CLoginDlgLayer::OnAutoLogin)
    ON_MESSAGE(WM_LOGIN_WAIT_CURSOR_ON, &CLoginDlgLayer::OnWaitCursorOn)
    ON_MESSAGE(WM_LOGIN_WAIT_CURSOR_OFF, &CLoginDlgLayer::OnWaitCursorOff)
    ON_MESSAGE(WM_MYEDIT_INPUT, &CLoginDlgLayer::OnPasswordChanged)
    ON_WM_TIMER()
    ON_WM_MOVE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CLoginDlgLayer::CLoginDlgLayer(CWnd* pParent)
    : CDialog(IDD_LOGIN, pParent), m_strAgentHost(kAgentHost), m_nAgentPort(kAgentPort)
{
    m_brushEdit.CreateSolidBrush(RGB(255, 255, 255));
}

CLoginDlgLayer::~CLoginDlgLayer() = default;

// ------------------------------------------------------------------------------ set-up

BOOL CLoginDlgLayer::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitControls();
    // A timer comes only when nothing else waits: after the window has been shown and painted.
    if (m_whileWaiting) SetTimer(TIMER_WHILE_WAITING, 1);
    return FALSE;   // the focus is placed by InitControls
}

void CLoginDlgLayer::PlaceControl(CWnd& wnd, int nId, int x, int y, int cx, int cy)
{
    if (!wnd.GetSafeHwnd()) wnd.SubclassDlgItem(nId, this);
    wnd.MoveWindow(x, y, cx, cy);
}

void CLoginDlgLayer::InitControls()
{
    // 1. Icon, title, size, place; a borderless window that still minimises.
    SetIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_APP)), FALSE);
    SetWindowText(L"Brindlecast");
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, WS_SYSMENU | WS_MINIMIZEBOX);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CenterWindow(CWnd::FromHandle(::GetDesktopWindow()));

    // 2. Pictures and plain-coloured check boxes.
    m_bmpFace.LoadBitmap(IDB_LOGIN_FACE);
    PlaceControl(m_btnLogin, IDC_LOGIN_BUTTON, 272, 182, 135, 53);
    m_btnLogin.SetSkin(IDB_LOGIN_BUTTON, IDB_LOGIN_BUTTON_DOWN, IDB_LOGIN_BUTTON_OVER, IDB_LOGIN_BUTTON_DISABLED,
                      IDB_LOGIN_BUTTON_OVER, 0, 0, 0, 0);
    PlaceControl(m_btnMinimize, IDC_LOGIN_MINIMIZE, 428, 7, 20, 20);
    m_btnMinimize.SetSkin(IDB_LOGIN_MIN, IDB_LOGIN_MIN_DOWN, IDB_LOGIN_MIN_OVER, IDB_LOGIN_MIN_DISABLED,
                      IDB_LOGIN_MIN_OVER, 0, 0, 0, 0);
    PlaceControl(m_btnClose, IDC_LOGIN_CLOSE, 452, 7, 20, 20);
    m_btnClose.SetSkin(IDB_LOGIN_CLOSE, IDB_LOGIN_CLOSE_DOWN, IDB_LOGIN_CLOSE_OVER, IDB_LOGIN_CLOSE_DISABLED,
                      IDB_LOGIN_CLOSE_OVER, 0, 0, 0, 0);
    PlaceControl(m_btnServer, IDC_LOGIN_SERVER, 442, 321, 20, 20);
    m_btnServer.SetSkin(IDB_LOGIN_SERVER, IDB_LOGIN_SERVER_DOWN, IDB_LOGIN_SERVER_OVER, IDB_LOGIN_SERVER_DISABLED,
                      IDB_LOGIN_SERVER_OVER, 0, 0, 0, 0);
    PlaceControl(m_chkSaveId, IDC_LOGIN_SAVE_ID, 75, 241, 90, 21);
    PlaceControl(m_chkAutoLogin, IDC_LOGIN_AUTO, 182, 241, 90, 21);
    PlaceControl(m_chkThird, IDC_LOGIN_THIRD, 182, 241, 90, 21);
    for (CButton* box : { &m_chkSaveId, &m_chkAutoLogin, &m_chkThird }) ::SetWindowTheme(box->GetSafeHwnd(), L"", L"");

    // 3. Texts.
    PlaceControl(m_staticInfo, IDC_LOGIN_STATIC, 77, 127, 330, 21);
    CString text;
    text.LoadString(IDS_LOGIN_STATIC);
    m_staticInfo.SetWindowText(text);
    text.LoadString(IDS_LOGIN_SAVE_ID);
    m_chkSaveId.SetWindowText(text);
    text.LoadString(IDS_LOGIN_AUTO);
    m_chkAutoLogin.SetWindowText(text);
    text.LoadString(IDS_LOGIN_THIRD);
    m_chkThird.SetWindowText(text);
    m_staticInfo.ShowWindow(SW_HIDE);
    m_editHidden.SubclassDlgItem(IDC_LOGIN_HIDDEN_EDIT, this);
    m_editHidden.ShowWindow(SW_HIDE);

    // 4. The two boxes.
    PlaceControl(m_editId, IDC_LOGIN_ID, 75, 182, 186, 22);
    PlaceControl(m_editPassword, IDC_LOGIN_PASSWORD, 75, 210, 186, 22);
    CString hint;
    hint.LoadString(IDS_LOGIN_ID_HINT);
    m_editId.SetNotifyWnd(this);
    m_editId.SetHintText(hint);
    hint.LoadString(IDS_LOGIN_PASSWORD_HINT);
    m_editPassword.SetNotifyWnd(this);
    m_editPassword.SetHintText(hint);
    m_editPassword.SetPassword(TRUE);

    // 5. Unusable server settings are mended before anything else.
    if (!CheckServerSettings()) return;

    // 6. The saved ID.
    const SSavedLogin saved = ReadSavedLogin();
    CZELEditCtrl* pFocus = &m_editId;
    if (saved.nSaveId == 1) {
        if (!saved.strLastId.IsEmpty()) m_editId.SetText(saved.strLastId);
        m_chkSaveId.SetCheck(BST_CHECKED);
        pFocus = &m_editPassword;
    }

    // 7. Empty boxes show their hints.
    for (CZELEditCtrl* edit : { &m_editId, &m_editPassword, &m_editHidden })
        if (edit->GetWindowTextLength() == 0) EmptyBox(*edit);
    FocusAtStart(*pFocus);

    // 8.
    m_chkAutoLogin.ShowWindow(SW_SHOW);
    m_chkThird.ShowWindow(SW_HIDE);
    StartAutoLoginIfSet();
}

bool CLoginDlgLayer::CheckServerSettings()
{
    if (CurrentServerSettingsUsable()) return true;
    WriteAutoLoginOff();
    const SLoginShellHooks& hooks = GetLoginShellHooks();
    const INT_PTR nResult = hooks.runServerSettings ? hooks.runServerSettings(FALSE) : IDCANCEL;
    if (nResult == IDCANCEL) {
        CancelWith(ELoginResult::Cancel);
        return false;
    }
    return true;
}

void CLoginDlgLayer::OnServerSettings()
{
    const SLoginShellHooks& hooks = GetLoginShellHooks();
    if (hooks.runServerSettings) hooks.runServerSettings(TRUE);
}

void CLoginDlgLayer::EmptyBox(CZELEditCtrl& edit)
{
    // The box puts its hint back when an update leaves it empty; a text that was empty already
    // may bring no update, so the box is asked to look again.
    edit.SetWindowText(L"");
    if (!edit.IsHintShown())
        SendMessage(WM_COMMAND, MAKEWPARAM(edit.GetDlgCtrlID(), EN_UPDATE), (LPARAM)edit.GetSafeHwnd());
}

void CLoginDlgLayer::FocusAtStart(CZELEditCtrl& edit)
{
    edit.SetFocus();
    edit.SetSel(0, 0);
}

// ------------------------------------------------------------------------------ log-in

void CLoginDlgLayer::OnLoginClicked()
{
    // One attempt at a time: a second Enter while the reply is awaited would send a second
    // request and end the window twice.
    if (m_bAttempt) {
        g_ApplicationLog.Log(2, L"CLoginDlgLayer: log-in already under way, ignored\n");
        return;
    }
    CString strId;
    m_editId.GetWindowText(strId);
    if (strId.IsEmpty() || m_editId.IsHintShown()) {
        m_editId.SetFocus();
        CString text;
        text.LoadString(IDS_LOGIN_ENTER_ID);
        ShowLoginMessage(text);
        return;
    }
    if (m_strTypedPassword.IsEmpty() || m_editPassword.IsHintShown()) {
        m_editPassword.SetFocus();
        CString text;
        text.LoadString(IDS_LOGIN_ENTER_PASSWORD);
        ShowLoginMessage(text);
        return;
    }
    m_btnLogin.EnableWindow(FALSE);
    LogIn(L"", strId, m_strTypedPassword);
}

void CLoginDlgLayer::ConnectServer()
{
    CTasClientManager* tas = CTasClientManager::GetInstance();
    CSettingManager* settings = CSettingManager::GetInstance();
    tas->SetEventWindow(this);
    tas->Connect(settings->GetZELAddress(), settings->GetZELPort());
    tas->SetListener(this);
    // Give the connection its moment to come up, but answer the socket workers' sent messages
    // meanwhile (they wait for this thread) and go on as soon as it is up.
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < kConnectSettleMs) {
        CTasClient* client = tas->GetClient();
        if (client && client->IsConnected()) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void CLoginDlgLayer::LogIn(const CString& strGroupCode, const CString& strLoginId, const CString& strPassword)
{
    g_bNetworkStop = FALSE;
    m_strGroupCode = strGroupCode;
    m_strLoginId = strLoginId;
    m_strPassword = strPassword;
    m_bAttempt = TRUE;
    m_bSignerConfirmed = FALSE;
    PostMessage(WM_LOGIN_WAIT_CURSOR_ON);
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetGroupCode(strGroupCode);
    login->SetLoginId(strLoginId);
    ConnectServer();
    CTasClientManager::GetInstance()->RequestM00000001(strGroupCode, strLoginId, strPassword);
}

void CLoginDlgLayer::EndAttempt()
{
    m_bAttempt = FALSE;
    m_btnLogin.EnableWindow(TRUE);
    PostMessage(WM_LOGIN_WAIT_CURSOR_OFF);
}

LRESULT CLoginDlgLayer::OnLoginReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply) return 0;
    if (!m_bAttempt) {
        g_ApplicationLog.Log(3, L"CLoginDlgLayer: log-in reply without an attempt, ignored\n");
        return 0;
    }
    static const Json::Value kEmpty(Json::objectValue);
    const Json::Value& body = reply->GetBody() ? *reply->GetBody() : kEmpty;
    const int nStatus = reply->GetStatusCode();
    if (nStatus == 0) {
        m_nThirdCheck = m_chkThird.GetCheck();
        if (!ApplyLoginReply(body)) return 0;
        CLoginManager* login = CLoginManager::GetInstance();
        login->SetSawonNo(m_strLoginId);
        login->SetPassword(m_strPassword);
        const BOOL bSigner = m_bSignerConfirmed;
        EndAttempt();
        m_eResult = ELoginResult::Success;
        EndDialog(IDOK);
        if (bSigner) CloseBrowserHelper(L"Talvora_Vistrel_Class", nullptr, nullptr);
        return 0;
    }
    ClearSavedLogin();
    const CString text = LoginFailureText(nStatus, body);
    g_ApplicationLog.Log(2, L"CLoginDlgLayer: log-in refused, status %d\n", nStatus);
    ShowLoginMessage(text);
    m_editId.SetFocus();
    EndAttempt();
    return 0;
}

bool CLoginDlgLayer::ApplyLoginReply(const Json::Value& body)
{
    CTasClientManager::GetInstance()->RequestM00000034(L"");
    const std::string upgrade = GetJsonUtf8(body, "upgrade");
    const std::string upgradeUrl = GetJsonUtf8(body, "upgradeUrl");
    CSettingManager* settings = CSettingManager::GetInstance();
    settings->SetTDSAddress(GetJsonString(body, "tdsConnectionIp"));
    settings->SetTDSPort(_wtoi(GetJsonString(body, "tdsconnectionPort")));
    if (CrashUploadUsesHttps(GetJsonUtf8(body, "crashUploadUrl"))) settings->SetUseHttps(1);

    if (LoginReplyOffersUpgrade(upgrade, upgradeUrl)) {
        const CString strUrl = Utf8ToCString(upgradeUrl);
        g_ApplicationLog.Log(2, L"Upgrade URL : [%s]\n", (LPCTSTR)strUrl);
        CString strTitle, strText;
        strTitle.LoadString(IDS_UPGRADE_CAPTION);
        strText.LoadString(IDS_UPGRADE_TEXT);
        CYesNoPopup question(this, 305, 137, 0, 0, strTitle, L"", strText, L"", FALSE, TRUE);
        const INT_PTR nAnswer = question.DoModal();
        if (nAnswer != IDCANCEL && nAnswer != IDABORT && nAnswer != 3) {
            const SLoginShellHooks& hooks = GetLoginShellHooks();
            const CString strPath = hooks.runUpgrade ? hooks.runUpgrade(strUrl) : CString();
            if (!strPath.IsEmpty()) ::ShellExecuteW(nullptr, L"open", strPath, nullptr, nullptr, SW_SHOWNORMAL);
        }
        EndAttempt();
        CancelWith(ELoginResult::Exit);
        return false;
    }
    CLoginManager* login = CLoginManager::GetInstance();
    login->SetSessionFromReply(body, true);
    login->SetUpgrade(upgrade);
    WriteSavedLogin(m_chkSaveId.GetCheck() == BST_CHECKED, m_chkAutoLogin.GetCheck() == BST_CHECKED, m_strGroupCode,
                    m_strLoginId, m_strPassword);
    return true;
}

LRESULT CLoginDlgLayer::OnNoticeReply(WPARAM, LPARAM lParam)
{
    const CTasResponse* reply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!reply || reply->GetStatusCode() != 0 || !reply->GetBody()) return 0;
    const Json::Value& body = *reply->GetBody();
    if (GetJsonInt(body, "noticeYn") != 0) {
        // The key keeps its historical spelling: installed settings files have it so.
        int nSeen = 0;
        const CString ini = CSettingManager::GetInstance()->GetSettingIniPath();
        ReadIniInt(L"Notice", L"noticdId", nSeen, ini);
        const int nNoticeId = GetJsonInt(body, "noticeId");
        const SLoginShellHooks& hooks = GetLoginShellHooks();
        if (nNoticeId != nSeen && hooks.showAnnouncement && hooks.showAnnouncement(GetJsonString(body, "content")))
            WriteIniInt(L"Notice", L"noticdId", nNoticeId, ini);
    }
    StartAutoLoginIfSet();
    return 0;
}

LRESULT CLoginDlgLayer::OnSocketError(WPARAM, LPARAM lParam)
{
    const int nCode = (int)lParam;
    // A notice without an error code reports nothing; it must not hide the real error after it.
    if (nCode == 0 || m_bSocketErrorSeen) return 0;
    m_bSocketErrorSeen = 1;
    g_ApplicationLog.Log(4, L"CLoginDlgLayer: connection error %d\n", nCode);
    ShowLoginMessage(LoginSocketErrorText(nCode));
    CancelWith(ELoginResult::Exit);
    return 0;
}

LRESULT CLoginDlgLayer::OnConnectionLost(WPARAM, LPARAM)
{
    g_ApplicationLog.Log(4, L"CLoginDlgLayer: connection lost\n");
    ShowLoginMessage(LoginSocketErrorText(9999));
    CancelWith(ELoginResult::Exit);
    return 0;
}

void CLoginDlgLayer::CancelWith(ELoginResult eResult)
{
    m_eResult = eResult;
    m_bAttempt = FALSE;
    CDialog::OnCancel();
}

void CLoginDlgLayer::OnOK()
{
    // Enter is taken by PreTranslateMessage; the dialog manager's default button never ends it.
}

void CLoginDlgLayer::OnCancel()
{
    CancelWith(ELoginResult::Cancel);
}

void CLoginDlgLayer::OnCloseClicked()
{
    OnCancel();
}

void CLoginDlgLayer::OnMinimizeClicked()
{
    ShowWindow(SW_MINIMIZE);
}

// ------------------------------------------------------------------------------ saved login

void CLoginDlgLayer::OnSaveIdClicked()
{
    if (m_chkSaveId.GetCheck() != BST_CHECKED) m_chkAutoLogin.SetCheck(BST_UNCHECKED);
}

void CLoginDlgLayer::OnAutoLoginClicked()
{
    if (m_chkAutoLogin.GetCheck() == BST_CHECKED) m_chkSaveId.SetCheck(BST_CHECKED);
}

void CLoginDlgLayer::StartAutoLoginIfSet()
{
    if (!IsAutoLoginSaved()) return;
    m_chkAutoLogin.SetCheck(BST_CHECKED);
    m_btnLogin.EnableWindow(FALSE);
    SetTimer(TIMER_AUTO_LOGIN, 100);
}

LRESULT CLoginDlgLayer::OnAutoLogin(WPARAM, LPARAM)
{
    if (m_bAttempt) return 0;
    const SSavedLogin saved = ReadSavedLogin();
    const CString strPassword = ReadSavedKey(saved.strKey);
    if (saved.strLastId.IsEmpty() || saved.strKey.IsEmpty() || strPassword.IsEmpty()) return 0;
    m_chkSaveId.SetCheck(BST_CHECKED);
    m_chkAutoLogin.SetCheck(BST_CHECKED);
    LogIn(saved.strGroupCode, saved.strLastId, strPassword);
    return 0;
}

// ------------------------------------------------------------------------------ input

LRESULT CLoginDlgLayer::OnPasswordChanged(WPARAM, LPARAM)
{
    // Every box notifies; only the password box's text is kept.
    if (!m_editPassword.GetSafeHwnd()) return 0;
    CString text;
    m_editPassword.GetWindowText(text);
    m_strPasswordBoxText = text;
    CString hint;
    hint.LoadString(IDS_LOGIN_PASSWORD_HINT);
    m_strTypedPassword = NextTypedPassword(m_strTypedPassword, text, hint);
    return 0;
}

CZELEditCtrl* CLoginDlgLayer::EditOf(HWND hWnd)
{
    for (CZELEditCtrl* edit : { &m_editId, &m_editPassword, &m_editHidden })
        if (hWnd && edit->GetSafeHwnd() == hWnd) return edit;
    return nullptr;
}

BOOL CLoginDlgLayer::HandleTab(MSG* pMsg)
{
    const bool bShift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const HWND from = ::GetFocus();
    CZELEditCtrl* target = nullptr;
    if (!bShift) {
        if (from == m_btnClose.GetSafeHwnd()) target = &m_editHidden;
        else if (from == m_editHidden.GetSafeHwnd()) target = &m_editId;
        else if (from == m_editId.GetSafeHwnd()) target = &m_editPassword;
    } else {
        if (from == m_editId.GetSafeHwnd()) target = &m_editHidden;
        else if (from == m_editPassword.GetSafeHwnd()) target = &m_editId;
        else if (from == m_chkSaveId.GetSafeHwnd()) target = &m_editPassword;
    }
    if (target && target->IsHintShown()) {
        FocusAtStart(*target);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CLoginDlgLayer::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message) {
    case WM_KEYDOWN:
        if (pMsg->wParam == VK_RETURN) {
            OnLoginClicked();
            return TRUE;
        }
        if (pMsg->wParam == VK_ESCAPE) {
            ShowWindow(SW_MINIMIZE);
            return TRUE;
        }
        if ((pMsg->wParam == 'A' || pMsg->wParam == 'V') && (::GetKeyState(VK_CONTROL) & 0x8000)) {
            CZELEditCtrl* edit = EditOf(::GetFocus());
            if (edit && edit->IsHintShown()) {
                FocusAtStart(*edit);
                return TRUE;
            }
        }
        if (pMsg->wParam == VK_TAB) return HandleTab(pMsg);
        break;
    case WM_LBUTTONDOWN: {
        if (CZELEditCtrl* edit = EditOf(pMsg->hwnd)) {
            if (edit->IsHintShown()) {
                FocusAtStart(*edit);
                return TRUE;
            }
            break;
        }
        if (pMsg->hwnd == m_btnServer.GetSafeHwnd()) {
            OnServerSettings();
            return TRUE;
        }
        break;
    }
    case WM_RBUTTONDOWN:
        --m_nRightClickCountdown;
        g_ApplicationLog.Log(2, L"IPConfig show count : [%d]\n", m_nRightClickCountdown);
        if (m_nRightClickCountdown <= 0) {
            OnServerSettings();
            m_nRightClickCountdown = 7;
        }
        return TRUE;
    case WM_LBUTTONDBLCLK:
        if (CZELEditCtrl* edit = EditOf(pMsg->hwnd)) {
            if (edit->IsHintShown()) return TRUE;
            break;
        }
        return TRUE;
    default:
        break;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

// ------------------------------------------------------------------------------ outside signer

LRESULT CLoginDlgLayer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA && wParam == SIGNED_IN_NOTICE)
        OnSignedInNotice(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    return CDialog::WindowProc(message, wParam, lParam);
}

void CLoginDlgLayer::OnSignedInNotice(const COPYDATASTRUCT* pData)
{
    // Any program on the desktop can send this. It may confirm the attempt under way, but only
    // the server's reply completes a log-in (without it there is no session), and a notice while
    // nothing is attempted is no reason to end the program.
    if (!m_bAttempt) {
        g_ApplicationLog.Log(3, L"CLoginDlgLayer: signed-in notice without a log-in under way, ignored\n");
        return;
    }
    CString strId;
    if (pData && pData->lpData && pData->cbData >= sizeof(wchar_t)) {
        const wchar_t* text = static_cast<const wchar_t*>(pData->lpData);
        const size_t nMax = pData->cbData / sizeof(wchar_t);
        size_t n = 0;
        while (n < nMax && text[n]) ++n;
        strId = CString(text, (int)n);
    }
    if (strId == m_strLoginId) {
        m_bSignerConfirmed = TRUE;
        g_ApplicationLog.Log(2, L"CLoginDlgLayer: signed-in notice for the attempt's ID\n");
        return;
    }
    ShowLoginMessage(L"EPKI 전자서명이 동일한 계정이 아닙니다.");
    CancelWith(ELoginResult::Cancel);
}

int CLoginDlgLayer::CloseBrowserHelper(LPCTSTR pszClass, LPCTSTR pszName, LPCTSTR)
{
    HWND hWnd = ::FindWindowW(pszClass, pszName && *pszName ? pszName : nullptr);
    if (!hWnd) return 0;
    for (int i = 0; i < 7; ++i) {
        ::SendMessageW(hWnd, WM_CLOSE, 0, 0);
        ::Sleep(100);
        hWnd = ::FindWindowW(pszClass, pszName && *pszName ? pszName : nullptr);
        if (!hWnd) return 1;
    }
    return 0;
}

// ------------------------------------------------------------------------------ single sign-on

int CLoginDlgLayer::TrySingleSignOn()
{
    CSSOCheckDlg check(this);
    check.LoadSettings(CSettingManager::GetInstance()->GetSettingIniPath());
    const CPentaSec& sec = check.GetSettings();
    if (sec.m_nUse == 0 || sec.m_nType != 1) return 0;
    m_chkSaveId.ShowWindow(SW_HIDE);
    m_chkAutoLogin.ShowWindow(SW_HIDE);
    m_editPassword.EnableWindow(FALSE);
    m_editPassword.SetText(kSsoPasswordFiller);
    if (check.DoModal() != IDOK) return 0;
    m_editId.SetText(sec.m_strTokenId);
    m_editId.EnableWindow(FALSE);
    m_btnLogin.EnableWindow(FALSE);
    SetTimer(TIMER_SSO_LOGIN, 100);
    return 1;
}

// ------------------------------------------------------------------------------ VPN agent

void CLoginDlgLayer::ProcVpnLogin(int nFlag)
{
    ReadIniInt(L"IP", L"delay", m_nAgentWaitSeconds, CSettingManager::GetInstance()->GetSettingIniPath());
    CString strId;
    m_editId.GetWindowText(strId);
    if (m_editId.IsHintShown()) strId.Empty();
    const CString strPassword = m_strTypedPassword;
    const int nCode = SendAgentCommand(m_strAgentHost.c_str(), m_nAgentPort, 1, strId, strPassword, m_nAgentWaitSeconds);
    ShowLoginToast(L"보안접속 진행을 종료합니다.", TRUE);
    g_ApplicationLog.Log(1, L"CLoginDlgLayer::ProcVpnLogin => %d", nCode);
    if (nCode == 0) {
        ::Sleep(1500);
        m_strGroupCode = L"";
        m_strLoginId = strId;
        m_strPassword = strPassword;
        ShowLoginToast(L"", FALSE);
        m_bAttempt = TRUE;
        m_bSignerConfirmed = FALSE;
        PostMessage(WM_LOGIN_WAIT_CURSOR_ON);
        ConnectServer();
        CTasClientManager::GetInstance()->RequestM00000001(m_strGroupCode, m_strLoginId, m_strPassword);
        return;
    }
    ShowLoginToast(L"", FALSE);
    if (nCode == -7) {
        ShowLoginMessage(L"아이디 또는 비밀번호가 틀렸습니다. (-7)");
    } else if (nFlag == 1) {
        SetTimer(TIMER_AGENT_RETRY, 3000);
        ShowLoginToast(L"보안접속 진행중입니다.", TRUE);
        return;
    } else {
        ShowLoginMessage(L"보안접속에 실패하였습니다.");
    }
    m_btnLogin.EnableWindow(TRUE);
    EmptyBox(m_editPassword);
    EmptyBox(m_editId);
}

int CLoginDlgLayer::ProcVpnStatus()
{
    const int nCode =
        SendAgentCommand(m_strAgentHost.c_str(), m_nAgentPort, 3, m_strLoginId, m_strPassword, m_nAgentWaitSeconds);
    g_ApplicationLog.Log(1, L"CLoginDlgLayer::ProcVpnStatus => %d", nCode);
    return nCode;
}

void CLoginDlgLayer::ShowLoginToast(const CString& strText, BOOL bLong)
{
    // The toast stands over the window's client area at its last position; it carries no
    // answer, so the text is what matters to the user and to the log.
    m_strLastToast = strText;
    CRect rc;
    GetClientRect(&rc);
    rc.OffsetRect(m_nLastX, m_nLastY);
    // An empty text only ends the long toast (it also runs out by itself); what waited behind it
    // follows.
    if (strText.IsEmpty()) {
        if (m_pToast && ::IsWindow(m_pToast->GetSafeHwnd())) m_pToast->ShowUntilClosed(rc, CString(), 0);
        return;
    }
    if (!m_pToast) {
        m_pToast = new CToastPopup(this);
        if (!m_pToast->Create(IDD_TOAST, this)) {
            delete m_pToast;
            m_pToast = nullptr;
            return;
        }
    }
    if (bLong) m_pToast->ShowUntilClosed(rc, strText, 60000);
    else m_pToast->Show(rc.left, rc.top, rc.right, rc.bottom, strText);
}

// ------------------------------------------------------------------------------ timers, paint

void CLoginDlgLayer::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent) {
    case TIMER_AUTO_LOGIN:
        KillTimer(TIMER_AUTO_LOGIN);
        PostMessage(WM_LOGIN_AUTO_LOGIN);
        break;
    case TIMER_SSO_LOGIN:
        KillTimer(TIMER_SSO_LOGIN);
        OnLoginClicked();
        break;
    case TIMER_WHILE_WAITING: {
        KillTimer(TIMER_WHILE_WAITING);
        // The boxes and buttons are painted before the work holds the thread.
        RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::function<void()> work = std::move(m_whileWaiting);
        m_whileWaiting = nullptr;
        if (work) work();
        break;
    }
    case TIMER_AGENT_RETRY:
        KillTimer(TIMER_AGENT_RETRY);
        ProcVpnLogin(0);
        break;
    case TIMER_AGENT_FIRST:
        KillTimer(TIMER_AGENT_FIRST);
        ProcVpnLogin(1);
        break;
    case TIMER_NOTICE:
        KillTimer(TIMER_NOTICE);
        ConnectServer();
        CTasClientManager::GetInstance()->RequestM00000095();
        break;
    default:
        break;
    }
}

LRESULT CLoginDlgLayer::OnWaitCursorOn(WPARAM, LPARAM)
{
    ++m_nWaitCursor;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return 0;
}

LRESULT CLoginDlgLayer::OnWaitCursorOff(WPARAM, LPARAM)
{
    if (m_nWaitCursor > 0) --m_nWaitCursor;
    ::SetCursor(::LoadCursorW(nullptr, m_nWaitCursor ? IDC_WAIT : IDC_ARROW));
    return 0;
}

BOOL CLoginDlgLayer::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_nWaitCursor) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
    }
    return (BOOL)Default();
}

void CLoginDlgLayer::OnMove(int x, int y)
{
    m_nLastX = x;
    m_nLastY = y;
}

BOOL CLoginDlgLayer::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    DrawFaceBitmap(pDC, m_bmpFace, rc);
    return TRUE;
}

HBRUSH CLoginDlgLayer::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (CZELEditCtrl* edit = EditOf(hWnd)) {
        pDC->SetTextColor(edit->IsHintShown() ? RGB(163, 163, 163) : RGB(0, 0, 0));
        pDC->SetBkColor(RGB(255, 255, 255));
        return (HBRUSH)m_brushEdit.GetSafeHandle();
    }
    const int nId = hWnd ? ::GetDlgCtrlID(hWnd) : 0;
    switch (nId) {
    case IDC_LOGIN_STATIC: case IDC_LOGIN_SAVE_ID: case IDC_LOGIN_AUTO: case IDC_LOGIN_THIRD:
    case 1084: case 1085: case 1086:
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    default:
        break;
    }
    return (HBRUSH)Default();
}
