#include "ui/controls/PopupMessage.h"

#include "core/DrawHelpers.h"
#include "platform/Wnd.h"
#include "resources/resource.h"
#include "ui/controls/PopupLayout.h"

CSize CPopupMessage::Measure(CWnd* pWnd, const CString& strText, CSize minimum)
{
    const CString text = strText.IsEmpty() ? CString(L" ") : strText;
    SplitPopupLines(text, m_lines);

    CClientDC dc(pWnd);
    LOGFONT lf = {};
    HFONT hFont = (HFONT)::SendMessageW(pWnd->GetSafeHwnd(), WM_GETFONT, 0, 0);
    if (!hFont || !::GetObjectW(hFont, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpynW(lf.lfFaceName, GetDefaultFontName().GetString(), LF_FACESIZE);
    const int dpi = dc.GetDeviceCaps(LOGPIXELSY);
    m_fontTitle.DeleteObject();
    m_fontBody.DeleteObject();
    lf.lfHeight = -::MulDiv(GetDefaultFontSize() + 1, dpi, 72);
    lf.lfWeight = 900;
    m_fontTitle.CreateFontIndirect(&lf);
    lf.lfHeight = -::MulDiv(GetDefaultFontSize(), dpi, 72);
    lf.lfWeight = 400;
    m_fontBody.CreateFontIndirect(&lf);

    CFont* old = dc.SelectObject(&m_fontBody);
    CRect rc(0, 0, 0, 0);
    dc.DrawText(text, &rc, DT_CALCRECT | DT_CENTER);
    dc.SelectObject(old);
    m_nTextWidth = rc.Width();
    m_nLineHeight = rc.Height() / (int)m_lines.GetSize();
    return PopupSizeForText(m_nTextWidth, m_nLineHeight, (int)m_lines.GetSize(), m_nGap, minimum);
}

void CPopupMessage::Draw(CDC* pDC, const CRect& rcClient, const CString& strTitle, const CRect& rcTitle,
                         UINT nTitleFormat)
{
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* old = pDC->SelectObject(&m_fontTitle);
    pDC->SetTextColor(RGB(255, 255, 255));
    CRect title = rcTitle;
    pDC->DrawText(strTitle, &title, nTitleFormat);

    pDC->SelectObject(&m_fontBody);
    pDC->SetTextColor(RGB(130, 130, 130));
    CRect line(rcClient.left, 75, rcClient.right, 75);
    for (INT_PTR i = 0; i < m_lines.GetSize(); ++i) {
        line.bottom = line.top + m_nLineHeight;
        pDC->DrawText(m_lines[i], &line, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        line.top = line.bottom + m_nGap;
    }
    pDC->SelectObject(old);
    pDC->SetBkMode(oldMode);
}

BOOL CPopupFrame::Load()
{
    BOOL ok = TRUE;
    for (int i = 0; i < 9; ++i) {
        m_bitmaps[i].DeleteObject();
        ok = m_bitmaps[i].LoadBitmap(IDB_POPUP_FRAME_TL + i) && ok;
    }
    return ok;
}

void CPopupFrame::Draw(CDC* pDC, int W, int H, BOOL bInset, BOOL bKeyCorners)
{
    SIZE sizes[9] = {};
    for (int i = 0; i < 9; ++i) {
        BITMAP bm = {};
        if (m_bitmaps[i].GetSafeHandle() && m_bitmaps[i].GetBitmap(&bm))
            sizes[i] = CSize(bm.bmWidth, bm.bmHeight);
    }
    POPUP_FRAME_PIECE pieces[9];
    PopupFramePieces(W, H, sizes, bInset, pieces);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    for (int i = 0; i < 9; ++i) {
        if (!m_bitmaps[i].GetSafeHandle())
            continue;
        CBitmap* old = mem.SelectObject(&m_bitmaps[i]);
        const CRect& d = pieces[i].rcDest;
        const CSize& s = pieces[i].szSource;
        if (pieces[i].bCorner && bKeyCorners)
            pDC->TransparentBlt(d.left, d.top, d.Width(), d.Height(), &mem, 0, 0, s.cx, s.cy, RGB(255, 0, 255));
        else if (pieces[i].bCorner)
            pDC->BitBlt(d.left, d.top, d.Width(), d.Height(), &mem, 0, 0, SRCCOPY);
        else
            pDC->StretchBlt(d.left, d.top, d.Width(), d.Height(), &mem, 0, 0, s.cx, s.cy, SRCCOPY);
        mem.SelectObject(old);
    }
}

void CreateNoticeFonts(CDC& dc, HFONT hBase, CFont& bold, CFont& normal)
{
    LOGFONT lf = {};
    if (!hBase || !::GetObjectW(hBase, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lstrcpynW(lf.lfFaceName, GetDefaultFontName().GetString(), LF_FACESIZE);
    lf.lfHeight = -::MulDiv(GetDefaultFontSize() - 1, dc.GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWeight = 700;
    bold.CreateFontIndirect(&lf);
    lf.lfWeight = 400;
    normal.CreateFontIndirect(&lf);
}
