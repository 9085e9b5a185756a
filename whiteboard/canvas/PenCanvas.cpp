#include "whiteboard/canvas/PenCanvas.h"

#include <algorithm>
#include <vector>

#include "ui/skin/ImageSave.h"
#include "whiteboard/LayerPaintFrame.h"
#include "whiteboard/MMFigure.h"
#include "whiteboard/SvgDocument.h"

namespace {
const int kEraserHalf = 5;

}  // namespace

CPenCanvas::CPenCanvas(CWnd* pOwner, const RECT& rc) : m_pOwner(pOwner), m_rc(rc), m_pStrokes(&m_ownStrokes)
{
    CreateBuffer();
}

CPenCanvas::~CPenCanvas()
{
    delete m_pCurrent;
    RemoveAllStrokes();
    ReleaseBuffer();
}

void CPenCanvas::CreateBuffer()
{
    HWND owner = m_pOwner ? m_pOwner->GetSafeHwnd() : nullptr;
    HDC dc = ::GetDC(owner);
    m_memDC = ::CreateCompatibleDC(dc);
    m_hBitmap = ::CreateCompatibleBitmap(dc, std::max(1L, m_rc.right - m_rc.left), std::max(1L, m_rc.bottom - m_rc.top));
    m_hOldBitmap = ::SelectObject(m_memDC, m_hBitmap);
    ::ReleaseDC(owner, dc);
}

void CPenCanvas::ReleaseBuffer()
{
    if (m_memDC) {
        ::SelectObject(m_memDC, m_hOldBitmap);
        ::DeleteDC(m_memDC);
        m_memDC = nullptr;
    }
    if (m_hBitmap) {
        ::DeleteObject(m_hBitmap);
        m_hBitmap = nullptr;
    }
}

void CPenCanvas::Resize(const RECT& rc)
{
    m_rc = rc;
    ReleaseBuffer();
    CreateBuffer();
}

void CPenCanvas::Notify()
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->PostMessage(WM_PEN_CANVAS_CHANGED, 1, 0);
}

void CPenCanvas::OnLButtonDown(POINT point)
{
    if (point.x < m_rc.left || point.x >= m_rc.right || point.y < m_rc.top || point.y >= m_rc.bottom)
        return;
    if (m_pOwner && m_pOwner->GetSafeHwnd()) {
        m_pOwner->SetFocus();
        m_pOwner->SetCapture();
    }
    m_bDrawing = 1;
    m_ptStart = m_ptLast = point;
}

void CPenCanvas::OnMouseMove(POINT point)
{
    if (!m_bDrawing)
        return;
    m_nTool = (m_bPaletteOption && m_pPalette) ? m_pPalette->GetToolMode() : 1;
    const Gdiplus::PointF relative((float)(point.x - m_rc.left), (float)(point.y - m_rc.top));
    if (m_nTool == 1 || m_nTool == 2) {
        if (m_pCurrent) {
            if (m_pCurrent->GetFigureType() == 0)
                m_pCurrent->AddPoint(relative);
            else
                m_pCurrent->SetLastPoint(relative);
        } else {
            if (m_bPaletteOption && m_pPalette) {
                m_nColor = m_pPalette->GetColor();
                m_nWidth = m_pPalette->GetThickness();
                m_nFigureType = m_pPalette->GetLineType() - 1;
            } else {
                m_nColor = 0;
                m_nWidth = 2;
                m_nFigureType = 0;
            }
            m_fOpacity = m_nTool == 1 ? 1.0f : 0.5f;
            if (m_fOpacity < 1.0f)
                m_nWidth = (int)(m_nWidth * 2.5 + 1);
            const Gdiplus::PointF start((float)(m_ptStart.x - m_rc.left), (float)(m_ptStart.y - m_rc.top));
            m_pCurrent = new CMMFigure(start, relative, m_nColor, m_nWidth, m_nFigureType, m_fOpacity, CString());
        }
        ShowOverMemory(m_pCurrent, nullptr);
    } else if (m_nTool == 3) {
        EraseAt(POINT{point.x - m_rc.left, point.y - m_rc.top});
    }
    m_ptLast = point;
}

void CPenCanvas::EraseAt(POINT p)
{
    const RECT box = {p.x - kEraserHalf, p.y - kEraserHalf, p.x + kEraserHalf, p.y + kEraserHalf};
    ShowOverMemory(nullptr, &box);
    const Gdiplus::PointF a((float)box.left, (float)box.top), b((float)box.right, (float)box.bottom);
    BOOL removed = FALSE;
    POSITION pos = m_pStrokes->GetHeadPosition();
    while (pos) {
        POSITION at = pos;
        CMMFigure* figure = static_cast<CMMFigure*>(m_pStrokes->GetNext(pos));
        if (figure && figure->HitTestRect(a, b, figure->GetFigureType())) {
            m_pStrokes->RemoveAt(at);
            delete figure;
            removed = TRUE;
        }
    }
    if (removed) {
        m_bModified = 1;
        if (m_pOwner && m_pOwner->GetSafeHwnd())
            m_pOwner->InvalidateRect(&m_rc, TRUE);
        Notify();
    }
}

void CPenCanvas::OnLButtonUp(POINT point)
{
    if (!m_bDrawing)
        return;
    m_bDrawing = 0;
    m_ptStart = m_ptLast = POINT{0, 0};
    if (m_pOwner && ::GetCapture() == m_pOwner->GetSafeHwnd())
        ::ReleaseCapture();
    if (m_pCurrent) {
        if (m_pCurrent->GetFigureType() >= 1 && m_pCurrent->GetFigureType() <= 5)
            m_pCurrent->SetLastPoint(Gdiplus::PointF((float)(point.x - m_rc.left), (float)(point.y - m_rc.top)));
        m_pStrokes->AddTail(m_pCurrent);
        m_pCurrent = nullptr;
        m_bModified = 1;
        Notify();
    }
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        m_pOwner->InvalidateRect(&m_rc, TRUE);
}

void CPenCanvas::ShowOverMemory(const CMMFigure* figure, const RECT* eraser)
{
    if (!m_pOwner || !m_pOwner->GetSafeHwnd())
        return;
    const int w = m_rc.right - m_rc.left, h = m_rc.bottom - m_rc.top;
    HDC dc = ::GetDC(m_pOwner->GetSafeHwnd());
    HDC scratch = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ old = ::SelectObject(scratch, bitmap);
    ::BitBlt(scratch, 0, 0, w, h, m_memDC, 0, 0, SRCCOPY);
    if (figure) {
        Gdiplus::Graphics graphics(scratch);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        figure->Draw(graphics, figure->GetFigureType());
    }
    if (eraser) {
        RECT frame = *eraser;
        ::DrawEdge(scratch, &frame, EDGE_RAISED, BF_RECT);
        HBRUSH brush = ::CreateSolidBrush(RGB(0, 198, 255));
        ::FrameRect(scratch, &frame, brush);
        ::DeleteObject(brush);
    }
    ::BitBlt(dc, m_rc.left, m_rc.top, w, h, scratch, 0, 0, SRCCOPY);
    ::SelectObject(scratch, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(scratch);
    ::ReleaseDC(m_pOwner->GetSafeHwnd(), dc);
}

void CPenCanvas::Draw(CDC* pDC)
{
    HDC dc = pDC->GetSafeHdc();
    const int w = m_rc.right - m_rc.left, h = m_rc.bottom - m_rc.top;
    ::BitBlt(m_memDC, 0, 0, w, h, dc, m_rc.left, m_rc.top, SRCCOPY);
    {
        Gdiplus::Graphics graphics(m_memDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        POSITION pos = m_pStrokes->GetHeadPosition();
        while (pos) {
            const CMMFigure* figure = static_cast<CMMFigure*>(m_pStrokes->GetNext(pos));
            if (figure)
                figure->Draw(graphics, figure->GetFigureType());
        }
    }
    ::BitBlt(dc, m_rc.left, m_rc.top, w, h, m_memDC, 0, 0, SRCCOPY);
}

BOOL CPenCanvas::Clear()
{
    m_bModified = 0;
    if (m_pStrokes->IsEmpty())
        return FALSE;
    RemoveAllStrokes();
    return TRUE;
}

void CPenCanvas::RemoveAllStrokes()
{
    while (!m_pStrokes->IsEmpty())
        delete static_cast<CMMFigure*>(m_pStrokes->RemoveTail());
}

CString CPenCanvas::ToSvg(const CPtrList& strokes) const
{
    std::vector<const CMMFigure*> list;
    POSITION pos = strokes.GetHeadPosition();
    while (pos)
        list.push_back(static_cast<const CMMFigure*>(strokes.GetNext(pos)));
    return SvgDocument::PenCanvasDocument(list, m_rc.right - m_rc.left, m_rc.bottom - m_rc.top);
}

int CPenCanvas::SaveAsPng(const CString& path) const
{
    // The picture is taken from the canvas' own copy of what was last painted, so it is the same
    // whether or not the window is visible on the screen.
    const int w = m_rc.right - m_rc.left, h = m_rc.bottom - m_rc.top;
    HDC copyDC = ::CreateCompatibleDC(m_memDC);
    HBITMAP copy = ::CreateCompatibleBitmap(m_memDC, std::max(1, w), std::max(1, h));
    HGDIOBJ old = ::SelectObject(copyDC, copy);
    ::BitBlt(copyDC, 0, 0, w, h, m_memDC, 0, 0, SRCCOPY);
    ::SelectObject(copyDC, old);
    ::DeleteDC(copyDC);
    int result = (int)Gdiplus::UnknownImageFormat;
    CLSID clsid;
    if (GetEncoderClsid(L"image/png", &clsid) >= 0) {
        Gdiplus::Bitmap bitmap(copy, nullptr);
        result = (int)bitmap.Save(path, &clsid, nullptr);
    }
    ::DeleteObject(copy);
    return result;
}
