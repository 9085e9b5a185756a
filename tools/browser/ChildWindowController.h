#pragma once
// A controller whose browser is one child window of the parent: bounds, visibility and closing act
// on that window, the zoom factor stays 1.0. The controller is its own view; a subclass decides
// what navigating means.
#include "tools/browser/BrowserLayer.h"

#include <map>
#include <memory>

class CChildWindowController : public IBrowserController,
                               public IBrowserView,
                               public std::enable_shared_from_this<CChildWindowController> {
public:
    ~CChildWindowController() override;

    HRESULT GetView(std::shared_ptr<IBrowserView>* pView) override;
    HRESULT SetBounds(const RECT& rcBounds) override;
    HRESULT SetVisible(BOOL bVisible) override;
    HRESULT NotifyParentWindowPositionChanged() override;
    HRESULT AddZoomFactorChanged(ZoomFactorChangedHandler handler, INT64* pToken) override;
    HRESULT RemoveZoomFactorChanged(INT64 nToken) override;
    HRESULT GetZoomFactor(double* pZoomFactor) override;
    HRESULT Close() override;

    HWND GetWindow() const { return m_hWnd; }

protected:
    // Takes ownership of the child window (destroyed by Close or the destructor).
    explicit CChildWindowController(HWND hWnd) : m_hWnd(hWnd) {}

private:
    HWND m_hWnd;
    INT64 m_nNextToken = 1;
    std::map<INT64, ZoomFactorChangedHandler> m_zoomHandlers;
};
