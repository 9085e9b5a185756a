#include "screens/meeting/panels/InfoLayerTabDlg.h"

#include "core/MeetingManager.h"
#include "resources/resource.h"
#include "screens/meeting/panels/InfoLayer.h"

CInfoLayerTabDlg::CInfoLayerTabDlg(CInfoLayer* pLayer) : CMyBaseDialog(IDD_SKIN_CHILD, pLayer), m_pLayer(pLayer) {}

BOOL CInfoLayerTabDlg::CreateBar()
{
    return Create(IDD_SKIN_CHILD, m_pLayer);
}

BOOL CInfoLayerTabDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"InfoLayerTab");
    MoveWindow(0, 0, m_Screen.m_rcScreen.Width(), m_Screen.m_rcScreen.Height());
    m_pBtnHide = m_Screen.FindObject(L"btnHide");
    m_pBtnMeeting = m_Screen.FindObject(L"btnMeeting");
    m_pBtnReporting = m_Screen.FindObject(L"btnReporting");
    m_pBtnThumbnail = m_Screen.FindObject(L"btnThumbnail");
    m_pBtnBookmark = m_Screen.FindObject(L"btnBookmark");
    SetObjectVisible(m_pBtnReporting, FALSE, FALSE);
    return TRUE;
}

int CInfoLayerTabDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP || !pObject || !m_pLayer)
        return 0;
    if (pObject == m_pBtnHide)
        m_pLayer->ShowPanel(FALSE, TRUE);
    else if (pObject == m_pBtnMeeting || pObject == m_pBtnReporting)
        m_pLayer->ShowMainTab();
    else if (pObject == m_pBtnThumbnail)
        m_pLayer->ShowThumbnailTab(TRUE);
    else if (pObject == m_pBtnBookmark)
        m_pLayer->ShowBookmarkTab(TRUE);
    else
        return 0;
    return 1;
}

void CInfoLayerTabDlg::SetSelectedTab(int nTab)
{
    m_nSelectedTab = nTab;
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    const BOOL bReport = pMeetings && pMeetings->IsReport();
    SetObjectVisible(m_pBtnReporting, bReport, TRUE);
    SetObjectVisible(m_pBtnMeeting, !bReport, TRUE);
    for (SKIN_OBJECT* p : {m_pBtnMeeting, m_pBtnReporting, m_pBtnThumbnail, m_pBtnBookmark}) {
        if (p)
            p->m_nState = -1;
    }
    SKIN_OBJECT* pChosen = nTab == 1 ? m_pBtnThumbnail
                           : nTab == 2 ? m_pBtnBookmark
                           : (bReport ? m_pBtnReporting : m_pBtnMeeting);
    // The chosen tab shows its pressed picture and takes no click.
    if (pChosen)
        pChosen->m_nState = SKINSTATE_DOWN;
    if (GetSafeHwnd())
        Invalidate();
}

void CInfoLayerTabDlg::HidePageTabs(BOOL bHide)
{
    SetObjectVisible(m_pBtnThumbnail, !bHide, TRUE);
    SetObjectVisible(m_pBtnBookmark, !bHide, TRUE);
}
