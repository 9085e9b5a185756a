#include "ui/controls/DialogPopupBase.h"

#include "core/ClientMessages.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "ui/controls/PopupLayout.h"

BEGIN_MESSAGE_MAP(CDialogPopupBase, CDialogEx)
    ON_WM_ERASEBKGND()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDialogPopupBase::CDialogPopupBase(UINT nIDTemplate, CWnd* pParent, int nWidth, int nHeight, int x, int y,
                                   const CString& strTitle, BOOL bLogo)
    : CDialogEx(nIDTemplate, pParent), m_nX(x), m_nY(y), m_nWidth(nWidth), m_nHeight(nHeight),
      m_strTitle(strTitle), m_bLogo(bLogo)
{
}

CDialogPopupBase::CDialogPopupBase(CWnd* pParent) : CDialogEx(IDD_POPUP_BASE, pParent) {}

CDialogPopupBase::CDialogPopupBase(UINT nIDTemplate, CWnd* pParent) : CDialogEx(nIDTemplate, pParent) {}

BOOL CDialogPopupBase::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_bWindowMade = TRUE;
    return TRUE;
}

INT_PTR CDialogPopupBase::DoModal()
{
    m_nResult = 0;
    m_bWindowMade = FALSE;
    INT_PTR result = CDialogEx::DoModal();
    // The window went without an answer (its owner closed under it): dismissed, not an error.
    if (result == -1 && m_bWindowMade)
        result = m_nResult ? m_nResult : IDCANCEL;
    return result;
}

void CDialogPopupBase::EndPopup(int nResult)
{
    m_nResult = nResult;
    EndDialog(nResult);
}

void CDialogPopupBase::InitPopupLayout()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && !::IsWindow(pMain->GetSafeHwnd()))
        pMain = nullptr;
    CRect rcMainClient;
    if (pMain) {
        WINDOWPLACEMENT wp = {sizeof(wp)};
        if (::GetWindowPlacement(pMain->GetSafeHwnd(), &wp) && wp.showCmd == SW_SHOWMINIMIZED)
            pMain->ShowWindow(SW_RESTORE);
        pMain->GetClientRect(&rcMainClient);
        pMain->ClientToScreen(&rcMainClient);
    }
    const CRect target = PopupTargetRect(pMain != nullptr, rcMainClient, m_nX, m_nY, m_nWidth, m_nHeight);
    ::SetWindowPos(m_hWnd, nullptr, target.left, target.top, m_nWidth, m_nHeight, SWP_NOACTIVATE);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    HRGN region = ::CreateRoundRectRgn(0, 0, rcWindow.Width(), rcWindow.Height(), 11, 11);
    if (region && !::SetWindowRgn(m_hWnd, region, TRUE))
        ::DeleteObject(region);

    m_frame.Load();
    m_bmpLogo.DeleteObject();
    m_bmpLogo.LoadBitmap(IDB_POPUP_LOGO);

    if (!m_stTitle.GetSafeHwnd()) {
        m_stTitle.Create(m_strTitle, WS_CHILD | WS_VISIBLE, CRect(15, 14, 300, 32), this, IDC_POPUP_TITLE);
        m_stTitle.ShowWindow(SW_HIDE);
    }
    if (!m_btnClose.GetSafeHwnd()) {
        m_btnClose.Create(L"", WS_CHILD | WS_VISIBLE, CRect(m_nWidth - 26, 14, m_nWidth - 10, 30), this,
                          IDC_POPUP_CLOSE);
        m_btnClose.SetSkin(IDB_SMALL_CLOSE, IDB_SMALL_CLOSE_DOWN, IDB_SMALL_CLOSE_HOVER, IDB_SMALL_CLOSE_DISABLED,
                           IDB_SMALL_CLOSE, 0, 0, 0, 0);
    }
    if (!m_bShowCloseButton)
        m_btnClose.ShowWindow(SW_HIDE);
}

BOOL CDialogPopupBase::OnEraseBkgnd(CDC* pDC)
{
    m_frame.Draw(pDC, m_nWidth, m_nHeight, TRUE, TRUE);
    if (m_bLogo && m_bmpLogo.GetSafeHandle()) {
        BITMAP bm = {};
        m_bmpLogo.GetBitmap(&bm);
        CDC mem;
        mem.CreateCompatibleDC(pDC);
        CBitmap* old = mem.SelectObject(&m_bmpLogo);
        pDC->BitBlt((m_nWidth - bm.bmWidth) / 2, 94, bm.bmWidth, bm.bmHeight, &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    return FALSE;
}

BOOL CDialogPopupBase::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_POPUP_CLOSE && HIWORD(wParam) == BN_CLICKED) {
        EndPopup(3);
        return TRUE;
    }
    return CDialogEx::OnCommand(wParam, lParam);
}

LRESULT CDialogPopupBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_POPUP_HIDE)
        ShowWindow(SW_HIDE);
    else if (message == WM_POPUP_SHOW)
        ShowWindow(SW_SHOWNORMAL);
    else if (message == WM_POPUP_ANSWER) {
        ApplyPopupAnswer(m_hWnd, (int)wParam, IDC_POPUP_CLOSE);
        return 0;
    }
    return CDialogEx::WindowProc(message, wParam, lParam);
}

void CDialogPopupBase::OnDestroy()
{
    CDialogEx::OnDestroy();
    // A modal loop whose window goes must wake up to notice it.
    ::PostMessageW(nullptr, WM_NULL, 0, 0);
}

void CDialogPopupBase::LayoutWithMessage(CPopupMessage& message, const CString& strText)
{
    const CSize size = message.Measure(this, strText, CSize(m_nWidth, m_nHeight));
    m_nWidth = size.cx;
    m_nHeight = size.cy;
    MoveWindow(0, 0, m_nWidth, m_nHeight);
    InitPopupLayout();
}

void CDialogPopupBase::PaintWithMessage(CDC* pDC, CPopupMessage& message)
{
    CDialogPopupBase::OnEraseBkgnd(pDC);
    CRect client;
    GetClientRect(&client);
    message.Draw(pDC, client, m_strTitle, CRect(15, client.top, client.right, 45), DT_VCENTER | DT_SINGLELINE);
}

void CDialogPopupBase::OfferToAnswerHook(POPUP_KIND kind, const CString& strText, int nButtons)
{
    POPUP_QUESTION question;
    question.kind = kind;
    question.strTitle = m_strTitle;
    question.strText = strText;
    question.nButtons = nButtons;
    question.bModal = IsRunningModal();
    question.bNotice = kind == POPUP_YES_NO && m_bLogo;
    question.pPopup = this;
    AskPopupAnswerLater(m_hWnd, question);
}
