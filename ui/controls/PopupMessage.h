#pragma once
// The message block and frame shared by the message pop-ups: the text split into lines and
// measured in the pop-up's fonts, painted as centred grey lines under a white title, inside a
// frame of nine bitmaps.
#include "platform/Bitmap.h"
#include "platform/Collections.h"
#include "platform/CString.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "platform/Geometry.h"

class CWnd;

class CPopupMessage {
public:
    explicit CPopupMessage(int nGap) : m_nGap(nGap) {}

    // Empty text becomes one space; splits at "\n"; creates the title font (size + 1, weight
    // 900) and the body font (size, weight 400) from the window's font with the client's face,
    // and measures the whole text in the body font. Returns the size the text needs, raised to
    // the minimum.
    CSize Measure(CWnd* pWnd, const CString& strText, CSize minimum);

    // The title in white within rcTitle (nTitleFormat), then each line centred in grey, the
    // first one at y 75, one line height plus the gap apart.
    void Draw(CDC* pDC, const CRect& rcClient, const CString& strTitle, const CRect& rcTitle,
              UINT nTitleFormat);

    const CStringArray& Lines() const { return m_lines; }
    int TextWidth() const { return m_nTextWidth; }
    int LineHeight() const { return m_nLineHeight; }
    int Gap() const { return m_nGap; }

private:
    int m_nGap;
    CStringArray m_lines;
    CFont m_fontTitle;
    CFont m_fontBody;
    int m_nTextWidth = 0;
    int m_nLineHeight = 0;
};

// The notices' two fonts (a bold heading and a regular body) in the client's face, one point under
// its default size, built from hBase's other attributes (the default GUI font when hBase is null).
void CreateNoticeFonts(CDC& dc, HFONT hBase, CFont& bold, CFont& normal);

// The nine bitmaps of the pop-up frame, loaded from the resource library.
class CPopupFrame {
public:
    BOOL Load();
    // The frame over W x H: edges and centre stretched; corners transparent on magenta
    // (bKeyCorners) or copied as they are (a layered window keys magenta out itself). bInset
    // keeps the right and bottom pieces one pixel inside the rounded window.
    void Draw(CDC* pDC, int W, int H, BOOL bInset, BOOL bKeyCorners);
private:
    CBitmap m_bitmaps[9];
};
