#pragma once
// CMainListCtrl: the list of the meeting list screen. One row per meeting or report of the
// meeting manager's list, in its order, each a copy of the skin screen "MainListItem" with the
// meeting's texts and icons drawn over it; a "more" row ends the list while further pages exist,
// and the skin screen "MainListItemEmpty" shows when there is nothing to list.
#include <map>

#include "platform/Bitmap.h"
#include "ui/controls/MySkinListCtrl.h"

// Row types.
enum : int { MAINLIST_ROW_MORE = 1, MAINLIST_ROW_MEETING = 2 };

class CMainListCtrl : public CMySkinListCtrl {
public:
    CMainListCtrl();
    ~CMainListCtrl() override;

    // Shows the meeting manager's meetings from nFirstIndex on (page 1 replaces every row).
    void Fill(int nKind, int nCurPage, int nFirstIndex);
    // Adds a row of that screen at the end; the row count plus one.
    int AddRow(const CString& strScreen, int nType, DWORD_PTR dwData);
    void RemoveMoreRow();
    void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected) override;
    void SetRowFont(CFont* pFont) { m_pRowFont = pFont; }
    int GetKind() const { return m_nKind; }
    int CountRows(int nType) const;

    int m_nPressedIndex = -1;
    int m_nCheckIndex = -1;

private:
    void DrawMeetingRow(CDC* pDC, const CRect& rc, const class CMeeting& meeting);
    HBITMAP Bitmap(UINT nId);

    int m_nKind = 1;
    CFont* m_pRowFont = nullptr;
    std::map<UINT, HBITMAP> m_bitmaps;
};
