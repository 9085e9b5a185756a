#pragma once
// The frame every page layer is painted in: a graphics container with high-quality smoothing,
// clipped to the destination rectangle, world moved to its top-left corner and scaled by the zoom.
#include <windows.h>
#include <gdiplus.h>

class CLayerPaintFrame {
public:
    CLayerPaintFrame(Gdiplus::Graphics& graphics, int left, int top, int right, int bottom, float zoom)
        : m_graphics(graphics), m_container(graphics.BeginContainer())
    {
        m_graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        m_graphics.SetClip(Gdiplus::Rect(left, top, right - left, bottom - top));
        m_graphics.TranslateTransform((Gdiplus::REAL)left, (Gdiplus::REAL)top);
        m_graphics.ScaleTransform(zoom, zoom);
    }
    ~CLayerPaintFrame() { m_graphics.EndContainer(m_container); }
    CLayerPaintFrame(const CLayerPaintFrame&) = delete;
    CLayerPaintFrame& operator=(const CLayerPaintFrame&) = delete;

private:
    Gdiplus::Graphics& m_graphics;
    Gdiplus::GraphicsContainer m_container;
};
