#pragma once
// CHeaderCtrl: the column header of a report-view list.
#include "platform/Wnd.h"

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    int GetItemCount() const { return (int)::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0); }
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const { return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMW, (WPARAM)nPos, (LPARAM)pHeaderItem); }
    BOOL SetItem(int nPos, HDITEM* pHeaderItem) { return (BOOL)::SendMessageW(m_hWnd, HDM_SETITEMW, (WPARAM)nPos, (LPARAM)pHeaderItem); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const { return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect); }
};
