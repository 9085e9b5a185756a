#pragma once
#include <json/json.h>

#include <mutex>
#include <vector>

#include "core/MeetingDocument.h"
#include "core/User.h"
#include "platform/CString.h"
#include "platform/Object.h"
#include "platform/Time.h"

// One meeting or report as the servers describe it: identity, texts, status, schedule, kind, the
// logged-in user's flags in it, its attendees and its documents. Owned by the meeting manager.
//
// A refill (or clearing) of attendees or documents deletes none of their objects: the entries
// still listed keep their object (matched by "userIdnfr" and "attcFileId") and are updated in
// place, so a pointer that a screen took before the refill still names the same attendee or
// document; objects no longer listed are set aside (and taken back if their key returns) until
// the record itself is deleted, so no pointer to them dangles either.
class CMeeting : public CObject {
    DECLARE_DYNAMIC(CMeeting)
public:
    explicit CMeeting(const CString& strMtngId);
    ~CMeeting() override;

    void LoadFromJson(const Json::Value& obj);
    void LoadSchedule(const Json::Value& obj);

    void SetAttendees(const Json::Value& list);
    void ClearAttendees();
    void ResetReferences();
    void SetPresenterById(int nId);

    void SetDocuments(const Json::Value& list, const CString& strFileType);
    void ClearDocuments();
    CMeetingDocument* FindDocument(const CString& strId);
    int SelectDocument(const CString& strId);
    int SelectFirstDocument();
    int SelectDocumentOrFirst(const CString& strId);
    // -1 and -2 give the two whiteboard documents, 0..count-1 the list's entries; else null.
    CMeetingDocument* GetDocumentByIndex(int nIndex);
    int GetEmbeddedDocumentIndex(const CString& strId) const;
    int GetDocumentIndex(const CString& strId) const;
    int CountReferenceDocuments(int nValue) const;
    void SetWhiteboardPageCount(const CString& strId, int nCommand, int nPage, int nTotalPages);

    void SetStatus(const std::string& digits);
    int GetStatus() const { return m_nStatus; }
    void SetSyncStatus(const std::string& digits);
    int GetSyncStatus() const { return m_nSyncStatus; }
    int IsStatusLive() const;
    int IsStatus12Or13() const;
    int IsNotStarted() const;

    int GetMeetingTypeNumber() const;
    int GetKind() const;
    int IsReport() const { return m_nKind == 30 ? 1 : 0; }
    void SetKind(int nKind) { m_nKind = nKind; }
    int CanShare() const;

    int IsMainUserMe() const;
    int IsPresenterMe() const;
    CUser* GetPresenter() const { return m_pPresenter; }
    CUser* GetMainUser() const { return m_pMainUser; }
    CUser* GetRequiredUser() const { return m_pRequiredUser; }
    CUser* GetFirstSpeaker() const { return m_pFirstSpeaker; }
    int GetReportReceiverId() const;
    const std::vector<CUser*>& GetUsers() const { return m_vecUsers; }

    CString GetMeetingId() const { return m_strMtngId; }
    CString GetTitle() const { return m_strTitle; }
    CString GetSummary() const { return m_strSummary; }
    CString GetRoomTitle() const { return m_strRoomTitle; }
    CString GetOpinion() const { return m_strOpinion; }
    CString GetStartDateText() const { return m_strStartYmd; }
    CString GetEndDateText() const { return m_strEndYmd; }
    CString GetOrganizersInfo() const { return m_strOrganizersInfo; }
    CString GetReporterInfo() const { return m_strReporterInfo; }
    CString GetFileType() const { return m_strFileType; }
    CString GetFileTypeText() const { return m_strFileType2; }
    CTime GetStartTime() const { return m_tStart; }
    CTime GetEndTime() const { return m_tEnd; }
    int GetMainYn() const { return m_bMain; }
    int GetAttachYn() const { return m_bAttach; }
    int IsType12() const { return m_bType12; }
    int GetType13Flag() const { return m_bType13; }
    int IsAttendee() const { return m_bIsAttendee; }
    int GetHiddenUserYn() const { return m_bHiddenUser; }
    int GetNoteYn() const { return m_bNote; }
    int GetFeedbackYn() const { return m_bFeedback; }
    int GetPresenceYn() const { return m_bPresence; }
    void SetPresenceYn(int nValue) { m_bPresence = nValue; }
    int GetReportUserType() const { return m_nReportUserType; }
    int GetPaper() const { return m_bPaper; }
    int GetDelay() const { return m_bDelay; }
    int GetUrgent() const { return m_bUrgent; }
    int GetUpdate() const { return m_bUpdate; }
    CMeetingDocument* GetCurrentDocument() const { return m_pCurrentDoc; }
    const std::vector<CMeetingDocument*>& GetDocuments() const { return m_vecDocuments; }
    int GetAttendanceSent() const { return m_bAttendanceSent; }
    void SetAttendanceSent(int nValue) { m_bAttendanceSent = nValue; }
    int GetModifyFlag() const { return m_bModify; }
    void SetModifyFlag(int nValue) { m_bModify = nValue; }
    int GetSecretaryFlag() const { return m_bSecretary; }
    void SetSecretaryFlag(int nValue) { m_bSecretary = nValue; }

private:
    void LoadDateTime(const Json::Value& obj, const char* ymdKey, const char* hourKey,
                      const char* minKey, CString& strYmd, CTime& tTime);

    CString m_strMtngId;
    CString m_strRoomTitle;
    CString m_strTitle;
    CString m_strSummary;
    CString m_strOpinion;
    int m_bAttach;
    int m_bType12;
    int m_nStatus;
    int m_nSyncStatus;
    CTime m_tStart;
    CTime m_tEnd;
    CString m_strStartYmd;
    CString m_strEndYmd;
    int m_bMain;
    CUser* m_pRequiredUser;
    CUser* m_pMainUser;
    CUser* m_pPresenter;
    CUser* m_pFirstSpeaker;
    std::vector<CUser*> m_vecUsers;
    CMeetingDocument* m_pCurrentDoc;
    std::vector<CMeetingDocument*> m_vecDocuments;
    CMeetingDocument m_docWhiteboard1;
    CMeetingDocument m_docWhiteboard2;
    int m_bAttendanceSent;
    CString m_strMeetingType;
    int m_bType13;
    int m_bPresence;
    int m_bIsAttendee;
    mutable std::mutex m_lock;
    int m_nKind;
    int m_nReportUserType;
    int m_bHiddenUser;
    int m_bNote;
    int m_bFeedback;
    CString m_strOrganizersInfo;
    CString m_strReporterInfo;
    CString m_strFileType;
    CString m_strFileType2;
    int m_bPaper;
    int m_bDelay;
    int m_bUrgent;
    int m_bUpdate;
    int m_bModify;
    int m_bSecretary;

    // Attendees and documents that a refill no longer lists; freed with the record.
    std::vector<CUser*> m_vecRetiredUsers;
    std::vector<CMeetingDocument*> m_vecRetiredDocuments;
};
