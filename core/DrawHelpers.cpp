#include "core/DrawHelpers.h"

#include <gdiplus.h>

#include <cstdlib>
#include <vector>

namespace {

// A memory device context with a bitmap selected into it; both freed (and the selection put
// back) by the destructor.
class CMemoryBitmapDC {
public:
    CMemoryBitmapDC(HDC hdcLike, HBITMAP hBitmap) : m_hdc(CreateCompatibleDC(hdcLike)), m_hBitmap(hBitmap)
    {
        if (m_hdc && m_hBitmap)
            m_hOld = SelectObject(m_hdc, m_hBitmap);
    }
    ~CMemoryBitmapDC()
    {
        if (m_hdc) {
            if (m_hOld)
                SelectObject(m_hdc, m_hOld);
            DeleteDC(m_hdc);
        }
        if (m_hBitmap)
            DeleteObject(m_hBitmap);
    }
    CMemoryBitmapDC(const CMemoryBitmapDC&) = delete;
    CMemoryBitmapDC& operator=(const CMemoryBitmapDC&) = delete;
    bool Ok() const { return m_hdc && m_hBitmap && m_hOld; }
    operator HDC() const { return m_hdc; }

private:
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld = nullptr;
};

}  // namespace

CString GetDefaultFontName()
{
    switch (GetUserDefaultLangID()) {
    case 1041:
        return L"Meiryo";
    case 1042:
        return L"\ub098\ub214\uace0\ub515";
    default:
        return L"\ub9d1\uc740 \uace0\ub515";
    }
}

int GetDefaultFontSize()
{
    return GetUserDefaultLangID() == 1041 ? 9 : 10;
}

HFONT CreateUiFont(HDC hdc, int nPointSize, int nWeight)
{
    return CreateFontW(-MulDiv(nPointSize, GetDeviceCaps(hdc, LOGPIXELSY), 72), 0, 0, 0, nWeight,
                       FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_STRING_PRECIS, CLIP_CHARACTER_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, GetDefaultFontName());
}

void DrawTextWithFont(HDC hdc, RECT* pRect, LPCTSTR pszText, COLORREF clrText, COLORREF clrBk,
                      BOOL bTransparent, int nPointSize, UINT uFormat, int nBold)
{
    HFONT hFont = CreateUiFont(hdc, nPointSize, nBold == 1 ? 600 : 400);
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    const COLORREF clrOldText = GetTextColor(hdc);
    if (clrText != CLR_KEEP_DC_TEXT)
        SetTextColor(hdc, clrText);
    const COLORREF clrOldBk = SetBkColor(hdc, clrBk);
    const int nOldMode = GetBkMode(hdc);
    if (bTransparent)
        SetBkMode(hdc, TRANSPARENT);

    DrawTextW(hdc, pszText, -1, pRect, uFormat);

    SetBkMode(hdc, nOldMode);
    SetBkColor(hdc, clrOldBk);
    SetTextColor(hdc, clrOldText);
    SelectObject(hdc, hOldFont);
    DeleteObject(hFont);
}

CRect DrawWrappedText(HDC hdc, const RECT& rect, const CString& strText, BOOL bDraw, int nPointSize)
{
    const int nOldMode = SetBkMode(hdc, TRANSPARENT);
    HFONT hFont = CreateUiFont(hdc, nPointSize, 100);
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);

    const int width = rect.right - rect.left;
    std::vector<int> breaks;
    int running = 0;
    int widest = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const wchar_t c = strText[i];
        if (c == L'\r') {
            breaks.push_back(i);
            running = 0;
            continue;
        }
        SIZE size = {};
        GetTextExtentPoint32W(hdc, &c, 1, &size);
        running += size.cx;
        if (running > width) {
            breaks.push_back(i);
            widest = running;
            running = size.cx;
        } else if (running > widest) {
            widest = running;
        }
    }
    CString broken = strText;
    for (auto it = breaks.rbegin(); it != breaks.rend(); ++it)
        broken.Insert(*it, L'\n');

    RECT measure = rect;
    DrawTextW(hdc, broken, -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    const int needWidth = breaks.empty() ? running : widest;
    CRect result(rect.left, rect.top, rect.left + needWidth, rect.top + (measure.bottom - measure.top));

    if (bDraw) {
        RECT target = rect;
        DrawTextW(hdc, broken, -1, &target, DT_WORDBREAK | DT_EXPANDTABS);
    }
    SelectObject(hdc, hOldFont);
    DeleteObject(hFont);
    SetBkMode(hdc, nOldMode);
    return result;
}

void DrawTransparentBitmap(HDC hdc, HBITMAP hBitmap, int x, int y, COLORREF clrTransparent)
{
    HDC hdcTemp = CreateCompatibleDC(hdc);
    if (hdcTemp == nullptr)
        return;
    HGDIOBJ hOldTemp = SelectObject(hdcTemp, hBitmap);
    BITMAP bm = {};
    if (hOldTemp == nullptr || GetObject(hBitmap, sizeof(bm), &bm) == 0) {
        if (hOldTemp)
            SelectObject(hdcTemp, hOldTemp);
        DeleteDC(hdcTemp);
        return;
    }
    SetMapMode(hdcTemp, GetMapMode(hdc));
    POINT size = {bm.bmWidth, bm.bmHeight};
    DPtoLP(hdcTemp, &size, 1);
    const int cx = size.x, cy = size.y;

    {
        CMemoryBitmapDC back(hdc, CreateBitmap(cx, cy, 1, 1, nullptr));    // inverse mask
        CMemoryBitmapDC object(hdc, CreateBitmap(cx, cy, 1, 1, nullptr));  // mask
        CMemoryBitmapDC work(hdc, CreateCompatibleBitmap(hdc, cx, cy));
        CMemoryBitmapDC save(hdc, CreateCompatibleBitmap(hdc, cx, cy));
        if (back.Ok() && object.Ok() && work.Ok() && save.Ok()) {
            BitBlt(save, 0, 0, cx, cy, hdcTemp, 0, 0, SRCCOPY);
            // Pixels of the transparent colour become 1 in the mask.
            const COLORREF clrOldBk = SetBkColor(hdcTemp, clrTransparent);
            BitBlt(object, 0, 0, cx, cy, hdcTemp, 0, 0, SRCCOPY);
            SetBkColor(hdcTemp, clrOldBk);
            BitBlt(back, 0, 0, cx, cy, object, 0, 0, NOTSRCCOPY);

            BitBlt(work, 0, 0, cx, cy, hdc, x, y, SRCCOPY);
            BitBlt(work, 0, 0, cx, cy, object, 0, 0, SRCAND);
            BitBlt(hdcTemp, 0, 0, cx, cy, back, 0, 0, SRCAND);
            BitBlt(work, 0, 0, cx, cy, hdcTemp, 0, 0, SRCPAINT);
            BitBlt(hdc, x, y, cx, cy, work, 0, 0, SRCCOPY);
            // The caller's bitmap is given back unchanged.
            BitBlt(hdcTemp, 0, 0, cx, cy, save, 0, 0, SRCCOPY);
        }
    }
    SelectObject(hdcTemp, hOldTemp);
    DeleteDC(hdcTemp);
}

BOOL TransparentStretchBlt(HDC hdcDest, int nXDest, int nYDest, int nWidthDest, int nHeightDest,
                           HDC hdcSrc, int nXSrc, int nYSrc, int nWidthSrc, int nHeightSrc,
                           COLORREF clrTransparent)
{
    CMemoryBitmapDC mask(hdcDest, CreateBitmap(nWidthSrc, nHeightSrc, 1, 1, nullptr));
    CMemoryBitmapDC color(hdcDest, CreateCompatibleBitmap(hdcDest, nWidthSrc, nHeightSrc));
    if (!mask.Ok() || !color.Ok())
        return FALSE;

    BitBlt(color, 0, 0, nWidthSrc, nHeightSrc, hdcSrc, nXSrc, nYSrc, SRCCOPY);
    SetBkColor(color, clrTransparent);
    BitBlt(mask, 0, 0, nWidthSrc, nHeightSrc, color, 0, 0, SRCCOPY);
    // The mask's 1 bits arrive as the background colour (the transparent one): XOR makes those
    // pixels black, so the final SRCINVERT leaves the destination there as it was.
    BitBlt(color, 0, 0, nWidthSrc, nHeightSrc, mask, 0, 0, SRCINVERT);

    const COLORREF clrOldText = SetTextColor(hdcDest, RGB(0, 0, 0));
    const COLORREF clrOldBk = SetBkColor(hdcDest, RGB(255, 255, 255));
    if (nWidthDest == nWidthSrc && nHeightDest == nHeightSrc) {
        BitBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, mask, 0, 0, SRCAND);
        BitBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, color, 0, 0, SRCINVERT);
    } else {
        StretchBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, mask, 0, 0, nWidthSrc,
                   nHeightSrc, SRCAND);
        StretchBlt(hdcDest, nXDest, nYDest, nWidthDest, nHeightDest, color, 0, 0, nWidthSrc,
                   nHeightSrc, SRCINVERT);
    }
    SetTextColor(hdcDest, clrOldText);
    SetBkColor(hdcDest, clrOldBk);
    return TRUE;
}

BOOL IsNearPoint(POINT a, POINT b)
{
    return (std::abs(a.x - b.x) <= 2 && std::abs(a.y - b.y) <= 2) ? TRUE : FALSE;
}

int HasWindowStyle(HWND hWnd)
{
    return (GetWindowLongW(hWnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
}

BOOL IsImageFileValid(LPCTSTR pszPath)
{
    if (pszPath == nullptr || *pszPath == L'\0')
        return FALSE;
    Gdiplus::Image image(pszPath);
    return image.GetLastStatus() == Gdiplus::Ok ? TRUE : FALSE;
}

void StretchBitmap(CDC* pDC, UINT nId, const CRect& rcDest, int cxSource, int cySource)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nId))
        return;
    BITMAP bm = {};
    bitmap.GetBitmap(&bm);
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    CBitmap* pOld = mem.SelectObject(&bitmap);
    pDC->SetStretchBltMode(COLORONCOLOR);
    pDC->StretchBlt(rcDest.left, rcDest.top, rcDest.Width(), rcDest.Height(), &mem, 0, 0,
                    cxSource ? cxSource : bm.bmWidth, cySource ? cySource : bm.bmHeight, SRCCOPY);
    mem.SelectObject(pOld);
}
