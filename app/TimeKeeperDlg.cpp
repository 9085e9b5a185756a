#include "app/ResourceText.h"
#include "app/TimeKeeperDlg.h"

#include "app/ZELApp.h"
#include "core/RegistryHelpers.h"
#include "platform/DataExchange.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "platform/WinApp.h"

namespace {
const UINT IDD_TIME_KEEPER = 1014;
const UINT IDC_KEEPER_USE = 1048;
const UINT IDC_KEEPER_CLOSE = 1049;
const UINT IDC_KEEPER_COMBO = 37020;
const UINT IDS_KEEPER_TITLE = 313;
const UINT IDS_KEEPER_TEXT = 314;
const UINT IDS_KEEPER_USE = 315;
const UINT IDS_KEEPER_TIME = 316;
const UINT IDS_KEEPER_CHOICE_FIRST = 318;
const int kChoices = 5;
const int kWidth = 303;
const int kHeight = 205;
const RECT kTimeLabel = {17, 125, 288, 142};

// Bitmap ids of the buttons (the language library's).
const UINT IDB_CANCEL_DISABLED = 416, IDB_CANCEL_HOVER = 417, IDB_CANCEL = 418, IDB_CANCEL_DOWN = 419;
const UINT IDB_OK_DISABLED = 428, IDB_OK_HOVER = 429, IDB_OK = 430, IDB_OK_DOWN = 431;
const UINT IDB_CLOSE_DISABLED = 1154, IDB_CLOSE_HOVER = 1156, IDB_CLOSE = 1157, IDB_CLOSE_DOWN = 1158;
const UINT IDB_BUTTON_MASK = 681;


struct AppFont {
    CString face;
    int size;
};
AppFont DefaultFont()
{
    if (CZELApp* pApp = dynamic_cast<CZELApp*>(AfxGetApp()))
        return {pApp->GetDefaultFontName(), pApp->GetDefaultFontSize()};
    return {L"맑은 고딕", 10};
}
} // namespace

BEGIN_MESSAGE_MAP(CTimeKeeperDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDOK, &CTimeKeeperDlg::OnBnClickedOk)
    ON_BN_CLICKED(IDCANCEL, &CTimeKeeperDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_KEEPER_CLOSE, &CTimeKeeperDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_KEEPER_USE, &CTimeKeeperDlg::OnBnClickedUse)
END_MESSAGE_MAP()

CTimeKeeperDlg::CTimeKeeperDlg(CWnd* pParent) : CDialog(IDD_TIME_KEEPER, pParent), m_brushBack(RGB(0xDB, 0xD9, 0xD6)) {}

CTimeKeeperDlg::~CTimeKeeperDlg()
{
    delete m_pTimeCombo;
}

void CTimeKeeperDlg::LoadSetting()
{
    m_bKeeperUse = (int)ReadRegistryDword(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"KeeperUse", 1);
    m_nTimeInfo = (int)ReadRegistryDword(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"TimeInfo", 0);
}

void CTimeKeeperDlg::SaveSetting(int nUse, int nIndex)
{
    WriteRegistryDword(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"KeeperUse", (DWORD)nUse);
    WriteRegistryDword(HKEY_CURRENT_USER, TIME_KEEPER_REG_KEY, L"TimeInfo", (DWORD)nIndex);
}

void CTimeKeeperDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_KEEPER_USE, m_chkUse);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_KEEPER_CLOSE, m_btnClose);
}

void CTimeKeeperDlg::CreateTimeCombo()
{
    delete m_pTimeCombo;
    m_pTimeCombo = new ZELComboBox;
    CRect rc(105, 122, 190, 140);
    m_pTimeCombo->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | CBS_DROPDOWNLIST | CBS_DISABLENOSCROLL, rc, this,
                         IDC_KEEPER_COMBO);
    for (int i = 0; i < kChoices; ++i)
        m_pTimeCombo->AddString(LoadResourceText(IDS_KEEPER_CHOICE_FIRST + i));
}

int CTimeKeeperDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    CreateTimeCombo();
    CRect rcParent;
    HWND hParent = ::GetParent(m_hWnd);
    if (!hParent)
        hParent = ::GetDesktopWindow();
    ::GetWindowRect(hParent, &rcParent);
    MoveWindow(rcParent.left + (rcParent.Width() - kWidth) / 2, rcParent.top + (rcParent.Height() - kHeight) / 2,
               kWidth, kHeight);
    return 0;
}

BOOL CTimeKeeperDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_frame.Load();
    m_btnClose.SetSkin(IDB_CLOSE, IDB_CLOSE_DOWN, IDB_CLOSE_HOVER, IDB_CLOSE_DISABLED, IDB_CLOSE, 0, 0, 0, 0);
    m_btnOK.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    m_btnCancel.SetSkin(IDB_CANCEL, IDB_CANCEL_DOWN, IDB_CANCEL_HOVER, IDB_CANCEL_DISABLED, IDB_CANCEL, IDB_BUTTON_MASK,
                        0, 0, 0);
    CRect rc;
    GetClientRect(&rc);
    m_btnClose.MoveWindow(rc.Width() - 25, 14, 16, 16);
    m_chkUse.MoveWindow(104, 97, 14, 14);
    m_btnOK.MoveWindow(55, 167, 90, 27);
    m_btnCancel.MoveWindow(157, 167, 90, 27);
    LoadSetting();
    m_chkUse.SetCheck(m_bKeeperUse ? BST_CHECKED : BST_UNCHECKED);
    if (m_pTimeCombo) {
        if (!m_bKeeperUse)
            m_pTimeCombo->EnableWindow(FALSE);
        m_pTimeCombo->ClearText();
        m_pTimeCombo->SetCurSel(m_nTimeInfo);
    }
    return TRUE;
}

void CTimeKeeperDlg::OnBnClickedUse()
{
    if (m_pTimeCombo)
        m_pTimeCombo->EnableWindow(m_chkUse.GetCheck() == BST_CHECKED);
    InvalidateRect(&kTimeLabel, TRUE);
}

void CTimeKeeperDlg::OnBnClickedOk()
{
    SaveSetting(m_chkUse.GetCheck() == BST_CHECKED ? 1 : 0, m_pTimeCombo ? m_pTimeCombo->GetCurSel() : -1);
    CDialog::OnOK();
}

void CTimeKeeperDlg::OnBnClickedClose()
{
    OnCancel();
}

void CTimeKeeperDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pTimeCombo && m_pTimeCombo->m_hWnd)
        m_pTimeCombo->MoveWindow(105, 122, 90, 100);
}

BOOL CTimeKeeperDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    m_frame.Draw(pDC, rc.Width(), rc.Height(), FALSE, FALSE);

    const AppFont app = DefaultFont();
    LOGFONT lf = {};
    if (CFont* pDlgFont = GetFont())
        pDlgFont->GetLogFont(&lf);
    lstrcpynW(lf.lfFaceName, app.face, LF_FACESIZE);
    const int nDpi = pDC->GetDeviceCaps(LOGPIXELSY);
    CFont fontTitle, fontText;
    lf.lfWeight = 900;
    lf.lfHeight = -MulDiv(app.size + 1, nDpi, 72);
    fontTitle.CreateFontIndirect(&lf);
    lf.lfWeight = 400;
    lf.lfHeight = -MulDiv(app.size - 1, nDpi, 72);
    fontText.CreateFontIndirect(&lf);

    pDC->SetBkMode(TRANSPARENT);
    CFont* pOld = pDC->SelectObject(&fontTitle);
    auto draw = [&](UINT nId, RECT r, COLORREF clr) {
        pDC->SetTextColor(clr);
        pDC->DrawText(LoadResourceText(nId), &r, DT_VCENTER);
    };
    draw(IDS_KEEPER_TITLE, {16, 12, 200, 32}, RGB(255, 255, 255));
    pDC->SelectObject(&fontText);
    draw(IDS_KEEPER_USE, {17, 96, 195, 120}, RGB(0x82, 0x82, 0x82));
    draw(IDS_KEEPER_TEXT, {17, 51, 288, 86}, RGB(0x82, 0x82, 0x82));
    const bool bOn = !m_chkUse.m_hWnd || m_chkUse.GetCheck() == BST_CHECKED;
    draw(IDS_KEEPER_TIME, kTimeLabel, bOn ? RGB(0x82, 0x82, 0x82) : RGB(0xC9, 0xC9, 0xC9));
    pDC->SelectObject(pOld);
    return TRUE;
}

HBRUSH CTimeKeeperDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    pDC->SetBkMode(TRANSPARENT);
    if (pWnd && pWnd->GetDlgCtrlID() == (int)IDC_KEEPER_USE)
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    if (nCtlColor == CTLCOLOR_LISTBOX)
        return (HBRUSH)::GetStockObject(WHITE_BRUSH);
    if (nCtlColor == CTLCOLOR_STATIC)
        return (HBRUSH)m_brushBack.GetSafeHandle();
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CTimeKeeperDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    const bool bLeft = point.x < 10, bTop = point.y < 10;
    const bool bRight = point.x >= rc.right - 10, bBottom = point.y >= rc.bottom - 10;
    LRESULT nHit = HTCAPTION;
    if (bLeft && bTop) nHit = HTTOPLEFT;
    else if (bRight && bTop) nHit = HTTOPRIGHT;
    else if (bLeft && bBottom) nHit = HTBOTTOMLEFT;
    else if (bRight && bBottom) nHit = HTBOTTOMRIGHT;
    PostMessage(WM_NCLBUTTONDOWN, nHit, MAKELPARAM(point.x, point.y));
    CDialog::OnLButtonDown(nFlags, point);
}

void CTimeKeeperDlg::PostNcDestroy()
{
    delete m_pTimeCombo;
    m_pTimeCombo = nullptr;
    CDialog::PostNcDestroy();
}
