#include "ui/controls/xSkinButton.h"

#include "core/DrawHelpers.h"

#include <algorithm>

namespace {

const COLORREF kMaskKey = RGB(255, 0, 255);
const UINT kTextFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

CSize BitmapSize(HBITMAP hBitmap)
{
    BITMAP info = {};
    if (!hBitmap || !::GetObjectW(hBitmap, sizeof(info), &info))
        return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight);
}

// A memory DC with a bitmap selected for the life of the object.
class CSelectedBitmap {
public:
    CSelectedBitmap(CDC* pLike, HBITMAP hBitmap)
    {
        m_dc.CreateCompatibleDC(pLike);
        m_hOld = m_dc.SelectObject(hBitmap);
    }
    ~CSelectedBitmap() { m_dc.SelectObject(m_hOld); }
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return &m_dc; }

private:
    CDC m_dc;
    HGDIOBJ m_hOld;
};

} // namespace

BEGIN_MESSAGE_MAP(CxSkinButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_MOUSELEAVE()
    ON_MESSAGE(WM_SKINBUTTON_UNCHECK, &CxSkinButton::OnUncheck)
    ON_MESSAGE(BM_SETCHECK, &CxSkinButton::OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, &CxSkinButton::OnGetCheck)
END_MESSAGE_MAP()

CxSkinButton::CxSkinButton()
    : m_clrText(::GetSysColor(COLOR_BTNTEXT)), m_clrFace(::GetSysColor(COLOR_BTNFACE))
{
}

CxSkinButton::~CxSkinButton()
{
    // The window region belongs to the window; the bitmaps, fonts and tooltip go with their
    // members.
    if (m_toolTip.m_hWnd)
        m_toolTip.DestroyWindow();
}

void CxSkinButton::PreSubclassWindow()
{
    m_nKind = SkinButtonKindFromStyle(GetStyle());
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

void CxSkinButton::SetSkin(UINT nNormal, UINT nPressed, UINT nHover, UINT nDisabled, UINT nFocus, UINT nMask,
                           short nDrawMode, short nBorder, short /*nMargin*/)
{
    for (CBitmap& bitmap : m_bitmaps)
        bitmap.DeleteObject();
    if (nNormal)
        m_bitmaps[SKINPIC_NORMAL].LoadBitmap(nNormal);
    if (nPressed)
        m_bitmaps[SKINPIC_PRESSED].LoadBitmap(nPressed);
    if (nHover)
        m_bitmaps[SKINPIC_HOVER].LoadBitmap(nHover);
    if (nFocus)
        m_bitmaps[SKINPIC_FOCUS].LoadBitmap(nFocus);
    if (nDisabled)
        m_bitmaps[SKINPIC_DISABLED].LoadBitmap(nDisabled);
    else if (nNormal)
        m_bitmaps[SKINPIC_DISABLED].LoadBitmap(nNormal);
    m_nDrawMode = ClampSkinDrawMode(nDrawMode);
    m_nBorder = nBorder;
    m_nFocusRectMargin = 0;
    if (nMask && m_bitmaps[SKINPIC_MASK].LoadBitmap(nMask)) {
        HRGN hRgn = CreateRgnFromBitmap(m_bitmaps[SKINPIC_MASK], kMaskKey);
        if (hRgn) {
            // The window owns the region from here on and frees the one it replaces.
            if (m_hWnd && SetWindowRgn(hRgn, TRUE))
                m_hRgn = hRgn;
            else
                ::DeleteObject(hRgn);
        }
        if (m_nDrawMode == SKINDRAW_STRETCH && m_hWnd) {
            const CSize size = BitmapSize(m_bitmaps[SKINPIC_MASK]);
            SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        }
    }
}

void CxSkinButton::SetHeld(BOOL bHeld)
{
    m_nHeld = bHeld;
    Invalidate(TRUE);
}

void CxSkinButton::SetToolTipText(const CString& strText)
{
    if (m_toolTip.m_hWnd) {
        m_toolTip.UpdateTipText(strText, this, 0);
        return;
    }
    if (m_toolTip.Create(this, 0) && m_toolTip.AddTool(this, strText, nullptr, 0))
        m_toolTip.Activate(TRUE);
    if (m_toolTip.m_hWnd)
        m_toolTip.SetMaxTipWidth(160);
}

void CxSkinButton::SetToolTipColor(COLORREF clrText, COLORREF clrBack)
{
    if (!m_toolTip.m_hWnd)
        return;
    m_toolTip.SetTipTextColor(clrText);
    m_toolTip.SetTipBkColor(clrBack);
}

COLORREF CxSkinButton::SetTextColor(COLORREF clrText)
{
    const COLORREF previous = m_clrText;
    m_clrText = clrText;
    return previous;
}

void CxSkinButton::SetAppFont()
{
    CClientDC dc(this);
    m_font.DeleteObject();
    m_font.CreateFont(-MulDiv(GetDefaultFontSize(), dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                      FALSE, FALSE, HANGUL_CHARSET, 0, 0, 0, FF_SWISS, GetDefaultFontName());
    SetFont(&m_font, TRUE);
}

void CxSkinButton::SelectTextFont(CDC* pDC)
{
    LOGFONT lf = {};
    HFONT hCurrent = (HFONT)SendMessage(WM_GETFONT);
    if (!hCurrent || !::GetObjectW(hCurrent, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    const CString face = GetDefaultFontName();
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    lf.lfWeight = FW_NORMAL;
    lf.lfHeight = -MulDiv(GetDefaultFontSize() - 1, pDC->GetDeviceCaps(LOGPIXELSY), 72);
    // The previous font may still be selected in another DC: swap it only after selecting.
    CFont font;
    if (!font.CreateFontIndirect(&lf))
        return;
    pDC->SelectObject(&font);
    m_textFont.DeleteObject();
    m_textFont.Attach(font.Detach());
}

int CxSkinButton::CancelTracking()
{
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bTracking = FALSE;
    return 0;
}

bool CxSkinButton::IsPointOverMe(CPoint ptClient) const
{
    CPoint pt = ptClient;
    ClientToScreen(&pt);
    return ::WindowFromPoint(pt) == m_hWnd;
}

void CxSkinButton::RelayEvent(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_toolTip.m_hWnd)
        return;
    MSG msg = {};
    msg.hwnd = m_hWnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = 0;
    msg.pt.x = LOWORD(lParam);
    msg.pt.y = HIWORD(lParam);
    m_toolTip.RelayEvent(&msg);
}

void CxSkinButton::ToggleForKind()
{
    if (m_nKind == SKINBUTTON_CHECKBOX)
        SendMessage(BM_SETCHECK, !m_bChecked);
    else if (m_nKind == SKINBUTTON_RADIO)
        SendMessage(BM_SETCHECK, 1);
}

BOOL CxSkinButton::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CxSkinButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nHeld)
        return;
    RelayEvent(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
    if (m_bHover) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_CANCEL | TME_LEAVE, m_hWnd, 0};
        if (::TrackMouseEvent(&tme))
            m_bHover = FALSE;
    }
    Default();
    m_bTracking = TRUE;
}

void CxSkinButton::OnMouseMove(UINT nFlags, CPoint point)
{
    RelayEvent(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
    if (m_bTracking && ::GetCapture() == m_hWnd) {
        const bool bOver = IsPointOverMe(point);
        const bool bPushed = (GetState() & BST_PUSHED) != 0;
        if (bOver != bPushed) {
            SetState(bOver);
            Invalidate(TRUE);
        }
    } else if (!m_bHover) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        if (::TrackMouseEvent(&tme)) {
            m_bHover = TRUE;
            Invalidate(TRUE);
        }
    }
    Default();
}

void CxSkinButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nHeld)
        return;
    if (m_nKind != SKINBUTTON_PUSH && IsPointOverMe(point))
        ToggleForKind();
    RelayEvent(WM_LBUTTONUP, nFlags, MAKELPARAM(point.x, point.y));
    m_bTracking = FALSE;
    Default();
}

void CxSkinButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A double click counts as a second click.
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CxSkinButton::OnKillFocus(CWnd*)
{
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
        m_bTracking = FALSE;
    }
    Default();
}

void CxSkinButton::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_SPACE && m_nKind != SKINBUTTON_PUSH)
        ToggleForKind();
    Default();
}

void CxSkinButton::RefreshHover()
{
    if (!::IsWindow(m_hWnd))
        return;
    // A press whose release the loop took (Escape closing the menu) leaves the button pushed:
    // nobody holds it any more.
    if (::GetCapture() != m_hWnd && (GetState() & BST_PUSHED)) {
        m_bTracking = FALSE;
        SetState(FALSE);
        Invalidate(TRUE);
    }
    POINT pt;
    const bool bOver = ::GetCursorPos(&pt) && ::WindowFromPoint(pt) == m_hWnd;
    if (bOver == (m_bHover != FALSE))
        return;
    TRACKMOUSEEVENT tme = {sizeof(tme), DWORD(bOver ? TME_LEAVE : TME_CANCEL | TME_LEAVE), m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    m_bHover = bOver ? TRUE : FALSE;
    Invalidate(TRUE);
}

void CxSkinButton::OnMouseLeave()
{
    m_bHover = FALSE;
    Invalidate(TRUE);
}

LRESULT CxSkinButton::OnUncheck(WPARAM, LPARAM)
{
    if (m_nKind == SKINBUTTON_RADIO && m_bChecked) {
        m_bChecked = false;
        Invalidate(TRUE);
    }
    return 0;
}

LRESULT CxSkinButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    m_bChecked = m_nKind != SKINBUTTON_PUSH && wParam != 0;
    Invalidate(TRUE);
    return 0;
}

LRESULT CxSkinButton::OnGetCheck(WPARAM, LPARAM)
{
    return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

void CxSkinButton::FillFace(CDC* pDC, const RECT& rc)
{
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
}

void CxSkinButton::DrawPictureOrFace(CDC* pDC, SkinButtonPicture n, const RECT& rc)
{
    if (n == SKINPIC_FACE)
        FillFace(pDC, rc);
    else
        DrawBitmap(pDC, m_bitmaps[n], rc, m_nDrawMode);
}

void CxSkinButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const UINT state = lpDIS->itemState;
    CRect rc(lpDIS->rcItem);

    // While the button is held down, its pushed look follows the pointer across its edge.
    POINT cursor;
    if (m_bTracking && ::GetCapture() == m_hWnd && ::GetCursorPos(&cursor)) {
        const bool bPushed = (GetState() & BST_PUSHED) != 0;
        const bool bOver = ::WindowFromPoint(cursor) == m_hWnd;
        if (bOver && !bPushed) {
            SetState(TRUE);
            return;
        }
        if (!bOver && bPushed) {
            SetState(FALSE);
            return;
        }
    }

    CString text;
    GetWindowText(text);
    CRect rcText = rc;
    rcText.DeflateRect(m_nFocusRectMargin + 2, 0);

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOldText = pDC->GetTextColor();
    HGDIOBJ hOldFont = nullptr;
    if (HFONT hFont = (HFONT)SendMessage(WM_GETFONT))
        hOldFont = pDC->SelectObject(hFont);
    pDC->FillSolidRect(&rc, m_clrFace);

    SKINBUTTON_LOOK look;
    look.nItemState = state;
    look.bHeld = m_nHeld != 0;
    look.bChecked = m_bChecked;
    look.bHover = m_bHover;
    for (int i = 0; i < SKINPIC_COUNT; ++i)
        look.bHas[i] = m_bitmaps[i].m_hObject != nullptr;
    DrawPictureOrFace(pDC, ChooseSkinButtonPicture(look), rc);

    if (IsSkinButtonDisabledLook(look)) {
        if (m_nBorder)
            pDC->DrawEdge(&rc, EDGE_RAISED, BF_RECT);
        // Embossed grey text.
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        if (m_bChecked)
            rcText.OffsetRect(1, 1);
        pDC->DrawText(text, &rcText, kTextFlags);
        pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
        rcText.OffsetRect(-1, -1);
        pDC->DrawText(text, &rcText, kTextFlags);
    } else {
        if (IsSkinButtonPressedLook(look)) {
            rcText.OffsetRect(1, 1);
            if (m_nBorder)
                pDC->DrawEdge(&rc, EDGE_SUNKEN, BF_RECT);
        } else if (m_nBorder) {
            pDC->DrawEdge(&rc, EDGE_RAISED, BF_RECT);
        }
        if ((state & ODS_FOCUS) && m_nFocusRectMargin > 0) {
            CRect rcFocus = rc;
            rcFocus.DeflateRect(m_nFocusRectMargin, m_nFocusRectMargin);
            pDC->DrawFocusRect(&rcFocus);
        }
        pDC->SetTextColor(m_clrText);
        CRect rcInner = rcText;
        rcInner.left += m_nTextMarginLeft;
        rcInner.right -= m_nTextMarginRight;
        pDC->DrawText(text, &rcInner, m_nTextFormat | DT_VCENTER | DT_SINGLELINE);
    }

    if (hOldFont)
        pDC->SelectObject(hOldFont);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
}

void CxSkinButton::TileBitmap(CDC* pDC, HBITMAP hBitmap, const RECT& rc)
{
    const CSize size = BitmapSize(hBitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    CSelectedBitmap source(pDC, hBitmap);
    for (int y = rc.top; y < rc.bottom; y += size.cy) {
        for (int x = rc.left; x < rc.right; x += size.cx) {
            const int w = std::min<int>(size.cx, rc.right - x);
            const int h = std::min<int>(size.cy, rc.bottom - y);
            pDC->BitBlt(x, y, w, h, source.Get(), 0, 0, SRCCOPY);
        }
    }
}

void CxSkinButton::DrawBitmap(CDC* pDC, HBITMAP hBitmap, RECT rc, short nDrawMode)
{
    if (nDrawMode == SKINDRAW_TILE) {
        TileBitmap(pDC, hBitmap, rc);
        return;
    }
    if (!hBitmap)
        return;
    const int w = rc.right - rc.left;
    const int h = rc.bottom - rc.top;
    const CSize size = BitmapSize(hBitmap);
    CSelectedBitmap picture(pDC, hBitmap);
    const bool bRight = nDrawMode == SKINDRAW_STRETCH_RIGHT;

    if (!m_bitmaps[SKINPIC_MASK].m_hObject) {
        if (nDrawMode == SKINDRAW_NATURAL)
            pDC->BitBlt(rc.left, rc.top, w, h, picture.Get(), 0, 0, SRCCOPY);
        else
            pDC->StretchBlt(bRight ? rc.right - size.cx : rc.left, rc.top, bRight ? size.cx : w, h, picture.Get(),
                            0, 0, size.cx, size.cy, SRCCOPY);
        return;
    }

    // Through the mask (black where the picture shows): what lies under the button is kept
    // outside it.
    CSelectedBitmap mask(pDC, m_bitmaps[SKINPIC_MASK]);
    CDC work;
    work.CreateCompatibleDC(pDC);
    CBitmap surface;
    surface.CreateCompatibleBitmap(pDC, w, h);
    CBitmap* pOld = work.SelectObject(&surface);
    work.BitBlt(0, 0, w, h, pDC, rc.left, rc.top, SRCCOPY);
    if (nDrawMode == SKINDRAW_NATURAL) {
        work.BitBlt(0, 0, w, h, picture.Get(), 0, 0, SRCINVERT);
        work.BitBlt(0, 0, w, h, mask.Get(), 0, 0, SRCAND);
        work.BitBlt(0, 0, w, h, picture.Get(), 0, 0, SRCINVERT);
    } else {
        const int x = bRight ? w - size.cx : 0;
        work.StretchBlt(x, 0, w, h, picture.Get(), 0, 0, size.cx, size.cy, SRCINVERT);
        work.StretchBlt(x, 0, w, h, mask.Get(), 0, 0, size.cx, size.cy, SRCAND);
        work.StretchBlt(x, 0, w, h, picture.Get(), 0, 0, size.cx, size.cy, SRCINVERT);
    }
    pDC->BitBlt(rc.left, rc.top, w, h, &work, 0, 0, SRCCOPY);
    work.SelectObject(pOld);
}

HRGN CxSkinButton::CreateRgnFromBitmap(HBITMAP hBitmap, COLORREF clrKey)
{
    if (!hBitmap)
        return nullptr;
    HDC hdcButton = ::GetDC(m_hWnd);
    if (!hdcButton)
        return nullptr;
    CSelectedBitmap source(CDC::FromHandle(hdcButton), hBitmap);
    const CSize size = BitmapSize(hBitmap);
    CDC* pSource = source.Get();
    const std::vector<RECT> runs =
        CollectOpaqueRuns(size.cx, size.cy, clrKey, [&](int x, int y) { return pSource->GetPixel(x, y); });
    ::ReleaseDC(m_hWnd, hdcButton);
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    for (const RECT& r : runs) {
        HRGN hRun = ::CreateRectRgnIndirect(&r);
        ::CombineRgn(hRgn, hRgn, hRun, RGN_OR);
        ::DeleteObject(hRun);
    }
    return hRgn;
}
