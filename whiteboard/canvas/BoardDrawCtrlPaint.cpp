// Painting of the canvas: a back buffer of the client area redrawn only when the view or the page
// changed, the page image scaled once per page and size, the layers of the board view, the memo
// banner, the presenter's pointer, and the quick paths of a stroke or eraser being dragged.
#include "whiteboard/canvas/BoardDrawCtrl.h"

#include <algorithm>
#include <cstdio>

#include "platform/ResourceHandle.h"
#include "resources/resource.h"
#include "whiteboard/LayerPaintFrame.h"
#include "whiteboard/PagePicture.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"

namespace {
const COLORREF kBackground = RGB(246, 247, 251);
const int kBannerHeight = 50;
// The memo banner sits above the presenter's toolbar while that is open.
const int kBannerRaise = 28;
const UINT kMemoBannerBitmap = 515;

// The application's face, bold, two points above its 10-point size.
HFONT BannerFont()
{
    LOGFONTW lf = {};
    HDC screen = ::GetDC(nullptr);
    lf.lfHeight = -::MulDiv(12, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    wcscpy(lf.lfFaceName, L"\xB9D1\xC740 \xACE0\xB515");  // Malgun Gothic
    return ::CreateFontIndirectW(&lf);
}

// A "png" resource of the language library as a bitmap of its own (null when missing).
Gdiplus::Bitmap* LoadPngResource(UINT id)
{
    HINSTANCE module = AfxGetResourceHandle();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!found)
        return nullptr;
    const DWORD size = ::SizeofResource(module, found);
    const void* data = ::LockResource(::LoadResource(module, found));
    if (!data || !size)
        return nullptr;
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    memcpy(::GlobalLock(copy), data, size);
    ::GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (::CreateStreamOnHGlobal(copy, TRUE, &stream) != S_OK) {
        ::GlobalFree(copy);
        return nullptr;
    }
    Gdiplus::Bitmap* result = nullptr;
    {
        // The decoded picture reads its stream as long as it lives: a copy of its own is kept.
        Gdiplus::Bitmap decoded(stream);
        if (decoded.GetLastStatus() == Gdiplus::Ok) {
            result = new Gdiplus::Bitmap((INT)decoded.GetWidth(), (INT)decoded.GetHeight(), PixelFormat32bppARGB);
            Gdiplus::Graphics graphics(result);
            graphics.DrawImage(&decoded, 0, 0, (INT)decoded.GetWidth(), (INT)decoded.GetHeight());
        }
    }
    stream->Release();
    return result;
}

CString LoadText(UINT id, const wchar_t* fallback)
{
    wchar_t buffer[256] = {0};
    if (::LoadStringW(AfxGetResourceHandle(), id, buffer, 256) > 0)
        return CString(buffer);
    return CString(fallback);
}
}  // namespace

BOOL CBoardDrawCtrl::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

void CBoardDrawCtrl::ReleaseBackBuffer()
{
    if (m_baseDC) {
        ::SelectObject(m_baseDC, m_hOldBase);
        ::DeleteDC(m_baseDC);
        m_baseDC = nullptr;
    }
    if (m_hBaseBitmap) {
        ::DeleteObject(m_hBaseBitmap);
        m_hBaseBitmap = nullptr;
    }
    if (m_memDC) {
        ::SelectObject(m_memDC, m_hOldBitmap);
        ::DeleteDC(m_memDC);
        m_memDC = nullptr;
    }
    if (m_hBackBitmap) {
        ::DeleteObject(m_hBackBitmap);
        m_hBackBitmap = nullptr;
    }
    if (m_hPageBitmap && !m_spPagePicture)
        ::DeleteObject(m_hPageBitmap);
    m_hPageBitmap = nullptr;
    m_spPagePicture.reset();
    m_pPageBitmapOf = nullptr;
    m_pPageBitmapStream = nullptr;
    m_szBack = SIZE{0, 0};
}

void CBoardDrawCtrl::OnPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT rcClient;
    GetClientRect(&rcClient);
    const std::shared_ptr<CMMPage> page = GetPage();
    if (!page || !m_view.HasImage()) {
        // Without the page's image the loading indicator covers the canvas.
        HBRUSH brush = ::CreateSolidBrush(kBackground);
        ::FillRect(dc, &rcClient, brush);
        ::DeleteObject(brush);
        ::EndPaint(m_hWnd, &ps);
        return;
    }
    if (m_bDirty || !m_memDC || m_szBack.cx != rcClient.right || m_szBack.cy != rcClient.bottom) {
        // The view or the page changed: the base picture is made again.
        EnsureBuffers(dc, rcClient);
        PaintBase(rcClient);
        Compose(rcClient);
    } else if (m_bLiveDirty) {
        // Only live strokes grew: finished ones join the base, the growing ones are drawn over it.
        if (!AdvanceBase())
            PaintBase(rcClient);
        Compose(rcClient);
    }
    m_bDirty = m_bLiveDirty = FALSE;
    ::BitBlt(dc, 0, 0, rcClient.right, rcClient.bottom, m_memDC, 0, 0, SRCCOPY);
    if (m_bFingerPointer) {
        // The finger pointer above the finger.
        if (Gdiplus::Bitmap* picture = PointerPicture(m_nPointerSize, m_nPointerColor)) {
            Gdiplus::Graphics graphics(dc);
            graphics.DrawImage(picture, (INT)(m_ptFinger.x - picture->GetWidth() / 2),
                               (INT)(m_ptFinger.y - picture->GetHeight() / 2));
        }
    }
    ::EndPaint(m_hWnd, &ps);
}

void CBoardDrawCtrl::PreparePageBackground()
{
    // The page image is decoded once per page (and image), at its own size; each repaint only
    // scales the visible part of it.
    const std::shared_ptr<CMMPage> page = GetPage();
    if (m_pPageBitmapOf == page.get() && m_pPageBitmapStream == page->GetImageStream())
        return;
    if (m_hPageBitmap && !m_spPagePicture)
        ::DeleteObject(m_hPageBitmap);
    m_hPageBitmap = nullptr;
    m_spPagePicture.reset();
    m_pPageBitmapOf = page.get();
    m_pPageBitmapStream = page->GetImageStream();
    m_szPageBitmap = SIZE{0, 0};
    if (!m_pPageBitmapStream)
        return;
    // Decoded ahead, off this thread: the turn only scales it.
    if (const std::shared_ptr<const CPagePicture> picture = page->GetPicture()) {
        m_spPagePicture = picture;
        m_hPageBitmap = picture->Bitmap();
        m_szPageBitmap = SIZE{picture->Width(), picture->Height()};
        return;
    }
    LARGE_INTEGER zero = {};
    m_pPageBitmapStream->Seek(zero, STREAM_SEEK_SET, nullptr);
    Gdiplus::Bitmap image(m_pPageBitmapStream);
    if (image.GetLastStatus() != Gdiplus::Ok)
        return;
    const SIZE size = {(LONG)image.GetWidth(), (LONG)image.GetHeight()};
    HDC screen = ::GetDC(nullptr);
    m_hPageBitmap = ::CreateCompatibleBitmap(screen, size.cx, size.cy);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, m_hPageBitmap);
    {
        Gdiplus::Graphics graphics(dc);
        graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
        graphics.DrawImage(&image, 0, 0, size.cx, size.cy);
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    m_szPageBitmap = size;
}

void CBoardDrawCtrl::DrawFigureRange(HDC dc, const std::vector<std::shared_ptr<CMMFigure>>& figures, size_t from,
                                     size_t to)
{
    if (from >= to)
        return;
    const RECT& rc = m_view.Page();
    Gdiplus::Graphics graphics(dc);
    CLayerPaintFrame frame(graphics, rc.left, rc.top, rc.right, rc.bottom, m_view.Zoom());
    for (size_t i = from; i < to && i < figures.size(); ++i)
        if (figures[i])
            figures[i]->Draw(graphics, figures[i]->GetFigureType());
}

size_t CBoardDrawCtrl::SettledSharedCount(CMMPage& page)
{
    // Every figure before the one still growing is finished and can stay in the base picture.
    const auto& figures = page.m_sharedLayer.GetFigures();
    const std::shared_ptr<CMMFigure> current = page.GetCurrentFigure();
    for (size_t i = figures.size(); i > 0; --i)
        if (figures[i - 1] == current)
            return i - 1;
    return figures.size();
}

void CBoardDrawCtrl::PaintPageLayers(HDC dc)
{
    const std::shared_ptr<CMMPage> page = GetPage();
    const RECT& rc = m_view.Page();
    const float zoom = m_view.Zoom();
    m_nBaseShared = 0;
    m_pBaseLast = nullptr;
    switch (m_nBoardView) {
    case kViewThird:
        page->m_thirdLayer.Draw(dc, rc.left, rc.top, rc.right, rc.bottom, zoom);
        page->m_otherMemos.Draw(dc, rc.left, rc.top, rc.right, rc.bottom, zoom);
        break;
    case kViewOwn:
        page->m_ownLayer.Draw(dc, rc.left, rc.top, rc.right, rc.bottom, zoom);
        page->m_memos.Draw(dc, rc.left, rc.top, rc.right, rc.bottom, zoom);
        break;
    case kViewShared: {
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        const auto& figures = page->m_sharedLayer.GetFigures();
        m_nBaseShared = SettledSharedCount(*page);
        DrawFigureRange(dc, figures, 0, m_nBaseShared);
        m_pBaseLast = m_nBaseShared ? figures[m_nBaseShared - 1].get() : nullptr;
        break;
    }
    default:
        break;
    }
}

BOOL CBoardDrawCtrl::AdvanceBase()
{
    if (m_nBoardView != kViewShared)
        return TRUE;
    const std::shared_ptr<CMMPage> page = GetPage();
    std::lock_guard<std::recursive_mutex> guard(page->GetLock());
    const auto& figures = page->m_sharedLayer.GetFigures();
    // Figures were removed or replaced since the base was made: it is made again.
    if (figures.size() < m_nBaseShared || (m_nBaseShared && figures[m_nBaseShared - 1].get() != m_pBaseLast))
        return FALSE;
    const size_t settled = SettledSharedCount(*page);
    if (settled > m_nBaseShared) {
        DrawFigureRange(m_baseDC, figures, m_nBaseShared, settled);
        m_nBaseShared = settled;
        m_pBaseLast = figures[settled - 1].get();
    }
    return TRUE;
}

void CBoardDrawCtrl::EnsureBuffers(HDC dc, const RECT& rcClient)
{
    if (m_memDC && m_szBack.cx == rcClient.right && m_szBack.cy == rcClient.bottom)
        return;
    ReleaseBackBuffer();
    const int cx = std::max(1L, rcClient.right), cy = std::max(1L, rcClient.bottom);
    m_memDC = ::CreateCompatibleDC(dc);
    m_hBackBitmap = ::CreateCompatibleBitmap(dc, cx, cy);
    m_hOldBitmap = ::SelectObject(m_memDC, m_hBackBitmap);
    m_baseDC = ::CreateCompatibleDC(dc);
    m_hBaseBitmap = ::CreateCompatibleBitmap(dc, cx, cy);
    m_hOldBase = ::SelectObject(m_baseDC, m_hBaseBitmap);
    m_szBack = SIZE{rcClient.right, rcClient.bottom};
}

void CBoardDrawCtrl::PaintBase(const RECT& rcClient)
{
    HBRUSH brush = ::CreateSolidBrush(kBackground);
    ::FillRect(m_baseDC, &rcClient, brush);
    ::DeleteObject(brush);

    PreparePageBackground();
    const RECT& rcPage = m_view.Page();
    {
        // The frame around the page.
        Gdiplus::Graphics graphics(m_baseDC);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::Pen pen(Gdiplus::Color(255, 169, 169, 169), 1.0f);
        graphics.DrawRectangle(&pen, (INT)rcPage.left - 2, (INT)rcPage.top - 2, (INT)(rcPage.right - rcPage.left + 3),
                               (INT)(rcPage.bottom - rcPage.top + 3));
    }
    RECT rcVisible;
    const std::shared_ptr<const CPagePicture> fitted = GetPage()->GetFittedPicture();
    if (fitted && fitted->Width() == rcPage.right - rcPage.left && fitted->Height() == rcPage.bottom - rcPage.top
        && ::IntersectRect(&rcVisible, &rcPage, &rcClient)) {
        // Scaled ahead to this very size: the page is copied, not scaled.
        HDC src = ::CreateCompatibleDC(m_baseDC);
        HGDIOBJ old = ::SelectObject(src, fitted->Bitmap());
        ::BitBlt(m_baseDC, rcVisible.left, rcVisible.top, rcVisible.right - rcVisible.left,
                 rcVisible.bottom - rcVisible.top, src, rcVisible.left - rcPage.left, rcVisible.top - rcPage.top, SRCCOPY);
        ::SelectObject(src, old);
        ::DeleteDC(src);
    } else if (m_hPageBitmap && ::IntersectRect(&rcVisible, &rcPage, &rcClient)) {
        // The part of the image under the visible part of the page.
        const float scaleX = (float)m_szPageBitmap.cx / (float)std::max(1L, rcPage.right - rcPage.left);
        const float scaleY = (float)m_szPageBitmap.cy / (float)std::max(1L, rcPage.bottom - rcPage.top);
        const int sx = (int)((rcVisible.left - rcPage.left) * scaleX);
        const int sy = (int)((rcVisible.top - rcPage.top) * scaleY);
        const int sw = std::max(1, (int)((rcVisible.right - rcVisible.left) * scaleX));
        const int sh = std::max(1, (int)((rcVisible.bottom - rcVisible.top) * scaleY));
        HDC src = ::CreateCompatibleDC(m_baseDC);
        HGDIOBJ old = ::SelectObject(src, m_hPageBitmap);
        ::SetStretchBltMode(m_baseDC, HALFTONE);
        ::SetBrushOrgEx(m_baseDC, 0, 0, nullptr);
        ::StretchBlt(m_baseDC, rcVisible.left, rcVisible.top, rcVisible.right - rcVisible.left,
                     rcVisible.bottom - rcVisible.top, src, sx, sy, sw, sh, SRCCOPY);
        ::SelectObject(src, old);
        ::DeleteDC(src);
    }
    PaintPageLayers(m_baseDC);
}

void CBoardDrawCtrl::Compose(const RECT& rcClient)
{
    ::BitBlt(m_memDC, 0, 0, rcClient.right, rcClient.bottom, m_baseDC, 0, 0, SRCCOPY);
    if (m_nBoardView == kViewShared) {
        // The live strokes still growing, over the finished ones.
        const std::shared_ptr<CMMPage> page = GetPage();
        std::lock_guard<std::recursive_mutex> guard(page->GetLock());
        const auto& figures = page->m_sharedLayer.GetFigures();
        DrawFigureRange(m_memDC, figures, m_nBaseShared, figures.size());
    }

    if (m_mode == kMemo) {
        // The memo banner: its picture laid half transparent along the bottom (above the
        // presenter's toolbar while that is open), with the page's memo count.
        const std::shared_ptr<CMMPage> page = GetPage();
        const int top = rcClient.bottom - kBannerHeight - (m_bBarsShown ? kBannerRaise : 0);
        PaintMemoBanner(m_memDC, RECT{0, top, rcClient.right, top + kBannerHeight});
        CString text;
        if (page && !page->m_memos.IsEmpty()) {
            text.Format(LoadText(IDS_CANVAS_MEMO_COUNT, L"%d memo(s) on this page."), page->m_memos.GetCount());
        } else {
            text = LoadText(IDS_CANVAS_MEMO_HINT, L"Click the page to add a memo.");
        }
        RECT rcText = {rcClient.right / 2 - 250, top + 17, rcClient.right / 2 + 250, top + 40};
        ::SetBkMode(m_memDC, TRANSPARENT);
        ::SetTextColor(m_memDC, RGB(255, 255, 255));
        HFONT font = BannerFont();
        HGDIOBJ oldFont = ::SelectObject(m_memDC, font);
        ::DrawTextW(m_memDC, text, text.GetLength(), &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(m_memDC, oldFont);
        ::DeleteObject(font);
    }

    if (m_ptPointer.x > 0 && m_ptPointer.y > 0 && m_pHost && !m_pHost->IsPresenting() && m_pHost->IsPageSync()) {
        // The presenter's pointer: the picture of his pointer's size and colour.
        if (Gdiplus::Bitmap* picture = PointerPicture(m_nRemotePointerSize, m_nRemotePointerColor)) {
            Gdiplus::Graphics graphics(m_memDC);
            graphics.DrawImage(picture, (INT)(m_ptPointer.x - picture->GetWidth() / 2),
                               (INT)(m_ptPointer.y - picture->GetHeight() / 2));
        }
    }
}

void CBoardDrawCtrl::PaintMemoBanner(HDC dc, const RECT& rc)
{
    const int width = rc.right - rc.left, height = rc.bottom - rc.top;
    HBITMAP picture = (HBITMAP)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kMemoBannerBitmap), IMAGE_BITMAP,
                                            0, 0, LR_CREATEDIBSECTION);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 125, 0};
    if (picture) {
        BITMAP info = {};
        ::GetObjectW(picture, sizeof info, &info);
        HDC src = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(src, picture);
        ::AlphaBlend(dc, rc.left, rc.top, width, height, src, 0, 0, info.bmWidth, info.bmHeight, blend);
        ::SelectObject(src, old);
        ::DeleteDC(src);
        ::DeleteObject(picture);
    } else {
        Gdiplus::Graphics graphics(dc);
        Gdiplus::SolidBrush shade(Gdiplus::Color(125, 40, 40, 40));
        graphics.FillRectangle(&shade, (INT)rc.left, (INT)rc.top, width, height);
    }
}

UINT CBoardDrawCtrl::PointerPictureId(int size, int colour)
{
    size = std::max(1, std::min(3, size));
    colour = std::max(0, std::min(14, colour));
    switch (size) {
    case 1: return colour == 0 ? 902 : 934 + 2 * colour;
    case 2: return 874 + colour;
    default: return colour == 0 ? 901 : 933 + 2 * colour;
    }
}

UINT CBoardDrawCtrl::PointerCursorId(int size, int colour)
{
    size = std::max(1, std::min(3, size));
    colour = std::max(0, std::min(14, colour));
    switch (size) {
    case 1: return 906 + 2 * colour;
    case 2: return 853 + colour;
    default: return 905 + 2 * colour;
    }
}

Gdiplus::Bitmap* CBoardDrawCtrl::PointerPicture(int size, int colour)
{
    size = std::max(1, std::min(3, size));
    colour = std::max(0, std::min(14, colour));
    std::unique_ptr<Gdiplus::Bitmap>& slot = m_pointerPictures[size - 1][colour];
    if (!slot)
        slot.reset(LoadPngResource(PointerPictureId(size, colour)));
    return slot.get();
}

void CBoardDrawCtrl::ShowTempFigure(const POINT* preview)
{
    if (!m_spTempFigure || !m_hWnd)
        return;
    if (!m_memDC) {
        Redraw();
        return;
    }
    CMMFigure figure(*m_spTempFigure);
    if (preview)
        figure.AddPoint(m_view.ScreenToPage(*preview));
    HDC dc = ::GetDC(m_hWnd);
    HDC scratch = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = ::CreateCompatibleBitmap(dc, m_szBack.cx, m_szBack.cy);
    HGDIOBJ old = ::SelectObject(scratch, bitmap);
    ::BitBlt(scratch, 0, 0, m_szBack.cx, m_szBack.cy, m_memDC, 0, 0, SRCCOPY);
    {
        Gdiplus::Graphics graphics(scratch);
        const RECT& rc = m_view.Page();
        CLayerPaintFrame frame(graphics, rc.left, rc.top, rc.right, rc.bottom, m_view.Zoom());
        figure.Draw(graphics, figure.GetFigureType());
    }
    ::BitBlt(dc, 0, 0, m_szBack.cx, m_szBack.cy, scratch, 0, 0, SRCCOPY);
    ::SelectObject(scratch, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(scratch);
    ::ReleaseDC(m_hWnd, dc);
}

void CBoardDrawCtrl::ShowEraserBox(POINT point)
{
    if (!m_memDC || !m_hWnd)
        return;
    HDC dc = ::GetDC(m_hWnd);
    // Only the neighbourhood of the box changes: the old box is painted over from the back
    // buffer, the new one drawn on the window.
    RECT rcOld = {m_ptMouse.x - 7, m_ptMouse.y - 7, m_ptMouse.x + 8, m_ptMouse.y + 8};
    ::BitBlt(dc, rcOld.left, rcOld.top, 15, 15, m_memDC, rcOld.left, rcOld.top, SRCCOPY);
    HPEN pen = ::CreatePen(PS_SOLID, 1, m_clrLine);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, ::GetStockObject(HOLLOW_BRUSH));
    ::Rectangle(dc, point.x - 5, point.y - 5, point.x + 5, point.y + 5);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
    ::ReleaseDC(m_hWnd, dc);
}
