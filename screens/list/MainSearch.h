#pragma once
// CMainSearch: the strip at the top of the meeting list screen where the user types a search
// text and picks a start and an end date. Its look and objects come from the skin screen
// "MainSearch"; each search goes to the list screen, which asks for the matching meetings.
#include "platform/Time.h"
#include "ui/skin/MyBaseDialog.h"

// What the search bar hands its parent.
class IMainSearchHost {
public:
    virtual ~IMainSearchHost() = default;
    virtual void OnSearch(const CTime& tStart, const CTime& tEnd, const CString& strText) = 0;
};

class CMainSearch : public CMyBaseDialog {
public:
    CMainSearch(CWnd* pParent, IMainSearchHost* pHost);

    BOOL CreateBar();
    // Puts both dates into the date objects and empties the search box.
    void SetDates(const CTime& tStart, const CTime& tEnd);
    // 0: the meetings hint, 1: the reports hint.
    void SetHint(int nKind);
    void Search();
    const CString& GetSearchText() const { return m_strSearchText; }
    const CString& GetHintText(int nKind) const { return nKind ? m_strReportHint : m_strMeetingHint; }
    // The dates as the two objects hold them, at midnight.
    CTime GetStartDate() const;
    CTime GetEndDate() const;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

    SKIN_OBJECT* m_pStartDate = nullptr;
    SKIN_OBJECT* m_pEndDate = nullptr;
    SKIN_OBJECT* m_pSearchBox = nullptr;
    SKIN_OBJECT* m_pCancel = nullptr;

protected:
    void OnOK() override {}
    void OnCancel() override {}

private:
    CWnd* m_pParent;
    IMainSearchHost* m_pHost;
    CString m_strMeetingHint;
    CString m_strReportHint;
    CString m_strSearchText;
};
