#include "ui/controls/ConfirmPopup.h"

#include "platform/DataExchange.h"
#include "resources/resource.h"
#include "ui/controls/PopupLayout.h"

BEGIN_MESSAGE_MAP(CConfirmPopup, CDialogPopupBase)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CConfirmPopup::CConfirmPopup(CWnd* pParent, int nWidth, int nHeight, int x, int y, const CString& strTitle,
                             const CString& strHeading, const CString& strText, BOOL bCenterOnDesktop)
    : CDialogPopupBase(IDD_CONFIRM_POPUP, pParent, nWidth, nHeight, 0, 0, strTitle, FALSE),
      m_strHeading(strHeading), m_strText(strText), m_bCenterOnDesktop(bCenterOnDesktop)
{
    m_nX = x;
    m_nY = y;
}

void CConfirmPopup::DoDataExchange(CDataExchange* pDX)
{
    CDialogPopupBase::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_POPUP_MESSAGE, m_stMessage);
    DDX_Control(pDX, IDC_POPUP_HEADING, m_stHeading);
    DDX_Control(pDX, IDOK, m_btnOK);
}

BOOL CConfirmPopup::OnInitDialog()
{
    CDialogPopupBase::OnInitDialog();
    if (!m_strHeading.IsEmpty())
        m_strText = m_strHeading + L"\n" + m_strText;
    LayoutWithMessage(m_message, m_strText);
    m_stMessage.ShowWindow(SW_HIDE);
    m_stHeading.ShowWindow(SW_HIDE);

    m_btnOK.SetSkin(IDB_OK, IDB_OK_DOWN, IDB_OK_HOVER, IDB_OK_DISABLED, IDB_OK, IDB_BUTTON_MASK, 0, 0, 0);
    const POPUP_BUTTONS buttons = PopupButtonLayout(m_nWidth, m_nHeight, FALSE);
    m_btnOK.MoveWindow(&buttons.rcFirst);
    if (m_bCenterOnDesktop)
        CenterWindow(GetDesktopWindow());

    OfferToAnswerHook(POPUP_CONFIRM, m_strText, 1);
    return TRUE;
}

BOOL CConfirmPopup::OnEraseBkgnd(CDC* pDC)
{
    PaintWithMessage(pDC, m_message);
    return TRUE;
}
