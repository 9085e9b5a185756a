#include "tools/browser/ViewComponent.h"

ViewComponent::ViewComponent(CSampleDlg* pOwner, std::shared_ptr<IBrowserController> controller,
                             std::shared_ptr<IBrowserView> view)
    : m_pOwner(pOwner), m_controller(std::move(controller)), m_view(std::move(view))
{
    if (!m_controller) return;
    m_bZoomRegistered = SUCCEEDED(m_controller->AddZoomFactorChanged(
        [](IBrowserController& sender) {
            // The zoom factor is read and nothing follows from it.
            double dZoom = 1.0;
            sender.GetZoomFactor(&dZoom);
        },
        &m_nZoomToken));
    ResizeWebView();
}

ViewComponent::~ViewComponent()
{
    if (m_controller && m_bZoomRegistered) m_controller->RemoveZoomFactorChanged(m_nZoomToken);
}

bool ViewComponent::HandleWindowMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (!m_controller) return false;
    if (message == WM_SYSCOMMAND) {
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            m_controller->SetVisible(FALSE);
        } else if ((wParam & 0xFFF0) == SC_RESTORE && m_bVisible) {
            m_controller->SetVisible(TRUE);
        }
        return false;
    }
    if (message == WM_MOVE || message == WM_MOVING) {
        m_controller->NotifyParentWindowPositionChanged();
        if (pResult) *pResult = 0;
        return true;
    }
    if ((message >= WM_MOUSEFIRST && message <= WM_MOUSEHWHEEL) || message == WM_MOUSELEAVE) {
        return OnMouseMessage(message, wParam, lParam);
    }
    return false;
}

bool ViewComponent::OnMouseMessage(UINT, WPARAM, LPARAM)
{
    // Mouse input reaches the browser's own window by itself; only a composition target would
    // need it forwarded, and none is ever set up.
    return false;
}

void ViewComponent::SetBounds(const RECT& rcBounds)
{
    m_rcBounds = rcBounds;
    ResizeWebView();
}

void ViewComponent::ResizeWebView()
{
    if (!m_controller) return;
    RECT rc;
    rc.left = m_rcBounds.left;
    rc.top = m_rcBounds.top;
    rc.right = rc.left + (LONG)((m_rcBounds.right - m_rcBounds.left) * m_fWebViewRatio * m_fScale);
    rc.bottom = rc.top + (LONG)((m_rcBounds.bottom - m_rcBounds.top) * m_fWebViewRatio * m_fScale);
    m_controller->SetBounds(rc);
}
