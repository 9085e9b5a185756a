#include "features/documents/WebPageViews.h"

#include "core/DataBoxUrl.h"
#include "core/LoginManager.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
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
    SetIcon(AfxGetApp() ? AfxGetApp()->LoadIcon(IDI_APP) : ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP)),
            TRUE);
    // Centred over the main window (or the screen without one).
    CRect rcOver;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && pMain->GetSafeHwnd())
        pMain->GetWindowRect(&rcOver);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcOver, 0);
    const CRect rcDialog(CPoint(rcOver.CenterPoint().x - VIEW_CX / 2, rcOver.CenterPoint().y - VIEW_CY / 2),
                         CSize(VIEW_CX, VIEW_CY));

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
