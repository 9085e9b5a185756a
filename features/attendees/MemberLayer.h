#pragma once
// CMemberLayer: the attendee panel. In a meeting the host's card sits above a list of the other
// visible attendees (CMemberListCtrl) with a count of those present; in a report two cards, the
// approver and the reporter, and no list. Cards and rows mark presence, the presenter and the
// confirmation answer; a user with control hands the presentation over; a click opens the
// attendee's profile card; a search box filters the list by name; a button adds attendees.
#include <memory>
#include <vector>

#include "features/attendees/AttendeePanel.h"
#include "features/attendees/AttendeeRules.h"
#include "features/attendees/ProfileDlg.h"
#include "platform/Bitmap.h"
#include "ui/controls/MySkinListCtrl.h"
#include "ui/skin/MyBaseDialog.h"

class CMemberListCtrl : public CMySkinListCtrl {
public:
    CMemberListCtrl();
    // A row for the attendee (the record stays the panel's).
    void AddAttendeeRow(_ATTENDEE_INFO* pInfo, BOOL bControl);
    static void FillRow(SKIN_SCREEN* pScreen, const _ATTENDEE_INFO& a, BOOL bControl);
    void ApplyFilter(const CString& strSearch);
    int OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem) override;
    // A row's hand-over button was clicked.
    std::function<void(const _ATTENDEE_INFO&)> onHandOver;
    int GetRowHeight(int nRow);
    _ATTENDEE_INFO* GetRowInfo(int nRow);
    CRect GetRowRect(int nRow);
    MYLIST_ITEM* GetRow(int nRow);
};

class CMemberLayer : public CMyBaseDialog, public IAttendeePanel {
public:
    enum : UINT { ID_LIST = 11000 };
    explicit CMemberLayer(CWnd* pParent, BOOL bReport = FALSE);
    ~CMemberLayer() override;

    // IAttendeePanel
    CWnd* GetWnd() override { return this; }
    void SetMeetingId(const CString& strMtngId) override;
    BOOL OnServerReply(UINT nMessage, const CTasResponse* pReply) override;
    void SetPresenter(int nUserIdnfr) override;
    void SetPresence(int nUserIdnfr, int nPresent) override;
    void ClosePopups() override;
    BOOL GetProfileRect(RECT* pRect) override;
    int IsApprovalPending() override { return m_bApprovalPending; }
    void SetApprovalListener(std::function<void(int)> listener) override { m_onApproval = std::move(listener); }

    void SetReportMode(BOOL bReport);
    void OnAttendeeList(const Json::Value& body);
    void OnUserProfile(const Json::Value& body, const char* pRaw, int nRawLength);
    void OnAttendeeConfirmReply();
    BOOL CanControl() const;
    void ShowProfile(const _ATTENDEE_INFO& info);

    // For tests and the hosts' layout.
    CMemberListCtrl* GetList() const { return m_pList.get(); }
    CProfileDlg* GetProfileDlg() const { return m_pProfileDlg.get(); }
    const _ATTENDEE_INFO& GetHost() const { return m_host; }
    int GetRowCount() const { return (int)m_listAttendees.size(); }
    CString GetCountText() const;
    SKIN_OBJECT* Object(const wchar_t* pszName) const { return m_Screen.FindObject(pszName); }
    void SetAutoDelete(BOOL b) { m_bAutoDelete = b; }

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void OnDrawExtra(CDC* pDC, CRect rc) override;

protected:
    void OnOK() override {}
    void OnCancel() override {}
    void PostNcDestroy() override;
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnListNotify(NMHDR* pNotify, LRESULT* pResult);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void RefreshCards();
    void FillCard(const _ATTENDEE_INFO& a, const wchar_t* pszSuffix, const wchar_t* pszHand);
    void UpdateCount();
    void ClearRows();
    void HandOver(const _ATTENDEE_INFO& a, char cCard);
    void AddUser();
    CString SearchText() const;
    void PlaceList();
    int EdgeHit(CPoint pt) const;
    Gdiplus::Image** PhotoSlot(int nUserIdnfr);

    CString m_strMtngId;
    _ATTENDEE_INFO m_approver;
    _ATTENDEE_INFO m_host;
    std::vector<std::unique_ptr<_ATTENDEE_INFO>> m_listAttendees;
    std::unique_ptr<CMemberListCtrl> m_pList;
    std::unique_ptr<CProfileDlg> m_pProfileDlg;
    int m_nProfileUserId = 0;
    POINT m_ptPress = {0, 0};
    CBitmap m_bmpExtra;
    Gdiplus::Image* m_pHostImage = nullptr;
    Gdiplus::Image* m_pApproverImage = nullptr;
    Gdiplus::Image* m_pReporterImage = nullptr;
    int m_bReport = 0;
    int m_bApprovalPending = 1;
    CString m_strCountTemplate;
    BOOL m_bAutoDelete = FALSE;
    std::function<void(int)> m_onApproval;
};
