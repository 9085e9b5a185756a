#include "app/AnnouncementDlg.h"

namespace {
const UINT IDD_SKIN_POPUP = 1200;
}

BEGIN_MESSAGE_MAP(CAnnouncementDlg, CMyBaseDialog)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CAnnouncementDlg::CAnnouncementDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

BOOL CAnnouncementDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    m_bResizable = TRUE;
    LoadScreen(L"AnnouncementDlg");
    MoveWindow(m_Screen.m_rcScreen);
    CenterWindow();
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pBtnOK = m_Screen.FindObject(L"btnOK");
    m_pBtnCheck = m_Screen.FindObject(L"btnCheck");
    m_pAnnouncement = m_Screen.FindObject(L"Announcement");
    if (m_pAnnouncement)
        m_pAnnouncement->SetText(this, m_strContent, TRUE);
    return TRUE;
}

int CAnnouncementDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP || !pObject)
        return 0;
    if (m_pBtnClose && pObject->m_nId == m_pBtnClose->m_nId) {
        EndDialog(IDCANCEL);
        return 1;
    }
    if (m_pBtnOK && pObject->m_nId == m_pBtnOK->m_nId) {
        EndDialog(IDOK);
        return 1;
    }
    if (m_pBtnCheck && pObject->m_nId == m_pBtnCheck->m_nId)
        m_bDontShowAgain = m_pBtnCheck->m_button.IsChecked() ? 1 : 0;
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CAnnouncementDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    lpMMI->ptMinTrackSize.x = m_Screen.m_nMinCx;
    lpMMI->ptMinTrackSize.y = m_Screen.m_nMinCy;
    Default();
}
