#pragma once
// CInfoShowCtrl: the meeting information page of the side panel: the open meeting's title, date,
// room and summary above its host and attendees (approvers for a report), with a name search.
// The panel keeps it hidden while it hosts the attendee panel and shows it in that panel's place
// when there is none. Its one instance is reachable process-wide: the chat recipients and the
// add-attendee page read the attendees it holds.
#include <memory>
#include <vector>

#include <json/json.h>

#include "platform/ListCtrl.h"
#include "screens/meeting/panels/MeetingInfoRecords.h"
#include "ui/controls/ZELEditCtrl.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"

class CInfoShowCtrl;

// The attendee rows: name, position and department, presence; drawn by the view.
class CInfoAttendeeList : public CListCtrl {
public:
    explicit CInfoAttendeeList(CInfoShowCtrl* pView) : m_pView(pView) {}
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    std::vector<S_INFO_ATTENDEE> m_rows;

protected:
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    DECLARE_MESSAGE_MAP()

private:
    CInfoShowCtrl* m_pView;
};

class CInfoShowCtrl : public CZELWnd {
public:
    enum : UINT {
        kControlId = 34810,
        ID_CLOSE = 34800, ID_TAB_MEMBERS = 34850, ID_TAB_THUMBNAILS = 34860, ID_TAB_BOOKMARKS = 34880,
        ID_CONFIRM = 32925, ID_ADD = 32951, ID_SEARCH = 5613, ID_SEARCH_CLEAR = 32929, ID_SEARCH_NEXT = 32928,
        ID_SEARCH_PREV = 32927, ID_LIST = 32952, ID_LIST_BAR = 32954, ID_SEARCH_BAR = 32955, ID_SUMMARY = 32915,
        ID_SUMMARY_BAR = 32916,
    };
    static constexpr int kRowHeight = 48;
    static constexpr int kListTop = 295;
    static constexpr int kMaxSearch = 50;

    CInfoShowCtrl();
    ~CInfoShowCtrl() override;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);

    // The one view, null before its construction and after its destruction.
    static CInfoShowCtrl* GetInstance();
    // Every attendee of the open meeting, host included, in list order.
    const std::vector<S_INFO_ATTENDEE>& GetAttendeeArray() const { return m_records.m_all; }
    // The add-attendee page's check: 1 for the host, else the user's required-approver flag.
    int CheckOtherTarget(int nUserId) const { return m_records.CheckOtherTarget(nUserId); }
    const CMeetingInfoRecords& GetRecords() const { return m_records; }

    // Fillers from the server's replies (attendee list; meeting detail).
    void OnAttendeeList(const Json::Value& reply);
    void SetMeetingDetail(const Json::Value& detail);
    // A new meeting was entered: everything emptied, the search back to its hint.
    void ResetView();
    // The page synchronisation changed (the value is not used): host line and rows again.
    void OnSyncStateChanged(int nState);

    // For tests and the panel.
    CZELEditCtrl& GetSearchBox() { return m_search; }
    CxSkinButton& GetButton(UINT nId);
    CInfoAttendeeList* GetAttendeeList() const { return m_pList.get(); }
    CInfoAttendeeList* GetSearchList() const { return m_pSearchList.get(); }
    const CString& GetCountText() const { return m_strCountText; }
    const CString& GetHostLine() const { return m_strHostLine; }
    int FilterAttendees(const CString& strText);
    void DrawAttendeeRow(CInfoAttendeeList* pList, LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg LRESULT OnSearchTextChanged(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSearchClear();
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    void ComposeHostLine();
    void RebuildAttendeeList();
    void FillRows(CInfoAttendeeList* pList, const std::vector<S_INFO_ATTENDEE>& rows);
    void SizeBar(CInfoAttendeeList* pList, ZELScrollBar* pBar);
    void ShowSearchRows(BOOL bSearch);
    BOOL IsMeetingReport() const;
    CString SearchText() const;

    CMeetingInfoRecords m_records;
    CString m_strHostName;
    CString m_strHostLine;
    CString m_strCountText;
    CxSkinButton m_buttons[9];
    CZELEditCtrl m_search;
    CEdit m_summary;
    std::unique_ptr<CInfoAttendeeList> m_pList;
    std::unique_ptr<CInfoAttendeeList> m_pSearchList;
    std::unique_ptr<ZELScrollBar> m_pListBar;
    std::unique_ptr<ZELScrollBar> m_pSearchBar;
    std::unique_ptr<ZELScrollBar> m_pSummaryBar;
    CFont m_searchFont;
};
