#include "app/ResourceText.h"
#include "app/TimeKeeperDlg.h"

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
const RECT kTimeLabel = {17, 125, 288, 142};
} // namespace

BEGIN_MESSAGE_MAP(CTimeKeeperDlg, CFramedDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDOK, &CTimeKeeperDlg::OnBnClickedOk)
    ON_BN_CLICKED(IDCANCEL, &CTimeKeeperDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_KEEPER_CLOSE, &CTimeKeeperDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_KEEPER_USE, &CTimeKeeperDlg::OnBnClickedUse)
END_MESSAGE_MAP()

CTimeKeeperDlg::CTimeKeeperDlg(CWnd* pParent) : CFramedDialog(IDD_TIME_KEEPER, pParent, 303, 205), m_brushBack(RGB(0xDB, 0xD9, 0xD6)) {}

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

void CTimeKeeperDlg::OnCreateControls()
{
    CreateTimeCombo();
}

BOOL CTimeKeeperDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SkinButtons();
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
    DrawFrame(pDC, IDS_KEEPER_TITLE);
    DrawGreyText(pDC, IDS_KEEPER_USE, {17, 96, 195, 120});
    DrawGreyText(pDC, IDS_KEEPER_TEXT, {17, 51, 288, 86});
    const bool bOn = !m_chkUse.m_hWnd || m_chkUse.GetCheck() == BST_CHECKED;
    DrawGreyText(pDC, IDS_KEEPER_TIME, kTimeLabel, bOn ? RGB(0x82, 0x82, 0x82) : RGB(0xC9, 0xC9, 0xC9));
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
    StartDrag(point, FALSE);
    CDialog::OnLButtonDown(nFlags, point);
}

void CTimeKeeperDlg::PostNcDestroy()
{
    delete m_pTimeCombo;
    m_pTimeCombo = nullptr;
    CDialog::PostNcDestroy();
}
