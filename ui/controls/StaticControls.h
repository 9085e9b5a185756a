#pragma once
// The small static controls and plain windows of the client's screens: a picture with a
// transparent colour, a text label with its own colours and font, a flat solid-colour button
// and a window painted in one colour.
#include "platform/Brush.h"
#include "platform/Button.h"
#include "platform/Font.h"
#include "platform/Static.h"

// A picture label: the control's bitmap (STM_SETIMAGE) drawn at its own size with magenta left
// out; without a bitmap it paints nothing.
class CBmpStatic : public CStatic {
public:
    CBmpStatic() = default;
    COLORREF GetTransparentColor() const { return m_clrTransparent; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    const COLORREF m_clrTransparent = RGB(255, 0, 255);
};

// A text label with its own text and background colours and, once asked for, its own font.
class CColorStatic : public CStatic {
public:
    CColorStatic();
    ~CColorStatic() override;

    // Sets the text and lets the parent's background show through before it is drawn.
    void SetText(const CString& strText);
    void SetBkColor(COLORREF clr);
    void SetTextColor(COLORREF clr);
    // Takes effect at the next font creation only.
    void SetBold(BOOL bBold) { m_nBold = bBold; }
    // Creates the control's font in the application's face at that size, once: later calls
    // keep the first font.
    void SetFontSize(int nPoints);

    COLORREF GetBkColor() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }
    CFont* GetOwnFont() const { return m_pFont; }

    // The reflected WM_CTLCOLOR of the control.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

protected:
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_clrText = 0;
    COLORREF m_clrBack;
    CBrush m_brushBack;
    int m_nBold = 1;
    CFont* m_pFont = nullptr;
};

// A flat button: a push frame, a solid face and centred text.
class CColorBtn : public CButton {
public:
    CColorBtn() = default;
    void SetFaceColor(COLORREF clr) { m_clrFace = clr; }
    void SetTextColor(COLORREF clr) { m_clrText = clr; }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

private:
    COLORREF m_clrFace = 0xEBE6E6;
    COLORREF m_clrText = 0x00C800;
};

// A window painted all over in one colour (it covers what must not be touched).
class CLockLayer : public CWnd {
public:
    CLockLayer() = default;
    static constexpr COLORREF kColor = 0x8C6446;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
