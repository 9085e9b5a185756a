#pragma once
// CBoardNavigationDlg: the 130 x 130 mini-map the canvas shows at its bottom-right corner while
// the user zooms or pans: a thumbnail of the page with a red rectangle around the part that is
// visible. It takes no input; the board drives it (IBoardNavigator).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "platform/Wnd.h"
#include "whiteboard/board/BoardBars.h"

class CBoardNavigationDlg : public CWnd, public IBoardNavigator {
public:
    static const int kSize = 130;
    static const int kThumb = 120;
    // Thumbnail size of an image: 120 on its long side, the other side in proportion.
    static SIZE ThumbnailSize(int imageWidth, int imageHeight);
    // The view rectangle in client coordinates. viewSize: the canvas' visible page part in page
    // pixels (its window size over the zoom); offset: the visible part's top-left in page pixels,
    // or null to centre the rectangle.
    static RECT ViewRect(SIZE client, SIZE thumb, SIZE page, SIZE view, const POINT* offset);

    explicit CBoardNavigationDlg(CWnd* pCanvas);
    ~CBoardNavigationDlg() override;
    BOOL Create();

    void SetCanvas(CWnd* pCanvas) { m_pCanvas = pCanvas; }
    void SetPageSize(int width, int height);
    BOOL HasPageSize() const { return m_nPageWidth != 0 && m_nPageHeight != 0; }
    void SetPageImage(Gdiplus::Image* pImage);
    // The visible part of the page, in page pixels, as the canvas shows it.
    void SetView(int left, int top, int width, int height);
    void MoveView(int dx, int dy);
    void ShowAtCorner();
    void HideDialog() { ShowWindow(SW_HIDE); }
    const RECT& GetViewRect() const { return m_rcView; }
    SIZE GetThumbnailSize() const { return SIZE{m_nThumbWidth, m_nThumbHeight}; }
    POINT GetThumbnailOrigin() const { return POINT{m_nThumbX, m_nThumbY}; }

    // IBoardNavigator: follows the canvas' page, zoom and origin.
    void ShowView() override;
    void HideView() override { HideDialog(); }
    BOOL IsViewShown() override { return GetSafeHwnd() && (GetStyle() & WS_VISIBLE) != 0; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void Recalc();

    int m_nPageWidth = 0, m_nPageHeight = 0;
    CWnd* m_pCanvas;
    std::unique_ptr<Gdiplus::Bitmap> m_pThumb;
    const void* m_pThumbOf = nullptr;
    int m_nThumbWidth = 0, m_nThumbHeight = 0;
    int m_nThumbX = 0, m_nThumbY = 0;
    int m_nOffsetX = 0, m_nOffsetY = 0;
    BOOL m_bCustomPosition = FALSE;
    SIZE m_view = {0, 0};
    RECT m_rcView = {0, 0, 0, 0};
};

IBoardNavigator* MakeBoardNavigator(const S_BOARD_BAR_CONTEXT& context);
