#pragma once
// CMySkinEdit: the edit window of an EDIT object of a skin screen. It takes fonts, colours,
// hint, limit and styles from the object, reports Enter and text changes to its parent as
// object events, and, unless the object keeps it shown, hides when it loses the focus so that
// the screen paints the object's text (or hint) again.
#include "platform/Brush.h"
#include "platform/Edit.h"

struct SKIN_OBJECT;

class CMySkinEdit : public CEdit {
public:
    CMySkinEdit() = default;

    void CreateFromObject(SKIN_OBJECT* pObject, CWnd* pParent, UINT nId);
    // Line breaks as "\r\n"; a non-empty text starts input. A null text does nothing.
    void SetText(LPCTSTR pszText);
    void SetBkColor(COLORREF clr);
    // The rectangle the edit takes inside an object rectangle: margins (scaled), BORDERSIZE and,
    // for single-line edits, paddings (scaled). Multi-line edits pad through their format rect.
    static CRect GetEditRect(const SKIN_OBJECT* pObject, const RECT& rcObject);
    void UpdateFormatRect();
    // True until input starts: the object's text then reads as empty.
    bool IsHintState() const { return m_bHint; }
    SKIN_OBJECT* GetSkinObject() const { return m_pObject; }
    COLORREF GetBkColor() const { return m_clrBack; }
    DWORD GetCreationStyle() const { return m_dwCreateStyle; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void PreSubclassWindow() override {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnChange();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyInputStyle();
    void PostEvent(int nCode);

    SKIN_OBJECT* m_pObject = nullptr;
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrText = RGB(33, 33, 33);
    CFont* m_pFont = nullptr;
    int m_nAlign = 0;
    int m_nPaddingL = 0;
    int m_nPaddingT = 0;
    int m_nPaddingR = 0;
    int m_nPaddingB = 0;
    bool m_bPassword = false;
    bool m_bHint = true;
    COLORREF m_clrCurrentText = 0;
    CBrush m_brush;
    DWORD m_dwCreateStyle = 0;
};
