#include <winsock2.h>  // before windows.h, which the headers below bring in

#include "app/NotifySetDlg.h"

#include "app/ResourceText.h"
#include "core/ClientMessages.h"
#include "core/LoginManager.h"
#include "net/protocol/TasClientManager.h"
#include "net/protocol/TasResponse.h"
#include "platform/DataExchange.h"
#include "platform/DC.h"
#include "platform/WinApp.h"
#include "ui/controls/ConfirmPopup.h"

namespace {
const UINT IDD_NOTIFY_SET = 364;
const UINT IDC_NOTIFY_APPLY = 1048;
const UINT IDC_NOTIFY_CLOSE = 1049;
const UINT IDS_NOTIFY_TEXT1 = 207, IDS_NOTIFY_TEXT2 = 208, IDS_NOTIFY_TITLE = 209, IDS_NOTIFY_APPLY = 210;
const UINT IDS_POPUP_TITLE = 108, IDS_LOAD_FAIL = 255, IDS_SAVE_FAIL = 256;
const UINT WM_TAS_M00000019 = WM_USER + 118;
const UINT WM_TAS_M00000022 = WM_USER + 121;
// wParam of UWM_NOTIFY_REPLY_READY.
const WPARAM READY_STATE = 1, READY_LOAD_FAILED = 2, READY_SAVED = 3, READY_SAVE_REFUSED = 4;

BOOL ReadFlag(const Json::Value& body, const char* key)
{
    if (!body.isObject() || !body.isMember(key)) return FALSE;
    const Json::Value& v = body[key];
    if (v.isBool()) return v.asBool();
    if (v.isNumeric()) return v.asDouble() != 0.0;
    if (v.isString()) return !v.asString().empty();
    return FALSE;
}
} // namespace

BEGIN_MESSAGE_MAP(CNotifySetDlg, CFramedDialog)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDOK, &CNotifySetDlg::OnBnClickedOk)
    ON_BN_CLICKED(IDCANCEL, &CNotifySetDlg::OnBnClickedClose)
    ON_BN_CLICKED(IDC_NOTIFY_CLOSE, &CNotifySetDlg::OnBnClickedClose)
    ON_MESSAGE(WM_TAS_M00000019, &CNotifySetDlg::OnReceiveM00000019)
    ON_MESSAGE(WM_TAS_M00000022, &CNotifySetDlg::OnReceiveM00000022)
    ON_MESSAGE(UWM_NOTIFY_REPLY_READY, &CNotifySetDlg::OnReplyReady)
END_MESSAGE_MAP()

CNotifySetDlg::CNotifySetDlg(CWnd* pParent)
    : CFramedDialog(IDD_NOTIFY_SET, pParent, 303, 175), m_brushBack(RGB(0xFA, 0xFA, 0xFA))
{
}

void CNotifySetDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NOTIFY_APPLY, m_chkApply);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDC_NOTIFY_CLOSE, m_btnClose);
}

BOOL CNotifySetDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SkinButtons();
    CRect rc;
    GetClientRect(&rc);
    m_btnClose.MoveWindow(rc.Width() - 27, 14, 16, 16);
    m_chkApply.MoveWindow(17, 103, 280, 18);
    m_btnOK.MoveWindow(55, 137, 90, 27);
    m_btnCancel.MoveWindow(157, 137, 90, 27);
    m_chkApply.SetWindowText(LoadResourceText(IDS_NOTIFY_APPLY));
    m_bStateLoaded = FALSE;
    RequestState();
    return TRUE;
}

void CNotifySetDlg::RequestState()
{
    m_replyTarget.Take(m_hWnd);
    CTasClientManager::GetInstance()->RequestM00000022(CLoginManager::GetInstance()->GetUserIdNumber());
}

void CNotifySetDlg::SendSetting(BOOL bOn)
{
    m_replyTarget.Take(m_hWnd);
    CTasClientManager::GetInstance()->RequestM00000019(bOn, bOn, bOn, bOn, bOn, bOn, bOn, bOn, L"0000", L"2359");
}

void CNotifySetDlg::OnBnClickedOk()
{
    if (!m_bStateLoaded)
        return;   // the server's state first: a choice made on a guess would overwrite it
    const BOOL bOn = m_chkApply.GetCheck() == BST_CHECKED;
    if ((bOn != 0) == (m_bApply != 0)) {
        CDialog::OnOK();
        return;
    }
    SendSetting(bOn);
}

void CNotifySetDlg::OnBnClickedClose()
{
    OnCancel();
}

LRESULT CNotifySetDlg::OnReceiveM00000022(WPARAM, LPARAM lParam)
{
    // Inside the socket worker's SendMessage: keep what is needed, answer after it returned.
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    if (!pReply || pReply->GetStatusCode() != 0) {
        PostMessage(UWM_NOTIFY_REPLY_READY, READY_LOAD_FAILED, 0);
        return 0;
    }
    const BOOL bApply = pReply->GetBody() ? ReadFlag(*pReply->GetBody(), "applyYn") : FALSE;
    PostMessage(UWM_NOTIFY_REPLY_READY, READY_STATE, bApply);
    return 0;
}

LRESULT CNotifySetDlg::OnReceiveM00000019(WPARAM, LPARAM lParam)
{
    const CTasResponse* pReply = reinterpret_cast<const CTasResponse*>(lParam);
    BOOL bOk = pReply && pReply->GetStatusCode() == 0;
    if (bOk && pReply->GetBody() && pReply->GetBody()->isObject()) {
        const Json::Value& status = (*pReply->GetBody())["status"];
        bOk = status.isNull() || (status.isNumeric() && status.asInt() == 0);
    }
    PostMessage(UWM_NOTIFY_REPLY_READY, bOk ? READY_SAVED : READY_SAVE_REFUSED, 0);
    return 0;
}

LRESULT CNotifySetDlg::OnReplyReady(WPARAM wParam, LPARAM lParam)
{
    auto confirm = [this](UINT nText) {
        CWnd* pParent = AfxGetMainWnd() ? AfxGetMainWnd() : this;
        CConfirmPopup popup(pParent, 305, 137, 0, 0, LoadResourceText(IDS_POPUP_TITLE), L"", LoadResourceText(nText),
                            FALSE);
        popup.DoModal();
    };
    switch (wParam) {
    case READY_STATE:
        m_bApply = lParam ? 1 : 0;
        if (m_bApply)
            m_chkApply.SetCheck(BST_CHECKED);
        m_bStateLoaded = TRUE;
        break;
    case READY_LOAD_FAILED:
        confirm(IDS_LOAD_FAIL);
        EndDialog(IDCANCEL);
        break;
    case READY_SAVED:
        CDialog::OnOK();
        break;
    case READY_SAVE_REFUSED:
        confirm(IDS_SAVE_FAIL);
        break;
    default: break;
    }
    return 0;
}

BOOL CNotifySetDlg::OnEraseBkgnd(CDC* pDC)
{
    DrawFrame(pDC, IDS_NOTIFY_TITLE);
    DrawGreyText(pDC, IDS_NOTIFY_TEXT1, {17, 51, 288, 68});
    DrawGreyText(pDC, IDS_NOTIFY_TEXT2, {17, 74, 288, 91});
    return TRUE;
}

HBRUSH CNotifySetDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    pDC->SetBkMode(TRANSPARENT);
    if (nCtlColor == CTLCOLOR_STATIC || (pWnd && pWnd->GetDlgCtrlID() == (int)IDC_NOTIFY_APPLY))
        return (HBRUSH)m_brushBack.GetSafeHandle();
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

void CNotifySetDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    StartDrag(point, TRUE);
    CDialog::OnLButtonDown(nFlags, point);
}

void CNotifySetDlg::OnDestroy()
{
    m_replyTarget.Release();
    CDialog::OnDestroy();
}
