#pragma once
// CxSkinButton: the client's push button. Every state is a bitmap of the resource library
// (normal, pressed, hover, disabled, focus, and a mask that also shapes the window); it tracks
// the pointer for its hover look, can act as a check box or radio button, has a "held" state
// that looks and acts disabled while the window stays enabled, draws its text centred over the
// picture and can show a tooltip.
#include "core/ClientMessages.h"
#include "platform/Button.h"
#include "platform/Font.h"
#include "ui/controls/SkinButtonRules.h"
#include "ui/controls/ToolTipPelk.h"


class CxSkinButton : public CButton {
public:
    CxSkinButton();
    ~CxSkinButton() override;

    // Resource ids (0 = none); a disabled id of 0 takes the normal picture. A mask shapes the
    // window (magenta outside) and, in draw mode 0, sizes it. The margin is not used: no focus
    // rectangle is drawn.
    void SetSkin(UINT nNormal, UINT nPressed, UINT nHover, UINT nDisabled, UINT nFocus, UINT nMask,
                 short nDrawMode, short nBorder, short nMargin);
    void SetHeld(BOOL bHeld);
    BOOL IsHeld() const { return m_nHeld != 0; }
    void SetToolTipText(const CString& strText);
    void SetToolTipColor(COLORREF clrText, COLORREF clrBack);
    // Returns the previous text colour; repaints nothing.
    COLORREF SetTextColor(COLORREF clrText);
    // The application's font at its default size.
    void SetAppFont();
    // Selects a font one point smaller than the default (regular weight) into the DC; it stays
    // alive with the button.
    void SelectTextFont(CDC* pDC);
    int CancelTracking();
    // The look from where the pointer is now: after a modal loop run from the button's click (a
    // drop-down menu) the button never heard that the pointer left it, nor that a press ended.
    void RefreshHover();

    int GetKind() const { return m_nKind; }
    short GetDrawMode() const { return m_nDrawMode; }
    BOOL IsHovered() const { return m_bHover; }
    BOOL IsTracking() const { return m_bTracking; }
    BOOL HasPicture(SkinButtonPicture n) const { return m_bitmaps[n].m_hObject != nullptr; }
    CToolTipPelk& GetToolTip() { return m_toolTip; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // Draws a picture into R by the draw mode (see SkinButtonRules.h), through the mask when
    // the button has one.
    void DrawBitmap(CDC* pDC, HBITMAP hBitmap, RECT rc, short nDrawMode);
    static void TileBitmap(CDC* pDC, HBITMAP hBitmap, const RECT& rc);
    // A region of the bitmap's pixels that are not the key colour; null for no bitmap.
    HRGN CreateRgnFromBitmap(HBITMAP hBitmap, COLORREF clrKey);

protected:
    void PreSubclassWindow() override;
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnMouseLeave();
    LRESULT OnUncheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RelayEvent(UINT message, WPARAM wParam, LPARAM lParam);
    void ToggleForKind();
    void FillFace(CDC* pDC, const RECT& rc);
    void DrawPictureOrFace(CDC* pDC, SkinButtonPicture n, const RECT& rc);
    bool IsPointOverMe(CPoint ptClient) const;

    int m_nHeld = 0;
    bool m_bChecked = false;
    int m_nKind = SKINBUTTON_PUSH;
    BOOL m_bHover = FALSE;
    BOOL m_bTracking = FALSE;
    CToolTipPelk m_toolTip;
    CBitmap m_bitmaps[SKINPIC_COUNT];
    short m_nFocusRectMargin = 0;
    COLORREF m_clrText;
    COLORREF m_clrFace;
    int m_nTextMarginLeft = 10;
    int m_nTextMarginRight = 10;
    HRGN m_hRgn = nullptr;
    int m_nBorder = 0;
    short m_nDrawMode = 1;
    UINT m_nTextFormat = DT_CENTER;
    CFont m_font;                // SetAppFont's
    CFont m_textFont;            // SelectTextFont's
};
