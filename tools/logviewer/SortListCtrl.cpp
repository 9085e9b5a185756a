#include "tools/logviewer/SortListCtrl.h"

#include <cwchar>
#include <vector>

int CSortListCtrl::s_nSortDirections[SORT_COLUMNS] = {};

BOOL CSortListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    dwStyle |= WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS;
    if (!CListCtrl::Create(dwStyle, rect, pParentWnd, nID)) return FALSE;
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    return TRUE;
}

__int64 CSortListCtrl::ParseNumber(const CString& strCell)
{
    CString strDigits = strCell;
    strDigits.Remove(L',');
    strDigits.Replace(L"KB", L"");
    return _wcstoi64(strDigits, nullptr, 10);
}

void CSortListCtrl::SortColumn(int nColumn, BOOL bTextMode, int* pnDirection, int /*nAlign*/)
{
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (nColumn < 0 || !pHeader || nColumn >= pHeader->GetItemCount()) return;
    const int nRows = GetItemCount();
    std::vector<S_SORT_RECORD> records(nRows);
    for (int i = 0; i < nRows; ++i) {
        S_SORT_RECORD& rec = records[i];
        CString strCell = GetItemText(i, nColumn);
        rec.bTextMode = bTextMode ? 1 : 0;
        if (bTextMode) rec.strText = strCell.Left(255);
        else rec.nNumber = ParseNumber(strCell);
        rec.dwItemData = GetItemData(i);
        SetItemData(i, (DWORD_PTR)&rec);
    }
    *pnDirection = *pnDirection ? 0 : 1;
    SortItems(CompareItems, (DWORD_PTR)*pnDirection);
    for (int i = 0; i < nRows; ++i) {
        const S_SORT_RECORD* pRec = reinterpret_cast<const S_SORT_RECORD*>(GetItemData(i));
        SetItemData(i, pRec->dwItemData);
    }
}

int CALLBACK CSortListCtrl::CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const S_SORT_RECORD* a = reinterpret_cast<const S_SORT_RECORD*>(lParam1);
    const S_SORT_RECORD* b = reinterpret_cast<const S_SORT_RECORD*>(lParam2);
    const int nSign = lParamSort ? 1 : -1;
    if (a->bTextMode) {
        int n = wcscmp(a->strText, b->strText);
        return n < 0 ? -nSign : n > 0 ? nSign : 0;
    }
    if (a->nNumber == b->nNumber) return 0;
    return a->nNumber < b->nNumber ? nSign : -nSign;
}
