#include <winsock2.h>

#include "whiteboard/tools/BoardNavigationDlg.h"

#include <algorithm>

#include "platform/DC.h"
#include "whiteboard/MMPage.h"
#include "whiteboard/canvas/BoardDrawCtrl.h"

BEGIN_MESSAGE_MAP(CBoardNavigationDlg, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

SIZE CBoardNavigationDlg::ThumbnailSize(int imageWidth, int imageHeight)
{
    if (imageWidth <= 0 || imageHeight <= 0)
        return SIZE{0, 0};
    if (imageWidth > imageHeight)
        return SIZE{kThumb, (LONG)((double)imageHeight * kThumb / imageWidth)};
    return SIZE{(LONG)((double)imageWidth * kThumb / imageHeight), kThumb};
}

RECT CBoardNavigationDlg::ViewRect(SIZE client, SIZE thumb, SIZE page, SIZE view, const POINT* offset)
{
    RECT rc = {0, 0, 0, 0};
    if (page.cx <= 0 || page.cy <= 0)
        return rc;
    const int width = std::min<int>(thumb.cx, (int)((LONGLONG)view.cx * thumb.cx / page.cx));
    const int height = std::min<int>(thumb.cy, (int)((LONGLONG)view.cy * thumb.cy / page.cy));
    const int originX = (client.cx - thumb.cx) / 2;
    const int originY = (client.cy - thumb.cy) / 2;
    if (offset) {
        rc.left = originX + (int)((LONGLONG)offset->x * thumb.cx / page.cx);
        rc.top = originY + (int)((LONGLONG)offset->y * thumb.cy / page.cy);
    } else {
        rc.left = originX + (thumb.cx - width) / 2;
        rc.top = originY + (thumb.cy - height) / 2;
    }
    rc.right = rc.left + width;
    rc.bottom = rc.top + height;
    return rc;
}

CBoardNavigationDlg::CBoardNavigationDlg(CWnd* pCanvas) : m_pCanvas(pCanvas) {}

CBoardNavigationDlg::~CBoardNavigationDlg()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CBoardNavigationDlg::Create()
{
    return CWnd::CreateEx(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, nullptr, L"", WS_POPUP,
                          RECT{0, 0, kSize, kSize}, m_pCanvas, 0);
}

void CBoardNavigationDlg::SetPageSize(int width, int height)
{
    m_nPageWidth = width;
    m_nPageHeight = height;
}

void CBoardNavigationDlg::SetPageImage(Gdiplus::Image* pImage)
{
    if (!pImage)
        return;
    m_bCustomPosition = FALSE;
    const SIZE size = ThumbnailSize((int)pImage->GetWidth(), (int)pImage->GetHeight());
    m_nThumbWidth = size.cx;
    m_nThumbHeight = size.cy;
    m_pThumb.reset(new Gdiplus::Bitmap(std::max<int>(1, size.cx), std::max<int>(1, size.cy), PixelFormat32bppARGB));
    Gdiplus::Graphics g(m_pThumb.get());
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
    g.DrawImage(pImage, 0, 0, (INT)size.cx, (INT)size.cy);
}

void CBoardNavigationDlg::SetView(int left, int top, int width, int height)
{
    m_view = SIZE{width, height};
    m_nOffsetX = left;
    m_nOffsetY = top;
    m_bCustomPosition = TRUE;
    Recalc();
}

void CBoardNavigationDlg::Recalc()
{
    RECT rcClient = {0, 0, kSize, kSize};
    if (GetSafeHwnd())
        GetClientRect(&rcClient);
    const SIZE client = {rcClient.right, rcClient.bottom};
    const SIZE thumb = {m_nThumbWidth, m_nThumbHeight};
    m_nThumbX = (client.cx - thumb.cx) / 2;
    m_nThumbY = (client.cy - thumb.cy) / 2;
    const POINT offset = {m_nOffsetX, m_nOffsetY};
    m_rcView = ViewRect(client, thumb, SIZE{m_nPageWidth, m_nPageHeight}, m_view, m_bCustomPosition ? &offset : nullptr);
    if (GetSafeHwnd())
        Invalidate(FALSE);
}

void CBoardNavigationDlg::MoveView(int dx, int dy)
{
    if (!HasPageSize())
        return;
    dx = std::min(dx, 5);
    dy = std::min(dy, 5);
    m_bCustomPosition = TRUE;
    if (m_pCanvas && m_pCanvas->GetSafeHwnd()) {
        RECT rc;
        m_pCanvas->GetWindowRect(&rc);
        m_view = SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    m_nOffsetX = std::abs(dx);
    m_nOffsetY = std::abs(dy);
    Recalc();
}

void CBoardNavigationDlg::ShowAtCorner()
{
    if (m_pCanvas && m_pCanvas->GetSafeHwnd()) {
        RECT rc;
        m_pCanvas->GetWindowRect(&rc);
        SetWindowPos(nullptr, rc.right - kSize, rc.bottom - kSize, kSize, kSize,
                     SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW);
    }
    Recalc();
}

void CBoardNavigationDlg::ShowView()
{
    CBoardDrawCtrl* canvas = dynamic_cast<CBoardDrawCtrl*>(m_pCanvas);
    if (!canvas || !GetSafeHwnd())
        return;
    const std::shared_ptr<CMMPage> page = canvas->GetPage();
    const CCanvasView& view = canvas->View();
    if (!page || !view.HasImage())
        return;
    const SIZE image = view.ImageSize();
    SetPageSize(image.cx, image.cy);
    if (m_pThumbOf != page.get() && page->GetImageStream()) {
        std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromStream(page->GetImageStream()));
        if (picture && picture->GetLastStatus() == Gdiplus::Ok) {
            SetPageImage(picture.get());
            m_pThumbOf = page.get();
        }
    }
    if (m_nThumbWidth == 0) {
        const SIZE size = ThumbnailSize(image.cx, image.cy);
        m_nThumbWidth = size.cx;
        m_nThumbHeight = size.cy;
    }
    // The part of the page the canvas shows: its client area and the page rectangle overlap.
    RECT rcClient = {0, 0, view.ClientWidth(), view.ClientHeight()};
    RECT rcShown;
    if (!::IntersectRect(&rcShown, &rcClient, &view.Page()))
        return;
    const Gdiplus::PointF a = view.ScreenToPage(POINT{rcShown.left, rcShown.top});
    const Gdiplus::PointF b = view.ScreenToPage(POINT{rcShown.right, rcShown.bottom});
    SetView((int)(a.X + 0.5f), (int)(a.Y + 0.5f), (int)(b.X - a.X + 0.5f), (int)(b.Y - a.Y + 0.5f));
    ShowAtCorner();
}

BOOL CBoardNavigationDlg::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CBoardNavigationDlg::OnPaint()
{
    CPaintDC dc(this);
    RECT rc;
    GetClientRect(&rc);
    Gdiplus::Bitmap buffer(std::max<int>(1, rc.right), std::max<int>(1, rc.bottom), PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&buffer);
        g.Clear(Gdiplus::Color(255, 110, 105, 90));
        Gdiplus::Pen border(Gdiplus::Color(255, 72, 71, 66), 3.0f);
        g.DrawRectangle(&border, 0, 0, rc.right - 1, rc.bottom - 1);
        g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        if (m_pThumb)
            g.DrawImage(m_pThumb.get(), m_nThumbX, m_nThumbY, m_nThumbWidth, m_nThumbHeight);
        else {
            Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
            g.FillRectangle(&white, m_nThumbX, m_nThumbY, m_nThumbWidth, m_nThumbHeight);
        }
        Gdiplus::Pen red(Gdiplus::Color(255, 255, 0, 0), 1.0f);
        g.DrawRectangle(&red, (INT)m_rcView.left, (INT)m_rcView.top, (INT)(m_rcView.right - m_rcView.left - 1),
                        (INT)(m_rcView.bottom - m_rcView.top - 1));
    }
    Gdiplus::Graphics screen(dc.GetSafeHdc());
    screen.DrawImage(&buffer, 0, 0);
}

IBoardNavigator* MakeBoardNavigator(const S_BOARD_BAR_CONTEXT& context)
{
    if (!context.pCanvas)
        return nullptr;
    CBoardNavigationDlg* map = new CBoardNavigationDlg(context.pCanvas);
    if (!map->Create()) {
        delete map;
        return nullptr;
    }
    return map;
}
