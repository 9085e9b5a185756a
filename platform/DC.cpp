#include "platform/DC.h"

#include "platform/UiState.h"
#include "platform/Wnd.h"

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC)
{
    if (!hDC) return nullptr;
    return zel::ThreadState().tempDCs.FindOrAdd(hDC, [hDC] {
        CDC* dc = new CDC;
        dc->m_hDC = dc->m_hAttribDC = hDC;
        return dc;
    });
}

BOOL CDC::Attach(HDC hDC)
{
    if (!hDC || m_hDC) return FALSE;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

CGdiObject* CDC::SelectGdiObject(CGdiObject* pObject)
{
    if (!pObject || !pObject->m_hObject) return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ stock = ::GetStockObject(nIndex);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT old = {};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return CPoint(old.x, old.y);
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return CPoint(point.x, point.y);
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT old = {};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return CPoint(old.x, old.y);
}

CPoint CDC::GetViewportOrg() const
{
    POINT point = {};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return CPoint(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT old = {};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &old);
    return CPoint(old.x, old.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT old = {};
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &old);
    return CPoint(old.x, old.y);
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE old = {};
    ::SetWindowExtEx(m_hDC, cx, cy, &old);
    return CSize(old.cx, old.cy);
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE old = {};
    ::SetViewportExtEx(m_hDC, cx, cy, &old);
    return CSize(old.cx, old.cy);
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return CSize(size.cx, size.cy);
}

// Sizes convert as distances: the difference of two converted points.
void CDC::LPtoDP(LPSIZE lpSize) const
{
    POINT points[2] = { { 0, 0 }, { lpSize->cx, lpSize->cy } };
    ::LPtoDP(m_hAttribDC, points, 2);
    lpSize->cx = points[1].x - points[0].x;
    lpSize->cy = points[1].y - points[0].y;
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    POINT points[2] = { { 0, 0 }, { lpSize->cx, lpSize->cy } };
    ::DPtoLP(m_hAttribDC, points, 2);
    lpSize->cx = points[1].x - points[0].x;
    lpSize->cy = points[1].y - points[0].y;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT old = {};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old.x, old.y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = { x, y, x + cx, y + cy };
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, (HBITMAP)pBitmap->GetSafeHandle(), nFlags, (HBRUSH)pBrush->GetSafeHandle());
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush)
{
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y,
                        size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return CSize(size.cx, size.cy);
}

int CDC::GetTextFace(CString& rString) const
{
    wchar_t face[LF_FACESIZE] = {};
    int length = ::GetTextFaceW(m_hAttribDC, LF_FACESIZE, face);
    rString = face;
    return length;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd())
{
    Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}
