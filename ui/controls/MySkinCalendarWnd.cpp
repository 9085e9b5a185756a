#include "ui/controls/MySkinCalendarWnd.h"

#include "core/ColorText.h"
#include "platform/DC.h"
#include "ui/skin/MyMemDC.h"
#include "ui/skin/SkinObject.h"
#include "ui/skin/SkinScreen.h"

BEGIN_MESSAGE_MAP(CMySkinCalendarWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CMySkinCalendarWnd::Create(LPCTSTR lpszWindowName, const RECT& rect, CWnd* pParent, UINT nId)
{
    return CWnd::Create(nullptr, lpszWindowName, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, pParent, nId);
}

BOOL CMySkinCalendarWnd::CreatePopup(const RECT& rect, CWnd* pParent)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, rect, pParent, 0);
}

CRect CMySkinCalendarWnd::GetWindowRectForObject(const SKIN_OBJECT* pObject, const RECT& rcObject)
{
    CRect r(rcObject);
    pObject->DeflateToContent(r);
    return r;
}

BOOL CMySkinCalendarWnd::CreateForObject(SKIN_OBJECT* pObject, CWnd* pOwner, UINT nId, float fScale)
{
    const SYSTEMTIME& t = pObject->m_date.m_time;
    m_calendar.SetYearMonthOnly(t.wYear, t.wMonth);
    m_calendar.SetScale(fScale);
    m_calendar.SetObject(pObject);
    m_calendar.SetNotifyWnd(pOwner);
    return Create(L"date", GetWindowRectForObject(pObject, pObject->m_rcObject), pOwner, nId);
}

int CMySkinCalendarWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_calendar.Init(this);
    UpdateSize();
    return 0;
}

void CMySkinCalendarWnd::UpdateSize()
{
    CRect client;
    GetClientRect(&client);
    m_calendar.SetSize(client.Width(), client.Height());
    m_calendar.Layout();
}

void CMySkinCalendarWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdateSize();
    Invalidate(TRUE);
}

BOOL CMySkinCalendarWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const SKIN_OBJECT* object = m_calendar.GetObjectPtr();
    const COLORREF back = object ? ParseHexColorOr(object->m_date.m_strColorBg, RGB(255, 255, 255)) : RGB(255, 255, 255);
    CMyMemDC mem(pDC, back, &client);
    m_calendar.Draw(&mem, client);
    return TRUE;
}

void CMySkinCalendarWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    m_calendar.OnMouseMove(point, client);
    CWnd::OnMouseMove(nFlags, point);
}

void CMySkinCalendarWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (m_calendar.OnClick(point, client) == 1) {
        CWnd* notify = m_calendar.GetNotifyWnd();
        if (notify && ::IsWindow(notify->GetSafeHwnd()))
            notify->PostMessage(WM_SKIN_OBJECT_EVENT, SKINEVENT_DATE_PICKED, (LPARAM)m_calendar.GetObjectPtr());
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CMySkinCalendarWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    m_calendar.OnLButtonUp(point, client);
    CWnd::OnLButtonUp(nFlags, point);
}
