#include "ui/controls/YesNoPopup.h"

#include "core/ClientMessages.h"
#include "platform/DataExchange.h"
#include "resources/resource.h"
#include "ui/controls/PopupLayout.h"

BEGIN_MESSAGE_MAP(CYesNoPopup, CDialogPopupBase)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CYesNoPopup::CYesNoPopup(CWnd* pParent, int nWidth, int nHeight, int x, int y, const CString& strTitle,
                         const CString& strHeading, const CString& strText, const CString& strContext, BOOL bNotice,
                         BOOL bCenterOnDesktop)
    : CDialogPopupBase(IDD_YES_NO_POPUP, pParent, nWidth, nHeight, x, y, strTitle, bNotice),
      m_strHeading(strHeading), m_strText(strText), m_strContext(strContext), m_bCenterOnDesktop(bCenterOnDesktop),
      m_hNoticeParent(pParent ? pParent->GetSafeHwnd() : nullptr)
{
}

void CYesNoPopup::DoDataExchange(CDataExchange* pDX)
{
    CDialogPopupBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POPUP_MESSAGE, m_stMessage);
    DDX_Control(pDX, IDC_POPUP_HEADING, m_stHeading);
    DDX_Control(pDX, IDC_POPUP_EXTRA, m_stExtra);
    DDX_Control(pDX, IDOK, m_btnYes);
    DDX_Control(pDX, IDCANCEL, m_btnNo);
}

BOOL CYesNoPopup::OnInitDialog()
{
    CDialogPopupBase::OnInitDialog();
    // The notice flag rides on the logo flag.
    if (m_bLogo)
        m_strText = m_strHeading + L"\n" + m_strText;
    LayoutWithMessage(m_message, m_strText);
    m_stMessage.ShowWindow(SW_HIDE);
    m_stHeading.ShowWindow(SW_HIDE);
    m_stExtra.ShowWindow(SW_HIDE);

    m_btnYes.SetSkin(IDB_YES, IDB_YES_DOWN, IDB_YES_HOVER, IDB_YES_DISABLED, IDB_YES, IDB_BUTTON_MASK, 0, 0, 0);
    m_btnNo.SetSkin(IDB_NO, IDB_NO_DOWN, IDB_NO_HOVER, IDB_NO_DISABLED, IDB_NO, IDB_BUTTON_MASK, 0, 0, 0);
    const POPUP_BUTTONS buttons = PopupButtonLayout(m_nWidth, m_nHeight, m_bTwoButtons);
    m_btnYes.MoveWindow(&buttons.rcFirst);
    if (m_bTwoButtons) {
        m_btnNo.MoveWindow(&buttons.rcSecond);
        m_btnNo.ShowWindow(SW_SHOW);
    } else {
        m_btnNo.ShowWindow(SW_HIDE);
    }
    CenterWindow(m_bCenterOnDesktop ? GetDesktopWindow() : GetParent());

    OfferToAnswerHook(POPUP_YES_NO, m_strText, m_bTwoButtons ? 2 : 1);
    return TRUE;
}

void CYesNoPopup::Answer(int nResult)
{
    if (m_bLogo) {
        // Posted, so the parent handles it after this handler; a parent that closed meanwhile
        // cannot take it, and the answer stays readable through GetResult.
        // The window the owner gave, which may be a child layer; only without one the window
        // that owns the pop-up.
        HWND parent = m_hNoticeParent ? m_hNoticeParent : ::GetParent(m_hWnd);
        if (parent && ::IsWindow(parent))
            ::PostMessageW(parent, WM_YESNO_ANSWER, nResult == IDOK ? 1 : 0, 0);
    }
    EndPopup(nResult);
}

BOOL CYesNoPopup::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if ((id == IDOK || id == IDCANCEL) && (HIWORD(wParam) == BN_CLICKED || lParam == 0)) {
        Answer(id == IDOK ? IDOK : IDCANCEL);
        return TRUE;
    }
    return CDialogPopupBase::OnCommand(wParam, lParam);
}

BOOL CYesNoPopup::OnEraseBkgnd(CDC* pDC)
{
    PaintWithMessage(pDC, m_message);
    return TRUE;
}
