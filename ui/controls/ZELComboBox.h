#pragma once
// The two owner-painted combo boxes; both keep the system's drop-down list and paint only the
// closed box.
// ZELComboBox: a flat white box with the shown text and a "▼" glyph; a stored text (SetText)
// is shown instead of the selected item until ClearText.
// CZELSkinComboBox: a bordered box with a bitmap drop button; the selected item in orange when
// it reads like the "nothing chosen" string, else in dark blue; the drop button follows the
// mouse until the list opens, and again after it closes.
#include "platform/ComboBox.h"
#include "platform/Font.h"

class ZELComboBox : public CComboBox {
public:
    ZELComboBox() = default;

    void SetText(const CString& strText);
    void ClearText();
    BOOL EnableWindow(BOOL bEnable = TRUE) { return CComboBox::EnableWindow(bEnable); }
    // The text the closed box shows.
    CString GetShownText() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void MakeFont();
    CFont m_font;
    CString m_strText;
};

class CZELSkinComboBox : public CComboBox {
public:
    CZELSkinComboBox() = default;

    void SetText(const CString& strText);
    void ClearText();
    void SetBorderColor(COLORREF clr) { m_clrBorder = clr; }
    BOOL IsHover() const { return m_bHover; }
    BOOL IsPressed() const { return m_bPressed; }
    // The colour of the selected text: orange for the "nothing chosen" entry, else dark blue.
    static COLORREF TextColorFor(const CString& strItem, const CString& strSpecial);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

private:
    void MakeFont();
    CString m_strText;
    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    CString m_strFace = L"tahoma";
    int m_nFaceHeight = 13;
    COLORREF m_clrBorder = RGB(235, 235, 235);
    CFont m_font;
};
