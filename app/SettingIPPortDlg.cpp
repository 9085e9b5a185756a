#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/ResourceText.h"
#include "app/SettingIPPortDlg.h"

#include "app/ServerAddressRules.h"
#include "app/ZELApp.h"
#include "core/SettingManager.h"
#include "platform/DC.h"
#include "platform/DataExchange.h"
#include "platform/WinApp.h"
#include "ui/controls/ConfirmPopup.h"

namespace {
const UINT IDD_SERVER_ADDRESS = 811;
const UINT IDC_EDIT_FIRST = 1065;
const UINT IDC_DEFAULT = 1073, IDC_SAVE = 1074, IDC_CLOSE = 1075, IDC_LABEL_FIRST = 1076;
const UINT IDB_CLOSE = 689, IDB_CLOSE_DOWN = 690, IDB_CLOSE_DISABLED = 691, IDB_CLOSE_HOVER = 692;
const UINT IDB_BACK = 816;
const UINT IDB_DEFAULT_DISABLED = 817, IDB_DEFAULT_HOVER = 818, IDB_DEFAULT = 819, IDB_DEFAULT_DOWN = 820;
const UINT IDB_SAVE_DISABLED = 821, IDB_SAVE_HOVER = 822, IDB_SAVE = 823, IDB_SAVE_DOWN = 824;
const UINT IDS_POPUP_TITLE = 108;
const UINT IDS_LABELS[4] = {270, 271, 272, 273};
const UINT IDS_ADDRESS_HINT = 275, IDS_PORT_HINT = 276, IDS_DEFAULTS_DONE = 277, IDS_SAVED = 278,
           IDS_MISSING = 279, IDS_INVALID = 288;
const int kDefaultPorts[3] = {16302, 16304, 16301};

CSettingIPPortDlg::PFN_RESOLVE s_pfnResolve = nullptr;

} // namespace

BEGIN_MESSAGE_MAP(CSettingIPPortDlg, CDialog)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_CLOSE, &CSettingIPPortDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_DEFAULT, &CSettingIPPortDlg::OnBnClickedDefault)
    ON_BN_CLICKED(IDC_SAVE, &CSettingIPPortDlg::OnBnClickedSave)
    ON_MESSAGE(WM_MYEDIT_INPUT, &CSettingIPPortDlg::OnEditUpdate)
END_MESSAGE_MAP()

CSettingIPPortDlg::CSettingIPPortDlg(CWnd* pParent) : CDialog(IDD_SERVER_ADDRESS, pParent) {}

void CSettingIPPortDlg::SetResolverForTest(PFN_RESOLVE pfn) { s_pfnResolve = pfn; }

void CSettingIPPortDlg::DoDataExchange(CDataExchange* pDX)
{
    for (int i = 0; i < 6; ++i)
        DDX_Control(pDX, IDC_EDIT_FIRST + i, m_edit[i]);
    DDX_Control(pDX, IDC_CLOSE, m_btnClose);
    DDX_Control(pDX, IDC_DEFAULT, m_btnDefault);
    DDX_Control(pDX, IDC_SAVE, m_btnSave);
    for (int i = 0; i < 4; ++i)
        DDX_Control(pDX, IDC_LABEL_FIRST + i, m_label[i]);
}

BOOL CSettingIPPortDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    MoveWindow(0, 0, 480, 360);
    CenterWindow(CWnd::FromHandle(::GetDesktopWindow()));
    InitControls();
    LoadValues();
    if (!m_bDefaultEnabled)
        m_btnDefault.EnableWindow(FALSE);
    return FALSE;
}

void CSettingIPPortDlg::InitControls()
{
    m_bmpBack.LoadBitmap(IDB_BACK);
    m_btnClose.SetSkin(IDB_CLOSE, IDB_CLOSE_DOWN, IDB_CLOSE_HOVER, IDB_CLOSE_DISABLED, IDB_CLOSE_HOVER, 0, 0, 0, 0);
    m_btnDefault.SetSkin(IDB_DEFAULT, IDB_DEFAULT_DOWN, IDB_DEFAULT_HOVER, IDB_DEFAULT_DISABLED, IDB_DEFAULT_HOVER, 0, 0,
                         0, 0);
    m_btnSave.SetSkin(IDB_SAVE, IDB_SAVE_DOWN, IDB_SAVE_HOVER, IDB_SAVE_DISABLED, IDB_SAVE_HOVER, 0, 0, 0, 0);
    m_btnClose.MoveWindow(452, 7, 20, 20);
    m_btnDefault.MoveWindow(133, 278, 105, 26);
    m_btnSave.MoveWindow(243, 278, 105, 26);
    const int labelY[4] = {127, 161, 190, 219};
    for (int i = 0; i < 4; ++i) {
        m_label[i].SetWindowText(LoadResourceText(IDS_LABELS[i]));
        m_label[i].MoveWindow(77, labelY[i], i == 0 ? 120 : 130, 20);
    }
    const int rowY[3] = {156, 185, 214};
    for (int i = 0; i < 6; ++i) {
        const bool bPort = (i % 2) == 1;
        m_edit[i].SetNotifyWnd(this);
        m_edit[i].SetHintText(LoadResourceText(bPort ? IDS_PORT_HINT : IDS_ADDRESS_HINT));
        m_edit[i].MoveWindow(bPort ? 346 : 216, rowY[i / 2], bPort ? 50 : 120, 22);
    }
    const CZELApp* pApp = dynamic_cast<CZELApp*>(AfxGetApp());
    const CString strFace = pApp ? const_cast<CZELApp*>(pApp)->GetDefaultFontName() : CString(L"맑은 고딕");
    const int nSize = pApp ? const_cast<CZELApp*>(pApp)->GetDefaultFontSize() : 10;
    CClientDC dc(this);
    const int nHeight = -MulDiv(nSize, dc.GetDeviceCaps(LOGPIXELSY), 72);
    m_fontBold.CreateFont(nHeight, 0, 0, 0, 700, 0, 0, 0, 129, 0, 0, 0, 0, strFace);
    m_fontNormal.CreateFont(nHeight, 0, 0, 0, 400, 0, 0, 0, 129, 0, 0, 0, 0, strFace);
}

void CSettingIPPortDlg::LoadValues()
{
    CSettingManager* p = CSettingManager::GetInstance();
    const CString addresses[3] = {p->GetZELAddress(), p->GetTMSAddress(), p->GetTPCAddress()};
    const int ports[3] = {p->GetZELPort(), p->GetTMSPort(), p->GetTPCPort()};
    for (int row = 0; row < 3; ++row) {
        CString strPort;
        strPort.Format(L"%d", ports[row]);
        if (!m_edit[row * 2].IsHintShown())
            PutValue(m_edit[row * 2], addresses[row]);
        if (!m_edit[row * 2 + 1].IsHintShown())
            PutValue(m_edit[row * 2 + 1], strPort);
    }
}

void CSettingIPPortDlg::PutValue(CZELEditCtrl& edit, const CString& strValue)
{
    if (!strValue.IsEmpty()) {
        edit.SetText(strValue);
        return;
    }
    // An empty value shows the hint: the edit puts it up when its text becomes empty, which a
    // still-empty new field never reports.
    edit.SetWindowText(L" ");
    edit.SetWindowText(L"");
}

CString CSettingIPPortDlg::FieldText(int i)
{
    if (m_edit[i].IsHintShown())
        return CString();
    CString str;
    m_edit[i].GetWindowText(str);
    return str;
}

LRESULT CSettingIPPortDlg::OnEditUpdate(WPARAM, LPARAM)
{
    BOOL bAnyInput = FALSE;
    for (int i = 0; i < 6; ++i)
        bAnyInput |= !m_edit[i].IsHintShown();
    if (m_btnDefault.m_hWnd)
        m_btnDefault.EnableWindow(bAnyInput);
    return 0;
}

void CSettingIPPortDlg::FillDefaults()
{
    for (int i = 0; i < 6; ++i) {
        if (m_edit[i].IsHintShown())
            continue;
        CString str;
        if (i % 2 == 0)
            str = CSettingManager::DEFAULT_SERVER_ADDRESS;
        else
            str.Format(L"%d", kDefaultPorts[i / 2]);
        m_edit[i].SetText(str);
    }
}

void CSettingIPPortDlg::ShowPopup(UINT nTextId)
{
    CConfirmPopup popup(this, 305, 137, 0, 0, LoadResourceText(IDS_POPUP_TITLE), L"", LoadResourceText(nTextId), TRUE);
    popup.DoModal();
}

void CSettingIPPortDlg::OnBnClickedDefault()
{
    FillDefaults();
    ShowPopup(IDS_DEFAULTS_DONE);
}

BOOL CSettingIPPortDlg::IsAllFilled()
{
    for (int i = 0; i < 6; ++i) {
        if (FieldText(i).IsEmpty())
            return FALSE;
    }
    return TRUE;
}

BOOL CSettingIPPortDlg::IsAllValid()
{
    for (int i = 0; i < 6; i += 2) {
        if (!IsValidAddress(FieldText(i), s_pfnResolve))
            return FALSE;
    }
    for (int i = 1; i < 6; i += 2) {
        if (!IsValidPort(FieldText(i)))
            return FALSE;
    }
    return TRUE;
}

void CSettingIPPortDlg::StoreValues()
{
    CSettingManager* p = CSettingManager::GetInstance();
    p->SetZELAddress(FieldText(0));
    p->SetZELPort(_wtoi(FieldText(1)));
    p->SetTMSAddress(FieldText(2));
    p->SetTMSPort(_wtoi(FieldText(3)));
    p->SetTPCAddress(FieldText(4));
    p->SetTPCPort(_wtoi(FieldText(5)));
    p->SaveToRegistry();
    p->SaveToIni();
}

void CSettingIPPortDlg::OnBnClickedSave()
{
    if (!IsAllFilled()) {
        ShowPopup(IDS_MISSING);
        return;
    }
    if (!IsAllValid()) {
        ShowPopup(IDS_INVALID);
        return;
    }
    StoreValues();
    ShowPopup(IDS_SAVED);
    OnOK();
}

void CSettingIPPortDlg::OnBnClickedClose()
{
    OnCancel();
}

BOOL CSettingIPPortDlg::PreTranslateMessage(MSG* pMsg)
{
    auto hintEditAt = [&](HWND hWnd) -> CZELEditCtrl* {
        for (CZELEditCtrl& e : m_edit)
            if (e.m_hWnd == hWnd && e.IsHintShown()) return &e;
        return nullptr;
    };
    if (pMsg->message == WM_KEYDOWN) {
        if (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)
            return TRUE;
        const bool bCtrlA = pMsg->wParam == 'A' && ::GetKeyState(VK_CONTROL) < 0;
        if (bCtrlA || pMsg->wParam == VK_TAB) {
            if (CZELEditCtrl* pEdit = hintEditAt(::GetFocus())) {
                pEdit->SetFocus();
                pEdit->SendMessage(EM_SETSEL, 0, 0);
                pEdit->SendMessage(EM_SCROLLCARET, 0, 0);
                return TRUE;
            }
        }
    } else if (pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONDBLCLK) {
        // The hint is not text: a click puts the caret before it and nothing more.
        for (CZELEditCtrl& e : m_edit) {
            CRect rc;
            e.GetWindowRect(&rc);
            if (!rc.PtInRect(pMsg->pt))
                continue;
            if (e.IsHintShown()) {
                e.SetFocus();
                return TRUE;
            }
            if (pMsg->message == WM_LBUTTONDBLCLK) {
                ::TranslateMessage(pMsg);
                ::DispatchMessageW(pMsg);
                return TRUE;
            }
        }
        if (pMsg->message == WM_LBUTTONDBLCLK)
            return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
}

BOOL CSettingIPPortDlg::OnEraseBkgnd(CDC* pDC)
{
    Default();
    if (m_bmpBack.GetSafeHandle()) {
        BITMAP bm = {};
        m_bmpBack.GetBitmap(&bm);
        CRect rc;
        GetClientRect(&rc);
        CDC mem;
        mem.CreateCompatibleDC(pDC);
        CBitmap* pOld = mem.SelectObject(&m_bmpBack);
        pDC->StretchBlt(0, 0, rc.Width(), rc.Height(), &mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
        mem.SelectObject(pOld);
    }
    return TRUE;
}

HBRUSH CSettingIPPortDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    const int nId = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (nId == (int)IDC_LABEL_FIRST) {
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectObject(&m_fontBold);
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    }
    if (nId >= (int)IDC_EDIT_FIRST && nId < (int)IDC_EDIT_FIRST + 6) {
        pDC->SetTextColor(m_edit[nId - IDC_EDIT_FIRST].IsHintShown() ? RGB(0xA3, 0xA3, 0xA3) : RGB(0, 0, 0));
        return (HBRUSH)Default();
    }
    if (nCtlColor == CTLCOLOR_STATIC) {
        // The row labels lie on the white card, the heading on the band.
        pDC->SetTextColor(RGB(0x33, 0x33, 0x33));
        pDC->SetBkMode(TRANSPARENT);
        pDC->SelectObject(&m_fontNormal);
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    }
    return (HBRUSH)Default();
}
