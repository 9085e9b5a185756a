#pragma once
// CDetailListCtrl: the scrolling list on the right of the meeting detail screen. Every row is a
// small skin screen of its own, chosen by name and filled from the meeting or one of its
// documents: schedule, place, the attachments header with its add-file and whiteboard buttons,
// one row per document with its type picture and its favourite, feedback and data-box buttons,
// the reference header and the contents. Clicks on row buttons are posted to the parent as
// WM_DETAIL_ADD_FILE .. WM_DETAIL_WHITEBOARD with the row's id (wParam), never the row: a refresh
// handled before the posted message deletes every row, and the parent looks the id up
// (FindRowById) and finds nothing then. The list itself acts on none.
#include "ui/controls/MySkinListCtrl.h"

class CMeeting;
class CMeetingDocument;

// Row kinds.
enum EDetailRowKind {
    DETAIL_ROW_LOCATION = 0,
    DETAIL_ROW_DATE = 1,
    DETAIL_ROW_REPORT_REQUEST = 2,
    DETAIL_ROW_REPORT_CONFIRM = 3,
    DETAIL_ROW_REPORT_OTHER = 4,
    DETAIL_ROW_REPORT_END = 5,
    DETAIL_ROW_REPORT_ATTACHMENTS = 6,
    DETAIL_ROW_ATTACHMENTS = 7,
    DETAIL_ROW_REFERENCES = 8,
    DETAIL_ROW_FILE = 9,
    DETAIL_ROW_CONTENTS = 10,
};
// Row item types: header and text rows; document rows (the only ones that open a document).
const int DETAIL_ITEM_TEXT = 1;
const int DETAIL_ITEM_DOCUMENT = 2;

class CDetailListCtrl : public CMySkinListCtrl {
public:
    CDetailListCtrl();
    ~CDetailListCtrl() override = default;

    // Appends a row of the named template, filled from the meeting (and the document of a file
    // row, which the caller keeps alive while the row exists).
    MYLIST_ITEM* AddRow(const CString& strTemplate, int nItemType, int nKind, CMeeting* pMeeting,
                        CMeetingDocument* pDocument);
    static void FillRow(CWnd* pOwner, SKIN_SCREEN* pScreen, int nKind, CMeeting* pMeeting,
                        CMeetingDocument* pDocument);
    // The attachment headers again (the presenter decides who may add files).
    void RefreshAttachmentRows();
    // Rows laid out to the size, a second time narrower when the rows now need the scroll bar.
    void RelayoutRows(int cx, int cy);

    static int GetRowKind(const MYLIST_ITEM* pItem) { return pItem ? pItem->nParam : -1; }
    static CMeetingDocument* GetRowDocument(const MYLIST_ITEM* pItem)
    {
        return pItem ? static_cast<CMeetingDocument*>(pItem->pUserData) : nullptr;
    }
    // The first row of that kind, or null.
    MYLIST_ITEM* FindRowOfKind(int nKind);
    // Every row gets an id of its own, never used again by this list; the row with the id, or
    // null once it is gone.
    static int GetRowId(const MYLIST_ITEM* pItem) { return pItem ? pItem->nTag : 0; }
    MYLIST_ITEM* FindRowById(int nRowId);

    int OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    BOOL LayoutRows(int cx, int cy);

    int m_nLastRowId = 0;
};
