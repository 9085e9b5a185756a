#pragma once
// Internal: hands the owner-draw messages a parent reflects to a control to the control's
// DrawItem / MeasureItem overridables.
#include <windows.h>

namespace zel {

template <typename Control>
bool DrawItemNotify(Control* control, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM) return false;
    control->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return true;
}

template <typename Control>
bool OwnerDrawNotify(Control* control, UINT message, LPARAM lParam, LRESULT* pResult)
{
    if (DrawItemNotify(control, message, lParam, pResult)) return true;
    if (message != WM_MEASUREITEM) return false;
    control->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
    if (pResult) *pResult = TRUE;
    return true;
}

} // namespace zel
