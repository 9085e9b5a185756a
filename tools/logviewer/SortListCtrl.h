#pragma once
// A report-view list that sorts its rows by a clicked column, as text or as numbers.
#include "platform/UI.h"

class CSortListCtrl : public CListCtrl {
public:
    // One row during a sort.
    struct S_SORT_RECORD {
        int bTextMode = 1;
        __int64 nNumber = 0;
        CString strText;          // at most 255 characters
        DWORD_PTR dwItemData = 0; // the row's own item data, given back afterwards
    };

    // Columns whose sort direction is remembered.
    enum { SORT_COLUMNS = 30 };
    // One direction per column, shared by every sortable list of the program.
    static int s_nSortDirections[SORT_COLUMNS];

    CSortListCtrl() = default;
    // Child, visible, bordered, tab stop, report view that always shows its selection; rows are
    // selected whole.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Sorts by the column; the direction flag is inverted and stored back. A column outside the
    // list is left alone.
    void SortColumn(int nColumn, BOOL bTextMode, int* pnDirection, int nAlign);

    // sign * (text order) in text mode; in number mode the smaller number gives +sign, the
    // larger -sign and equal numbers 0 (numbers compare signed). The sign is +1 for a non-zero
    // direction, else -1: a first sort goes up by text and down by number.
    static int CALLBACK CompareItems(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
    // The cell's number: "," and "KB" are removed, leading blanks and a sign are allowed, the
    // reading stops at the first other character; no digits give 0.
    static __int64 ParseNumber(const CString& strCell);
};
