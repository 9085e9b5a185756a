#pragma once
// The browser's view inside the browser window: its bounds, its visibility when the window is
// minimised and restored, and the zoom handler it registers for as long as it lives.
#include "tools/browser/BrowserLayer.h"
#include "tools/browser/ComponentBase.h"

#include <memory>

class CSampleDlg;

class ViewComponent : public ComponentBase {
public:
    ViewComponent(CSampleDlg* pOwner, std::shared_ptr<IBrowserController> controller,
                  std::shared_ptr<IBrowserView> view);
    ~ViewComponent() override;
    ViewComponent(const ViewComponent&) = delete;
    ViewComponent& operator=(const ViewComponent&) = delete;

    bool HandleWindowMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Keeps the rectangle and gives the browser that rectangle scaled by the view ratio and scale.
    void SetBounds(const RECT& rcBounds);
    const RECT& GetBounds() const { return m_rcBounds; }

private:
    bool OnMouseMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ResizeWebView();

    CSampleDlg* m_pOwner;
    std::shared_ptr<IBrowserController> m_controller;
    std::shared_ptr<IBrowserView> m_view;
    // The browser draws into its own child window; a composition target is never set up.
    bool m_bCompositionTarget = false;
    bool m_bVisible = true;
    float m_fWebViewRatio = 1.0f;
    float m_fZoomFactor = 1.0f;
    float m_fScale = 1.0f;
    RECT m_rcBounds = {};
    bool m_bTrackingMouse = false;
    bool m_bCapturingMouse = false;
    INT64 m_nZoomToken = 0;
    bool m_bZoomRegistered = false;
};
