#include "tools/browser/PelloranDlg.h"

#include "tools/browser/AboutDlg.h"
#include "tools/browser/FontTestLayout.h"
#include "tools/browser/SampleDlg.h"

#include <shellapi.h>

BEGIN_MESSAGE_MAP(CPelloranDlg, CDialogEx)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BUTTON1, &CPelloranDlg::OnBnClickedButton1)
    ON_BN_CLICKED(IDC_BUTTON_FOLDER, &CPelloranDlg::OnBnClickedButtonFolder)
    ON_BN_CLICKED(IDC_BUTTON2, &CPelloranDlg::OnBnClickedButton2)
END_MESSAGE_MAP()

CPelloranDlg::CPelloranDlg(CWnd* pParent) : CDialogEx(IDD, pParent)
{
    m_hIcon = ::LoadIcon(::GetModuleHandle(nullptr), MAKEINTRESOURCE(IDR_MAINFRAME));
    m_openFolder = [](const CString& strFolder) {
        ::ShellExecute(nullptr, nullptr, strFolder, nullptr, nullptr, SW_SHOWNORMAL);
    };
    m_runBrowser = [this](const CString& strUrl, const CString& strFolder) {
        CSampleDlg dlg(strUrl, strFolder, nullptr, this);
        dlg.DoModal();
    };
}

CString CPelloranDlg::GetDefaultTestUrl()
{
    return _T("http://localhost:17000/agency/list");
}

BOOL CPelloranDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        if (strAboutMenu.LoadString(::GetModuleHandle(nullptr), IDS_ABOUTBOX) && !strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetDlgItemText(IDC_EDIT_URL, GetDefaultTestUrl());
    SetDlgItemText(IDC_EDIT_FOLDER, _T(""));
    return TRUE;
}

void CPelloranDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    CDialogEx::OnSysCommand(nID, lParam);
}

void CPelloranDlg::OnPaint()
{
    if (!zel::PaintMinimizedIcon(*this, m_hIcon)) CDialogEx::OnPaint();
}

HCURSOR CPelloranDlg::OnQueryDragIcon()
{
    return static_cast<HCURSOR>(m_hIcon);
}

void CPelloranDlg::OnBnClickedButton1()
{
    CString strUrl, strFolder;
    GetDlgItemText(IDC_EDIT_URL, strUrl);
    GetDlgItemText(IDC_EDIT_FOLDER, strFolder);
    if (m_runBrowser) m_runBrowser(strUrl, strFolder);
}

void CPelloranDlg::OnBnClickedButtonFolder()
{
    CString strFolder;
    GetDlgItemText(IDC_EDIT_FOLDER, strFolder);
    if (m_openFolder) m_openFolder(strFolder);
}

void CPelloranDlg::OnBnClickedButton2()
{
    DrawFontTest();
}

void CPelloranDlg::DrawFontTest()
{
    HDC hDC = ::GetDC(m_hWnd);
    if (!hDC) return;
    LOGFONT lf = {};
    lf.lfHeight = -::MulDiv(12, ::GetDeviceCaps(hDC, LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpyn(lf.lfFaceName, _T("Arial Unicode MS"), LF_FACESIZE);
    HFONT hFont = ::CreateFontIndirect(&lf);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    auto measure = [hDC](const CString& strChar) {
        SIZE size = {};
        ::GetTextExtentPoint32(hDC, strChar, strChar.GetLength(), &size);
        return (int)size.cx;
    };
    for (const SFontTestCell& cell : LayoutFontTest(GetFontTestSample(), measure)) {
        RECT rcCell = {cell.x, cell.y, cell.x + FONT_TEST_CELL_WIDTH, cell.y + FONT_TEST_CELL_HEIGHT};
        ::DrawText(hDC, cell.strText, cell.strText.GetLength(), &rcCell, DT_LEFT | DT_TOP | DT_NOCLIP | DT_NOPREFIX);
    }
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(m_hWnd, hDC);
}
