#pragma once
// Where a page lies on the canvas and how large: the zoom and fit rules, the page rectangle in
// client pixels, the origin (the page point shown at the client centre) and panning. No window:
// the canvas feeds it its client size and the page image size and reads the page rectangle back.
#include <windows.h>
#include <gdiplus.h>

class CCanvasView {
public:
    static const int kMargin = 5;

    void SetClientSize(int cx, int cy) { m_cx = cx; m_cy = cy; }
    int ClientWidth() const { return m_cx; }
    int ClientHeight() const { return m_cy; }
    // (0, 0) when the shown page has no image (or there is no page).
    void SetImageSize(int width, int height) { m_szImage.cx = width; m_szImage.cy = height; }
    SIZE ImageSize() const { return m_szImage; }
    BOOL HasImage() const { return m_szImage.cx > 0 && m_szImage.cy > 0; }

    // 0: fit the whole page; -1: fill (fit type 1); any other value: that zoom, fit off.
    void SetZoom(float zoom);
    // 0 while a fit mode is active, else the zoom.
    float GetZoom() const { return m_bFit ? 0.0f : m_fZoom; }
    // The screen pixels per page pixel now in use (also in a fit mode).
    float Zoom() const { return m_fZoom; }
    BOOL IsFit() const { return m_bFit; }
    int FitType() const { return m_nFitType; }

    // Sizes and places the page (see the fit and origin rules); FALSE without an image.
    BOOL RecalcLayout();
    // Places the page after a page move: centred, or at the 5-pixel margin on the axes where it is
    // larger than the client area.
    void AlignPageAfterMove();
    // Moves the page by (to - from) within the margins; FALSE (nothing moved) when the page lies
    // wholly inside the client area.
    BOOL PanBy(POINT from, POINT to);
    // A pinch zoom: the page at that zoom, centred or kept around the origin; sets fit when the
    // page then lies wholly inside the client area.
    void ApplyPinchZoom(float zoom);

    const RECT& Page() const { return m_rcPage; }
    POINT Origin() const { return m_ptOrigin; }
    void SetOrigin(int x, int y) { m_ptOrigin.x = x; m_ptOrigin.y = y; }
    BOOL IsPageInsideClient() const;
    BOOL ContainsScreenPoint(POINT pt) const { return ::PtInRect(&m_rcPage, pt); }

    Gdiplus::PointF ScreenToPage(POINT pt) const;
    POINT ScreenToPageInt(POINT pt) const;
    POINT PageToScreen(const Gdiplus::PointF& pt) const;

    // The zoom one Ctrl+wheel notch gives: a zoom-out step never zooms in, a zoom-in step never
    // zooms out; out multiplies by 0.9 down to 0.9, in by 1.1 up to 5.0.
    static float WheelZoom(float current, BOOL zoomIn);

private:
    void PlacePageCentred(int width, int height);
    void PlaceAroundOrigin();
    void ClampAxis(LONG& lo, LONG& hi, int size, int client, LONG centredLo) const;

    int m_cx = 0, m_cy = 0;
    SIZE m_szImage = {0, 0};
    float m_fZoom = 1.0f;
    BOOL m_bFit = TRUE;
    int m_nFitType = 0;
    RECT m_rcPage = {0, 0, 0, 0};
    POINT m_ptOrigin = {0, 0};
};
