#pragma once
// The look the small settings dialogs share (time keeper, notification settings): a layered
// window keyed on magenta with a nine-part bitmap frame, a bold white title, grey texts, bitmap
// OK/Cancel/close buttons, and moved from anywhere or sized from its 10-pixel corners.
#include "platform/Dialog.h"
#include "platform/Font.h"
#include "ui/controls/PopupMessage.h"
#include "ui/controls/xSkinButton.h"

class CFramedDialog : public CDialog {
public:
    CFramedDialog(UINT nIDTemplate, CWnd* pParent, int nWidth, int nHeight);

    CxSkinButton m_btnCancel;
    CxSkinButton m_btnOK;
    CxSkinButton m_btnClose;

    // The hit code of a press at a client point: a corner within 10 pixels, else the caption.
    static LRESULT HitCodeAt(CPoint point, const CRect& rcClient);

protected:
    // Creation: layered, then OnCreateControls, then sized and centred on the parent.
    virtual void OnCreateControls() {}
    void SkinButtons();
    // The frame, the title, and the texts the dialog adds through DrawGreyText.
    void DrawFrame(CDC* pDC, UINT nTitleId);
    void DrawFrame(CDC* pDC, const CString& strTitle);
    void DrawGreyText(CDC* pDC, UINT nTextId, const RECT& rc, COLORREF clr = RGB(0x82, 0x82, 0x82));
    void DrawGreyText(CDC* pDC, const CString& strText, const RECT& rc, COLORREF clr, UINT nFormat = DT_VCENTER);
    // Posts the move or corner sizing for a press; bDropSysMenu first removes WS_SYSMENU for a
    // corner.
    void StartDrag(CPoint point, BOOL bDropSysMenu);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    int m_nWidth;
    int m_nHeight;
    CPopupFrame m_frame;
    CFont m_fontTitle;
    CFont m_fontText;
};
