#include "tools/closer/DunmorelDlg.h"

namespace {
const UINT_PTR kRunTimer = 1;
}

BEGIN_MESSAGE_MAP(CDunmorelDlg, CDialogEx)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDunmorelDlg::CDunmorelDlg(CWnd* pParent)
    : CDialogEx(IDD, pParent), m_target(SUninstallTarget::ForThisMachine())
{
    m_hIcon = ::LoadIcon(::GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINFRAME));
    m_strRegKey = m_target.strKey;
}

BOOL CDunmorelDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetTimer(kRunTimer, 100);
    return TRUE;
}

void CDunmorelDlg::OnPaint()
{
    if (!zel::PaintMinimizedIcon(*this, m_hIcon)) CDialogEx::OnPaint();
}

HCURSOR CDunmorelDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CDunmorelDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRunTimer) {
        CDialogEx::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kRunTimer);
    if (RunUninstall() == 0) EndDialog(IDOK);
}

int CDunmorelDlg::RunUninstall()
{
    SUninstallTarget target = m_target;
    target.strKey = m_strRegKey;
    CUninstallSteps steps(
        target,
        [this](LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
            return zel::ShowMessageBox(m_hWnd, lpszText, lpszCaption, nType);
        },
        [this](const CString& strLine) { AddLine(strLine); });
    return steps.Run();
}

void CDunmorelDlg::AddLine(const CString& strLine)
{
    SendDlgItemMessage(IDC_LIST_STEPS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strLine.GetString()));
}
