#include "platform/BitmapButton.h"

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled)
{
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();
    if (!m_bitmap.LoadBitmap(nIDBitmapResource)) return FALSE;
    BOOL all = TRUE;
    if (nIDBitmapResourceSel && !m_bitmapSel.LoadBitmap(nIDBitmapResourceSel)) all = FALSE;
    if (nIDBitmapResourceFocus && !m_bitmapFocus.LoadBitmap(nIDBitmapResourceFocus)) all = FALSE;
    if (nIDBitmapResourceDisabled && !m_bitmapDisabled.LoadBitmap(nIDBitmapResourceDisabled)) all = FALSE;
    return all;
}

void CBitmapButton::SizeToContent()
{
    BITMAP info = {};
    if (!m_bitmap.m_hObject || !m_bitmap.GetBitmap(&info)) return;
    SetWindowPos(nullptr, -1, -1, info.bmWidth, info.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CBitmap* picture = &m_bitmap;
    const UINT state = lpDrawItemStruct->itemState;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject) picture = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject) picture = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject) picture = &m_bitmapDisabled;
    if (!picture->m_hObject) return;
    CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc)) return;
    CBitmap* old = memory.SelectObject(picture);
    const RECT& rc = lpDrawItemStruct->rcItem;
    dc->BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}
