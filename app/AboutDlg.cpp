#include "app/AboutDlg.h"

#include <shellapi.h>

#include "app/ResourceText.h"
#include "core/MyLogFile.h"
#include "core/ProgramGlobals.h"
#include "core/SupportMenu.h"
#include "core/SystemHelpers.h"
#include "platform/DataExchange.h"
#include "platform/DC.h"
#include "platform/ResourceHandle.h"

namespace {
const UINT IDD_ABOUT = 414;
const UINT IDC_ABOUT_CLOSE = 1049;
const UINT IDS_ABOUT_LINE1 = 219, IDS_ABOUT_LINE2 = 220;
CAboutDlg::PFN_CHOOSE s_pfnChoose = nullptr;
CAboutDlg::PFN_LAUNCH s_pfnLaunch = nullptr;
} // namespace

BEGIN_MESSAGE_MAP(CAboutDlg, CFramedDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_BN_CLICKED(IDC_ABOUT_CLOSE, &CAboutDlg::OnBnClickedClose)
END_MESSAGE_MAP()

void CAboutDlg::SetChooserForTest(PFN_CHOOSE pfn) { s_pfnChoose = pfn; }
void CAboutDlg::SetLauncherForTest(PFN_LAUNCH pfn) { s_pfnLaunch = pfn; }

CAboutDlg::CAboutDlg(CWnd* pParent) : CFramedDialog(IDD_ABOUT, pParent, 305, 177) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_ABOUT_CLOSE, m_btnClose);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SkinButtons();
    m_btnClose.MoveWindow(278, 14, 16, 16);
    return TRUE;
}

void CAboutDlg::OnBnClickedClose()
{
    OnCancel();
}

BOOL CAboutDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    m_nWidth = rc.Width();
    m_nHeight = rc.Height();
    DrawFrame(pDC, L"Brindlecast");
    const UINT nCentre = DT_CENTER | DT_VCENTER;
    DrawGreyText(pDC, L"Version " + g_strAppVersion, {0, 53, 305, 67}, RGB(0, 0, 0), nCentre);
    DrawGreyText(pDC, L"2024122702", {0, 73, 305, 85}, RGB(130, 130, 130), nCentre);
    DrawGreyText(pDC, L"Copyright (c) TALVORA Co., Ltd. All rights reserved.", {0, 104, 305, 118},
                 RGB(139, 139, 139), nCentre);
    DrawGreyText(pDC, LoadResourceText(IDS_ABOUT_LINE1), {0, 121, 305, 137}, RGB(139, 139, 139), nCentre);
    DrawGreyText(pDC, LoadResourceText(IDS_ABOUT_LINE2), {13, 134, 300, 148}, RGB(130, 130, 130), nCentre);
    return TRUE;
}

void CAboutDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    StartDrag(point, FALSE);
    CDialog::OnLButtonDown(nFlags, point);
}

void CAboutDlg::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (point.x >= 128 && point.x < 173 && point.y > 71 && point.y < 85)
        ShowSupportMenu(m_hWnd, s_pfnChoose, s_pfnLaunch);
    CDialog::OnRButtonDown(nFlags, point);
}

void CAboutDlg::RunSupportCommand(UINT nCommand)
{
    ::RunSupportCommand(nCommand, s_pfnLaunch);
}
