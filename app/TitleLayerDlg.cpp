#include "app/TitleLayerDlg.h"

#include "app/TitleLayerRules.h"
#include "platform/WinApp.h"
#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CTitleLayerDlg, CMyBaseDialog)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CTitleLayerDlg::CTitleLayerDlg(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_CHILD, pParent) {}

BOOL CTitleLayerDlg::CreateOn(CWnd* pLayer)
{
    if (!Create(IDD_SKIN_CHILD, pLayer))
        return FALSE;
    CRect rc;
    pLayer->GetClientRect(&rc);
    MoveWindow(&rc);
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CTitleLayerDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    m_pDragWnd = AfxGetMainWnd();
    LoadScreen(L"TitleLayerDlg");
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pBtnPresentation = m_Screen.FindObject(L"btnPresentation");
    m_pBtnMax = m_Screen.FindObject(L"btnMax");
    m_pBtnMin = m_Screen.FindObject(L"btnMin");
    m_pBtnMenu = m_Screen.FindObject(L"btnMenu");
    m_pBtnRefresh = m_Screen.FindObject(L"btnRefresh");
    m_pBtnChat = m_Screen.FindObject(L"btnChat");
    m_pBtnFilebox = m_Screen.FindObject(L"btnFilebox");
    m_pBtnVideo = m_Screen.FindObject(L"btnVideo");
    m_pBtnBack = m_Screen.FindObject(L"btnBack");
    m_pTextDesc = m_Screen.FindObject(L"textDesc");
    m_pTextTitle = m_Screen.FindObject(L"textTitle");
    return TRUE;
}

int CTitleLayerDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != 514 || !pObject)
        return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
    const struct {
        SKIN_OBJECT* pObject;
        UINT nCommand;
    } targets[] = {
        {m_pBtnClose, IDC_TITLE_CLOSE},     {m_pBtnMax, IDC_TITLE_MAXIMIZE},    {m_pBtnMin, IDC_TITLE_MINIMIZE},
        {m_pBtnMenu, IDC_TITLE_MENU},       {m_pBtnRefresh, IDC_TITLE_REFRESH}, {m_pBtnChat, IDC_TITLE_CHAT},
        {m_pBtnFilebox, IDC_TITLE_FILE_BOX}, {m_pBtnVideo, IDC_TITLE_VIDEO},    {m_pBtnBack, IDC_TITLE_BACK},
        {m_pBtnPresentation, IDC_TITLE_FULL_SCREEN},
    };
    for (const auto& t : targets) {
        if (t.pObject && t.pObject == pObject) {
            if (CWnd* pParent = GetParent())
                pParent->PostMessage(WM_COMMAND, t.nCommand, LPARAM(m_hWnd));
            return 1;
        }
    }
    return CMyBaseDialog::OnObjectEvent(nEvent, pObject);
}

void CTitleLayerDlg::SetMode(int nMode)
{
    if (nMode < 0 || nMode > 2)
        return;
    SetObjectVisible(m_pBtnBack, nMode != 0, TRUE);
    SetObjectVisible(m_pTextDesc, nMode == 0, TRUE);
    SetObjectVisible(m_pTextTitle, nMode != 0, TRUE);
    SetGoneFlag(m_pBtnPresentation, nMode != 2, TRUE);
    Invalidate(TRUE);
}

void CTitleLayerDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CWnd* pMain = AfxGetMainWnd();
    CRect rc;
    GetClientRect(&rc);
    const LRESULT nHit = TitleDlgBorderHitTest(point, rc);
    if (pMain && !::IsZoomed(pMain->GetSafeHwnd()) && nHit != HTNOWHERE) {
        pMain->PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
        ::SetCursor(::LoadCursorW(nullptr, TitleDlgBorderCursor(nHit)));
        return;
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}
