#include "features/documents/WebPageViews.h"

#include "core/DataBoxUrl.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "net/protocol/TasClientManager.h"
#include "platform/MessageBox.h"
#include "platform/WinApp.h"
#include "resources/resource.h"

CHView::CHView(IAttendeePageHost* pHost, const CString& strMtngId, std::function<void()> onEnd)
{
    External().AddMethod(L"AddCall", [this](const std::vector<CString>& args) {
        ::MessageBoxW(GetSafeHwnd(), args.empty() ? L"" : args[0].GetString(), L"", MB_OK);
        return 0;
    });
    External().AddMethod(L"checkOtherTargetVal", [pHost](const std::vector<CString>& args) {
        return pHost && args.size() > 1 ? pHost->CheckOtherTarget(_wtoi(args[1].GetString())) : 0;
    }, TRUE);
    External().AddMethod(L"setUserInfo", [pHost, strMtngId, onEnd](const std::vector<CString>& args) {
        if (pHost)
            pHost->AddAttendee(strMtngId, args.size() > 1 ? args[1] : CString());
        onEnd();
        return 0;
    });
    External().AddMethod(L"closeDlg", [onEnd](const std::vector<CString>&) {
        onEnd();
        return 0;
    });
}

CINoteFileAddView::CINoteFileAddView(std::function<void()> onReload, std::function<void()> onEnd)
{
    auto reloadAndEnd = [onReload, onEnd](const std::vector<CString>&) {
        onReload();
        onEnd();
        return 0;
    };
    External().AddMethod(L"setReload", reloadAndEnd);
    External().AddMethod(L"checkOtherTargetVal", [](const std::vector<CString>&) { return 0; }, TRUE);
    External().AddMethod(L"setUserInfo", reloadAndEnd);
    External().AddMethod(L"databoxCloseDlg", [onEnd](const std::vector<CString>&) {
        onEnd();
        return 0;
    });
}

CString MakeDataBoxPageUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strMtngId,
                           const CString& strSawonNo, const SYSTEMTIME& now)
{
    CString strSuffix;
    strSuffix.Format(L"&%02d:%02d:%02d.%03d", now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
    return MakeDataBoxUrl(bHttps, strAddress, nPort, L"databox", strMtngId, strSawonNo) + strSuffix;
}

namespace {

// A rectangle of the view's size centred over the main window (or the work area without one).
CRect CentredOverMainWindow(int cx, int cy)
{
    CRect rcOver;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && pMain->GetSafeHwnd())
        pMain->GetWindowRect(&rcOver);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcOver, 0);
    return CRect(CPoint(rcOver.CenterPoint().x - cx / 2, rcOver.CenterPoint().y - cy / 2), CSize(cx, cy));
}

HICON AppIcon()
{
    return AfxGetApp() ? AfxGetApp()->LoadIcon(IDI_APP) : ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
}

// The organisation page's answers when the opener gives no host: the server is asked directly and
// no information panel knows the person.
class CServerAttendeePageHost : public IAttendeePageHost {
public:
    int CheckOtherTarget(int) override { return 0; }
    void AddAttendee(const CString& strMtngId, const CString& strUserIdnfr) override
    {
        CTasClientManager::GetInstance()->RequestM00000038(strMtngId, strUserIdnfr, L"", FALSE);
    }
};

}  // namespace

BEGIN_MESSAGE_MAP(CINoteFileAdd, CDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CINoteFileAdd::CINoteFileAdd(IDataBoxHost* pHost, CWnd* pParent) : CDialog(IDD, pParent), m_pHost(pHost) {}

CINoteFileAdd::~CINoteFileAdd()
{
    delete m_pView;
}

BOOL CINoteFileAdd::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(AppIcon(), TRUE);
    const CRect rcDialog = CentredOverMainWindow(VIEW_CX, VIEW_CY);

    m_pView = new CINoteFileAddView([this] { if (m_pHost) m_pHost->RefreshCurrentScreen(); },
                                    [this] { EndDialog(IDCANCEL); });
    m_pView->Create(this, CRect(0, 0, VIEW_CX, VIEW_CY), VIEW_ID);

    CSettingManager* pSettings = CSettingManager::GetInstance();
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_strUrl = MakeDataBoxPageUrl(pSettings->GetUseHttps(), pSettings->GetTMSAddress(), pSettings->GetTMSPort(),
                                  m_pHost ? m_pHost->GetCurrentMeetingId() : CString(),
                                  CLoginManager::GetInstance()->GetSawonNo(), now);
    m_pView->Navigate(m_strUrl);
    MoveWindow(rcDialog);
    g_ApplicationLog.Log(2, L"자료함 : %s", m_strUrl.GetString());
    return TRUE;
}

void CINoteFileAdd::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->MoveWindow(0, 1, cx, cy);
}

CString MakeOrganisationPageUrl(BOOL bHttps, const CString& strAddress, int nPort, int nUserIdNumber)
{
    CString strUrl;
    strUrl.Format(L"%s%s:%d/brindlecast/org.do?method=getOrganization&loginUserIdnfr=%d&userType=ncry",
                  bHttps ? L"https://" : L"http://", strAddress.GetString(), nPort, nUserIdNumber);
    return strUrl;
}

BEGIN_MESSAGE_MAP(CAttendeeAddPopup, CDialog)
    ON_WM_SIZE()
    ON_COMMAND(ID_TEST_ADD_SELECTED, &CAttendeeAddPopup::OnTestAddSelected)
END_MESSAGE_MAP()

CAttendeeAddPopup::CAttendeeAddPopup(CWnd* pParent, IAttendeePageHost* pHost) : CDialog(IDD, pParent), m_pHost(pHost) {}

CAttendeeAddPopup::~CAttendeeAddPopup()
{
    delete m_pView;
}

BOOL CAttendeeAddPopup::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(AppIcon(), TRUE);
    const CRect rcDialog = CentredOverMainWindow(VIEW_CX, VIEW_CY);
    static CServerAttendeePageHost s_serverHost;
    m_pView = new CHView(m_pHost ? m_pHost : &s_serverHost, m_strMtngId, [this] { EndDialog(IDCANCEL); });
    m_pView->Create(this, CRect(0, 0, VIEW_CX, VIEW_CY), VIEW_ID);
    CSettingManager* pSettings = CSettingManager::GetInstance();
    m_strUrl = MakeOrganisationPageUrl(pSettings->GetUseHttps(), pSettings->GetTMSAddress(), pSettings->GetTMSPort(),
                                       CLoginManager::GetInstance()->GetUserIdNumber());
    m_pView->Navigate(m_strUrl);
    m_pView->SetSilent(TRUE);
    MoveWindow(rcDialog);
    g_ApplicationLog.Log(2, L"참석자 추가 : %s", m_strUrl.GetString());
    return TRUE;
}

void CAttendeeAddPopup::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pView && m_pView->GetSafeHwnd())
        m_pView->MoveWindow(0, 1, cx, cy);
}

void CAttendeeAddPopup::OnTestAddSelected()
{
    // Test data for the page's own selection function; nothing of it reaches a server.
    CStringArray args;
    args.Add(L"참석자1|참석자2|참석자3|참석자4");
    if (m_pView)
        m_pView->CallJScript(L"AddSelected", args);
}
