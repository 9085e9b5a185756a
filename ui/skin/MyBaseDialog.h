#pragma once
// CMyBaseDialog: the base of every skinned dialog, pop-up and docked panel. It takes what it
// shows from one named screen of the skin, paints it through an off-screen bitmap, draws the
// screen's border, drags the window from any empty spot, resizes by 5-pixel borders and
// maximises when resizable, shows a hand over clickable objects and tooltips over buttons, and
// hands every object event to one overridable operation, OnObjectEvent.
#include "platform/Dialog.h"
#include "platform/Edit.h"
#include "platform/ToolTipCtrl.h"
#include "ui/controls/WndShadow.h"
#include "ui/skin/SkinScreen.h"

namespace Gdiplus {
class Graphics;
class Image;
}

// Ends the dialog with IDCANCEL.
const UINT WM_SKIN_DIALOG_CANCEL = WM_USER + 768;
// The hidden edit every skinned dialog carries.
const UINT SKIN_DUMMY_EDIT_ID = 230312;

class CMyBaseDialog : public CDialog {
public:
    CMyBaseDialog(UINT nIDTemplate, CWnd* pParent);
    ~CMyBaseDialog() override;

    CWnd* m_pDragWnd = nullptr;
    BOOL m_bShadow = FALSE;
    CWndShadow m_wndShadow;
    UINT_PTR m_nAutoKillTimer = 0;
    BOOL m_bResizable = FALSE;
    BOOL m_bTracking = FALSE;
    BOOL m_bMaximized = FALSE;
    BOOL m_bMinimized = FALSE;
    CEdit m_editDummy;
    CToolTipCtrl m_ToolTip;
    SKIN_SCREEN m_Screen;
    CWnd* m_pOwnerWnd = nullptr;

    // Makes the dialog the screen's owner and loads the screen; tooltips for visible buttons.
    void LoadScreen(const CString& strName);
    static BOOL LoadSkin(const CString& strFileName, float fRatio, const CString& strFace);

    // Overridables, in this order.
    virtual void OnDrawDialog(CDC* pDC, CRect rc);
    virtual void DrawObjects(CDC* pDC, CRect rc);
    virtual void DrawBorder(CDC* pDC, CRect rc);
    virtual void OnDrawExtra(CDC* pDC, CRect rc);
    virtual BOOL OnObjectDblClk(UINT nMessage, int nFlag);
    // Every object event: 513/514/515 mouse events of buttons, and the posted control events
    // (1296 ..). Nonzero: handled.
    virtual int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject);

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Objects of this dialog's screen; a null object does nothing.
    void SetObjectVisible(SKIN_OBJECT* pObject, BOOL bVisible, BOOL bRepaint);
    void SetObjectVisibleTree(SKIN_OBJECT* pObject, BOOL bVisible, BOOL bRepaint);
    void SetObjectGone(SKIN_OBJECT* pObject, BOOL bGone, BOOL bRelayout);
    void SetGoneFlag(SKIN_OBJECT* pObject, BOOL bGone, BOOL bRelayout);
    void EnableObject(SKIN_OBJECT* pObject, BOOL bEnable, BOOL bRepaint) { EnableObjectImpl(pObject, bEnable, bRepaint); }
    void EnableObjectImpl(SKIN_OBJECT* pObject, BOOL bEnable, BOOL bRepaint);

    // Window.
    void ToggleMaximize();
    void FitToWorkArea();
    void UpdateMaximizeButton();
    void Minimize();
    void SetBackColor(COLORREF clr);
    CWnd* GetOwnerWnd() const { return m_pOwnerWnd; }
    CMyBaseDialog* SetOwnerWnd(CWnd* pWnd)
    {
        m_pOwnerWnd = pWnd;
        return this;
    }
    static void FillFrame(CDC* pDC, CRect rc, int nWidth, COLORREF clr);
    // The resize hit code for a client point (HTNOWHERE when none applies).
    LRESULT HitTestResizeBorder(CPoint ptClient) const;

    // Tooltips; an object's tool id is its ID.
    void InitToolTips();
    void AddObjectToolTip(const CString& strText, CRect rc, UINT nId);
    void UpdateToolRect(CRect rc, UINT nId);
    void DelObjectToolTip(UINT nId);

    // Drawing pass-throughs to the screen's painters.
    void DrawImage(Gdiplus::Graphics* pGraphics, CRect rc, Gdiplus::Image* pImage);
    void DrawImageRect(CDC* pDC, CRect rc, Gdiplus::Image* pImage, BYTE nMode);
    void DrawSkinText(CDC* pDC, CRect rc, const CString& strText, SKIN_FONT* pFont, UINT nFormat);
    CFont* SelectSkinFont(CDC* pDC, SKIN_FONT* pFont, int* pAlign);
    void DrawTextLine(CDC* pDC, const CString& strText, CRect rc, SKIN_FONT* pFont);
    void DrawTextGdiPlus(Gdiplus::Graphics* pGraphics, const CString& strText, CRect rc, SKIN_FONT* pFont);

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnUserRelay(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSkinCancel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    static int ObjectEventThunk(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void* pUserData);
    static void ToolTipThunk(CWnd* pOwner, const CString& strText, int l, int t, int r, int b, int nId);
    void PaintNcFrame();
    bool IsChildDialog() const { return (GetStyle() & WS_CHILD) != 0; }
    bool IsAlive() const { return ::IsWindow(m_hWnd) != FALSE; }
};
