#pragma once
// CMainLayer: the meeting list screen of the main dialog (mode 0): the user's meetings or reports
// of one day (or of a searched range) page by page, the meetings and reports tabs, three filter
// tabs, today's count, a month calendar with the days that have meetings and reports, a search
// bar and the user's name. It asks the application server for counts, pages and month marks,
// fills the meeting manager's list from the page replies and opens a meeting's detail through
// the main dialog.
#include "ui/host/ListScreen.h"
#include "platform/Dialog.h"
#include "platform/Time.h"
#include "screens/list/ListRules.h"
#include "screens/list/MainListCtrl.h"
#include "screens/list/MainSearch.h"
#include "screens/list/MeetingCalendar.h"
#include "ui/controls/StaticControls.h"
#include "ui/controls/StaticTab.h"

class CMainLayer : public CDialog,
                   public IListScreen,
                   public IMeetingCalendarEventListener,
                   public IMainSearchHost {
public:
    explicit CMainLayer(CWnd* pParent = nullptr);
    ~CMainLayer() override;

    // Creates the window as a child of the parent from template 137.
    BOOL CreateScreen(CWnd* pParent);

    // IListScreen.
    void RefreshList() override;
    void ResetCalendarToToday() override;
    void OnParentExitSizeMove() override {}
    void SetBusy(int bBusy) override;
    int IsReportMode() override { return m_nReportMode; }

    // Children.
    void OnSearch(const CTime& tStart, const CTime& tEnd, const CString& strText) override;
    virtual void OpenMeeting(const CString& strMeetingId);
    virtual void RequestNextPage();
    int CanChangeDate(const CTime& tSelected) override;
    void OnDateSelected(const CTime& tDate, int bLabelOnly) override;
    void SelectKindTab(int bReports) override;

    void SetUserLabel(const CString& strName, const CString& strDept);
    void RequestCounts();
    void RequestMonthMarks(const CString& strMonth);
    void RequestPage(const CTime& tStart, const CTime& tEnd, const CString& strText, int nPage);

    // State, for the main dialog's diagnostics and the tests.
    // The busy flag as it stands; a page request whose reply is lost no longer counts (the flag
    // is cleared on the way).
    BOOL IsBusy();
    BOOL GetBusyFlag() const { return m_bBusy; }
    int GetCurrentPage() const { return m_nCurrentPage; }
    int GetTotalPages() const { return m_nTotalPages; }
    const CTime& GetStartDate() const { return m_tStart; }
    const CTime& GetEndDate() const { return m_tEnd; }
    const CString& GetCountText() const { return m_strCount; }
    int GetMainFilter() const { return m_nReportMode ? m_nReportMain : m_nMeetingMain; }
    int IsSearchMode() const { return m_bSearchMode; }
    int GetTodayBoxState() const { return m_nTodayState; }
    CMainListCtrl* GetList() const { return m_pList; }
    CMainSearch* GetSearch() const { return m_pSearch; }
    CMeetingCalendar& GetCalendar() { return m_calendar; }
    CString GetUserLabelText() const;
    // Checks whether today has changed (the calendar's box and today's count follow it).
    void CheckDayChange();

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnCountsReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAttendeesReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserInfoReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMonthReply(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAttendanceChecked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollBarPos(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void InitControls();
    void OnKindTab(int bReports);
    void OnFilterTab(int nTabId);
    void SetKindTab(int bReports);
    void SelectFilterTab(int nValue);
    void OnRowReleased(int nIndex);
    void EndBusy();
    void PostToMain(UINT nMessage);
    // Resizing by the 5-pixel edges: the hit-test code of a point, HTNOWHERE for none.
    UINT EdgeHit(CPoint point) const;
    BOOL HandleEdge(CPoint point, BOOL bPress);
    CString CurrentSearchText() const;
    CString KindText() const { return m_nReportMode ? L"30" : L"10"; }
    void Paint(HDC hdc, const CRect& client);

    BOOL m_bBusy = FALSE;
    int m_nCurrentPage = 1;
    int m_nTotalPages = 0;
    CTime m_tStart;
    CTime m_tEnd;
    CTime m_tToday;
    CString m_strCount;
    CString m_strSearch;
    CColorStatic m_stUser;
    CMeetingCalendar m_calendar;
    int m_nMeetingMain = 0;
    int m_nReportMain = 0;
    int m_nMeetingSub = 0;
    int m_nReportSub = 0;
    CStaticTab m_tabAll;
    CStaticTab m_tabMiddle;
    CStaticTab m_tabRight;
    CStaticTab m_tabFourth;
    CStaticTab m_tabReports;
    CStaticTab m_tabMeetings;
    CMainListCtrl* m_pList;
    int m_nTodayState = 0;
    int m_nReportMode = 0;
    CMainSearch* m_pSearch = nullptr;
    int m_bSearchMode = 0;
    // The page request that made the screen busy, to tell a lost reply from a slow one.
    SPageRequestWatch m_watch;
    // The meeting whose attendees were asked: a list filled anew meanwhile may hold another
    // meeting at the remembered row.
    CString m_strCheckMeetingId;
    // The counts asked at a change of day refresh today's count only.
    BOOL m_bCountsOnly = FALSE;
};
