#include "ui/controls/OkCancelDlg.h"

#include "core/ClientMessages.h"
#include "platform/DataExchange.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/PopupLayout.h"

BEGIN_MESSAGE_MAP(COkCancelDlg, CDialog)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_OK_CANCEL_CLOSE, &COkCancelDlg::OnCloseButton)
END_MESSAGE_MAP()

COkCancelDlg::COkCancelDlg(const CString& strText, const CString& strTitle, BOOL bOneButton, BOOL bYesLook,
                           CWnd* pParent)
    : CDialog(IDD_OK_CANCEL, pParent), m_strTitle(strTitle), m_strText(strText), m_bOneButton(bOneButton),
      m_bYesLook(bYesLook)
{
}

COkCancelDlg::COkCancelDlg(CWnd* pParent) : CDialog(IDD_OK_CANCEL, pParent) {}

void COkCancelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OK_CANCEL_CLOSE, m_btnClose);
    DDX_Control(pDX, IDOK, m_btnOK);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
}

int COkCancelDlg::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CDialog::OnCreate(lpCreateStruct) == -1 ? -1 : 0;
}

INT_PTR COkCancelDlg::DoModal()
{
    m_bWindowMade = FALSE;
    INT_PTR result = CDialog::DoModal();
    // Its owner closed under it: a dismissal, as Cancel.
    if (result == -1 && m_bWindowMade)
        result = IDCANCEL;
    return result;
}

BOOL COkCancelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_bWindowMade = TRUE;
    ModifyStyleEx(0, WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(m_hWnd, RGB(255, 0, 255), 255, LWA_COLORKEY | LWA_ALPHA);
    m_frame.Load();

    CRect rcParent;
    CWnd* pParent = m_pParentWnd ? m_pParentWnd : GetParent();
    if (pParent && ::IsWindow(pParent->GetSafeHwnd()))
        pParent->GetWindowRect(&rcParent);
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcParent, 0);

    const CSize size = m_message.Measure(this, m_strText, CSize(303, 155));
    m_nWidth = size.cx;
    m_nHeight = size.cy;

    m_btnClose.SetSkin(IDB_SMALL_CLOSE, IDB_SMALL_CLOSE_DOWN, IDB_SMALL_CLOSE_HOVER, IDB_SMALL_CLOSE_DISABLED,
                       IDB_SMALL_CLOSE, 0, 0, 0, 0);
    m_btnClose.MoveWindow(m_nWidth - 26, 14, 16, 16);
    if (m_bYesLook)
        m_btnOK.SetSkin(IDB_YES, IDB_YES_DOWN, IDB_YES_HOVER, IDB_YES_DISABLED, IDB_YES, IDB_BUTTON_MASK, 0, 0, 0);
    else
        m_btnOK.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    m_btnCancel.SetSkin(IDB_CANCEL, IDB_CANCEL_DOWN, IDB_CANCEL_HOVER, IDB_CANCEL_DISABLED, IDB_CANCEL,
                        IDB_BUTTON_MASK, 0, 0, 0);
    const POPUP_BUTTONS buttons = PopupButtonLayout(m_nWidth, m_nHeight, !m_bOneButton);
    m_btnOK.MoveWindow(&buttons.rcFirst);
    if (m_bOneButton) {
        m_btnCancel.ShowWindow(SW_HIDE);
    } else {
        m_btnCancel.MoveWindow(&buttons.rcSecond);
        m_btnCancel.ShowWindow(SW_SHOW);
    }
    const CPoint origin = OkCancelOrigin(rcParent, m_nWidth, m_nHeight);
    MoveWindow(origin.x, origin.y, m_nWidth, m_nHeight);

    POPUP_QUESTION question;
    question.kind = POPUP_OK_CANCEL;
    question.strTitle = m_strTitle;
    question.strText = m_strText;
    question.nButtons = m_bOneButton ? 1 : 2;
    question.bModal = (m_nFlags & kFlagContinueModal) != 0;
    question.pPopup = this;
    AskPopupAnswerLater(m_hWnd, question);
    return TRUE;
}

BOOL COkCancelDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    m_nWidth = client.Width();
    m_nHeight = client.Height();
    m_frame.Draw(pDC, m_nWidth, m_nHeight, FALSE, FALSE);
    m_message.Draw(pDC, client, m_strTitle, CRect(16, 12, 200, 32), DT_VCENTER);
    return TRUE;
}

void COkCancelDlg::OnCloseButton()
{
    OnCancel();
}

void COkCancelDlg::OnDestroy()
{
    CDialog::OnDestroy();
    ::PostMessageW(nullptr, WM_NULL, 0, 0);
}

LRESULT COkCancelDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_POPUP_ANSWER) {
        ApplyPopupAnswer(m_hWnd, (int)wParam, IDC_OK_CANCEL_CLOSE);
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

int ShowOkCancel(const CString& strText, const CString& strTitle, BOOL bOneButton, BOOL bYesLook)
{
    COkCancelDlg dlg(strText, strTitle, bOneButton, bYesLook, AfxGetMainWnd());
    return (int)dlg.DoModal();
}
