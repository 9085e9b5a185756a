#pragma once
#include <json/json.h>

#include <vector>

#include "core/Meeting.h"
#include "core/Singleton.h"
#include "platform/CString.h"
#include "platform/Object.h"

// Owns every meeting record the client knows (the meetings of the list pages loaded so far and
// any meeting opened directly) and marks one of them as the current meeting, the one the detail
// or meeting screen shows. Used on the main thread only.
//
// The current meeting outlives a first-page fill that clears the list: its record is not
// deleted but kept aside (updated in place and put back in the list when the new page lists it
// again) until it stops being current, so the screen that shows it never holds a dangling
// pointer.
class CMeetingManager : public CObject, public CSingleton<CMeetingManager> {
    DECLARE_DYNAMIC(CMeetingManager)
public:
    CMeetingManager();
    ~CMeetingManager() override;

    // Page 1 clears the list first. Updates the listed meetings in place or appends new ones, in
    // order; returns the number of records held before the entries were added.
    int FillFromList(int nCurPage, int nTotalPage, const Json::Value& list);
    CMeeting* FindMeeting(const CString& strId);
    // The record with that id (a new bare one when there is none) becomes the current meeting.
    CMeeting* SetCurrentMeeting(const CString& strId);
    // 0 without a current meeting; else drops its references and the current mark and returns 1.
    int ClearCurrentMeeting();
    // A record for the id when none exists, of kind 30 when the type is "30" (in any case).
    void FindOrCreateMeeting(const CString& strId, const CString& strType);
    // Deletes every record but the current one.
    void ClearMeetings();

    CMeeting* GetCurrentMeeting() const { return m_pCurrentMeeting; }
    const std::vector<CMeeting*>& GetMeetings() const { return m_vecMeetings; }
    int GetCurPage() const { return m_nCurPage; }
    int GetTotalPage() const { return m_nTotalPage; }

    // Questions about the current meeting; 0 without one.
    int IsMainUserMe() const;
    int IsPresenterMe() const;
    int IsReport() const;
    int IsNotStarted() const;
    // The current meeting's status says it is over: none of the waiting and running ones, and
    // known (a record not yet filled from the server has status 0).
    int IsMeetingEnded() const;
    int SetModifyFlag(int nValue);
    int SetSecretaryFlag(int nValue);
    int GetModifyFlag() const;
    int GetSecretaryFlag() const;

    void SetObserver(int nValue) { m_bObserver = nValue; }
    int IsObserver() const { return m_bObserver; }

private:
    CMeeting* Append(const CString& strId);
    // Deletes the set-aside current record unless it is pKeep.
    void DropDetached(const CMeeting* pKeep);

    std::vector<CMeeting*> m_vecMeetings;
    CMeeting* m_pCurrentMeeting;
    int m_nCurPage;
    int m_nTotalPage;
    int m_bObserver;
    // The current meeting's record while a fill has taken it out of the list; owned.
    CMeeting* m_pDetachedCurrent;
};
