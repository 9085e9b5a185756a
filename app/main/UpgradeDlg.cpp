#include "app/main/UpgradeDlg.h"

#include "core/ClientMessages.h"
#include "core/MyLogFile.h"

namespace {
const wchar_t kScreen[] = L"UpgradeDlg";
const UINT_PTR TIMER_CANCEL_WAIT = 1;
}  // namespace

BEGIN_MESSAGE_MAP(CUpgradeDlg, CMyBaseDialog)
    ON_MESSAGE(WM_UPGRADE_PROGRESS, &CUpgradeDlg::OnDownloadProgress)
    ON_MESSAGE(WM_UPGRADE_DONE, &CUpgradeDlg::OnDownloadDone)
    ON_WM_TIMER()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CUpgradeDlg::CUpgradeDlg(const CString& strUrl, CString* pPathOut, int* pResultOut, CWnd* pParent)
    : CMyBaseDialog(IDD_UPGRADE, pParent), m_strUrl(strUrl), m_pResult(pResultOut), m_pPath(pPathOut),
      m_bCancelling(FALSE), m_bFinished(FALSE)
{
}

CUpgradeDlg::~CUpgradeDlg() = default;

BOOL CUpgradeDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    m_progress.SubclassDlgItem(IDC_UPGRADE_PROGRESS, this);
    m_status.SubclassDlgItem(IDC_UPGRADE_STATUS, this);
    LoadScreen(kScreen);
    LayOut();
    // The status line shows Korean: a face that has Hangul, not the template's.
    LOGFONTW lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = HANGUL_CHARSET;
    wcscpy(lf.lfFaceName, L"맑은 고딕");
    if (m_font.CreateFontIndirect(&lf)) m_status.SetFont(&m_font);
    m_strFile = CUpgradeDownload::TargetPath();
    // Without a target (no temporary folder) or a worker the download ends here: the caller's
    // variables stay as they are.
    if (!m_download.Start(m_strUrl, m_strFile, m_hWnd)) ::PostMessageW(m_hWnd, WM_UPGRADE_DONE, 0, 0);
    return TRUE;
}

void CUpgradeDlg::LayOut()
{
    CRect rcScreen = m_Screen.m_rcScreen;
    if (rcScreen.IsRectEmpty()) return;   // no skin: the template's own layout stays
    CRect rcWindow(0, 0, rcScreen.Width(), rcScreen.Height());
    ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(nullptr, 0, 0, rcWindow.Width(), rcWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow();
    // The two native controls take the places the skin keeps for them.
    if (SKIN_OBJECT* p = m_Screen.FindObject(L"areaProgress")) m_progress.MoveWindow(&p->m_rcObject);
    if (SKIN_OBJECT* p = m_Screen.FindObject(L"areaStatus")) m_status.MoveWindow(&p->m_rcObject);
}

LRESULT CUpgradeDlg::OnDownloadProgress(WPARAM, LPARAM)
{
    ULONGLONG nDone = 0, nTotal = 0;
    m_download.GetProgress(nDone, nTotal);
    if (m_bCancelling || m_bFinished) return 0;
    CString strFormat, strNoLength;
    strFormat.LoadString(IDS_DOWNLOAD_PROGRESS);
    strNoLength.LoadString(IDS_DOWNLOAD_NO_LENGTH);
    const int nPercent = CUpgradeDownload::Percent(nDone, nTotal);
    if (nPercent >= 0) {
        g_ApplicationLog.Log(2, L"다운로드 %d", nPercent);
        m_progress.SetPos(nPercent);
    }
    m_status.SetWindowText(CUpgradeDownload::StatusText(nDone, nTotal, strFormat, strNoLength));
    return 0;
}

LRESULT CUpgradeDlg::OnDownloadDone(WPARAM wParam, LPARAM)
{
    if (m_bFinished) return 0;
    m_download.Wait(INFINITE);   // it set its end before posting this
    if (wParam && !m_bCancelling && m_download.Succeeded()) {
        if (m_pResult) *m_pResult = RESULT_DOWNLOADED;
        if (m_pPath) *m_pPath = m_strFile;
        m_progress.SetPos(100);
        Finish(IDOK);
    } else {
        Finish(IDCANCEL);
    }
    return 0;
}

void CUpgradeDlg::Finish(int nResult)
{
    m_bFinished = TRUE;
    KillTimer(TIMER_CANCEL_WAIT);
    EndDialog(nResult);
}

void CUpgradeDlg::OnCancel()
{
    if (m_bFinished) return;
    if (m_bCancelling) return;
    m_bCancelling = TRUE;
    CString strText;
    strText.LoadString(IDS_DOWNLOAD_CANCELLED);
    m_status.SetWindowText(strText);
    m_download.Cancel();
    if (m_download.IsFinished()) {
        Finish(IDCANCEL);
        return;
    }
    // The download stops at its next progress call and posts its end; a transfer stalled
    // between two calls is left to end by itself (it owns what it uses).
    SetTimer(TIMER_CANCEL_WAIT, CANCEL_WAIT_MS, nullptr);
}

void CUpgradeDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_CANCEL_WAIT) {
        Finish(IDCANCEL);
        return;
    }
    CMyBaseDialog::OnTimer(nIDEvent);
}

HBRUSH CUpgradeDlg::OnCtlColor(CDC* pDC, CWnd*, UINT nCtlColor)
{
    // The status line lies on the skin's white body.
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0x33, 0x33, 0x33));
        return (HBRUSH) ::GetStockObject(WHITE_BRUSH);
    }
    return (HBRUSH) ::GetStockObject(WHITE_BRUSH);
}

int CUpgradeDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent == WM_LBUTTONUP && pObject &&
        (pObject->m_strName == L"btnCancel" || pObject->m_strName == L"btnClose")) {
        OnCancel();
        return 1;
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

CString RunUpgradeDownload(const CString& strUrl, CWnd* pParent)
{
    CString strPath;
    int nResult = -1;
    CUpgradeDlg dlg(strUrl, &strPath, &nResult, pParent);
    dlg.DoModal();
    return nResult > 0 ? strPath : CString();
}
