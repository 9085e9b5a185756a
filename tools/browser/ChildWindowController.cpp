#include "tools/browser/ChildWindowController.h"

CChildWindowController::~CChildWindowController()
{
    Close();
}

HRESULT CChildWindowController::GetView(std::shared_ptr<IBrowserView>* pView)
{
    if (!pView) return E_POINTER;
    if (!m_hWnd) {
        pView->reset();
        return E_UNEXPECTED;
    }
    *pView = std::shared_ptr<IBrowserView>(shared_from_this(), static_cast<IBrowserView*>(this));
    return S_OK;
}

HRESULT CChildWindowController::SetBounds(const RECT& rc)
{
    if (!m_hWnd) return E_UNEXPECTED;
    return ::MoveWindow(m_hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE)
               ? S_OK
               : HRESULT_FROM_WIN32(::GetLastError());
}

HRESULT CChildWindowController::SetVisible(BOOL bVisible)
{
    if (!m_hWnd) return E_UNEXPECTED;
    ::ShowWindow(m_hWnd, bVisible ? SW_SHOW : SW_HIDE);
    return S_OK;
}

HRESULT CChildWindowController::NotifyParentWindowPositionChanged()
{
    // A child window moves with its parent by itself.
    return m_hWnd ? S_OK : E_UNEXPECTED;
}

HRESULT CChildWindowController::AddZoomFactorChanged(ZoomFactorChangedHandler handler, INT64* pToken)
{
    if (!pToken) return E_POINTER;
    *pToken = m_nNextToken++;
    m_zoomHandlers[*pToken] = std::move(handler);
    return S_OK;
}

HRESULT CChildWindowController::RemoveZoomFactorChanged(INT64 nToken)
{
    return m_zoomHandlers.erase(nToken) ? S_OK : E_INVALIDARG;
}

HRESULT CChildWindowController::GetZoomFactor(double* pZoomFactor)
{
    if (!pZoomFactor) return E_POINTER;
    *pZoomFactor = 1.0;
    return S_OK;
}

HRESULT CChildWindowController::Close()
{
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return S_OK;
}
