#pragma once
#include <json/json.h>

#include "platform/CString.h"
#include "platform/Object.h"

// One attendee of a meeting as the meeting-detail reply lists it.
class CUser : public CObject {
    DECLARE_DYNAMIC(CUser)
public:
    CUser();
    ~CUser() override;

    // Every field is set: from its key, or to its default when the key is absent.
    void LoadFromJson(const Json::Value& obj);

    int GetUserIdnfr() const { return m_nUserIdnfr; }
    int IsProcess() const { return m_bProcess; }
    int IsMain() const { return m_bMain; }
    int IsRequired() const { return m_bRequired; }
    int IsFirstSpeaker() const { return m_nRemarkTurn == 0 ? 1 : 0; }
    int GetRemarkTurn() const { return m_nRemarkTurn; }
    CString GetSawonNo() const { return m_strSawonNo; }
    CString GetName() const { return m_strName; }
    CString GetEmail() const { return m_strEmail; }
    CString GetDeptName() const { return m_strDeptName; }
    CString GetPosition() const { return m_strPosition; }
    CString GetPhoneNumber() const { return m_strPhoneNumber; }
    CString GetOfficeTel() const { return m_strOfficeTel; }
    CString GetConfirmYn() const { return m_strConfirmYn; }
    CString GetConfirmDate() const { return m_strConfirmDate; }

private:
    CString m_strSawonNo;
    CString m_strName;
    CString m_strEmail;
    CString m_strDeptName;
    CString m_strPosition;
    CString m_strPhoneNumber;
    CString m_strOfficeTel;
    int m_bProcess;
    int m_bMain;
    int m_bRequired;
    int m_nRemarkTurn;
    int m_nUserIdnfr;
    CString m_strConfirmYn;
    CString m_strConfirmDate;
};
