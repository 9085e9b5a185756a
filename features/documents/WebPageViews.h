#pragma once
// The client's two windows onto pages of the organisation's web server: the data box, and the
// organisation page from which the organiser adds attendees. Each page answers through its view's
// window.external; these classes give the views their methods and the data box its window.
#include <functional>

#include "features/documents/EmbeddedHtmlView.h"
#include "platform/Dialog.h"

// The organisation page's view.
class IAttendeePageHost {
public:
    virtual ~IAttendeePageHost() = default;
    // 1 when the user number is the information panel's own; 2 or 3 when the panel's first attendee
    // of that number has or lacks its flag; 0 when none matches.
    virtual int CheckOtherTarget(int nUserIdnfr) = 0;
    // Asks the server to add the attendee to the meeting ("M00000038").
    virtual void AddAttendee(const CString& strMtngId, const CString& strUserIdnfr) = 0;
};

class CHView : public CEmbeddedHtmlView {
public:
    // onEnd ends the owning pop-up (as a cancel).
    CHView(IAttendeePageHost* pHost, const CString& strMtngId, std::function<void()> onEnd);
};

// The data box's view.
class CINoteFileAddView : public CEmbeddedHtmlView {
public:
    // onReload refreshes the main dialog's current screen; onEnd ends the data box (as a cancel).
    CINoteFileAddView(std::function<void()> onReload, std::function<void()> onEnd);
};

class IDataBoxHost {
public:
    virtual ~IDataBoxHost() = default;
    virtual CString GetCurrentMeetingId() = 0;
    virtual void RefreshCurrentScreen() = 0;
};

// The data-box page's address: the settings' web server, the meeting, the user's employee number
// (Base64 of its UTF-8, percent-encoded) and the local time of day, which makes every address
// unique so that no cache answers for the page.
CString MakeDataBoxPageUrl(BOOL bHttps, const CString& strAddress, int nPort, const CString& strMtngId,
                           const CString& strSawonNo, const SYSTEMTIME& now);

class CINoteFileAdd : public CDialog {
public:
    enum { IDD = 885, VIEW_ID = 0xE900, VIEW_CX = 1020, VIEW_CY = 580 };

    CINoteFileAdd(IDataBoxHost* pHost, CWnd* pParent);
    ~CINoteFileAdd() override;

    BOOL OnInitDialog() override;
    CINoteFileAddView* GetView() const { return m_pView; }
    const CString& GetUrl() const { return m_strUrl; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    IDataBoxHost* m_pHost;
    CINoteFileAddView* m_pView = nullptr;
    CString m_strUrl;
};

// The organisation page's address for adding attendees.
CString MakeOrganisationPageUrl(BOOL bHttps, const CString& strAddress, int nPort, int nUserIdNumber);

// The organiser picks further attendees of the meeting on the organisation page; the page sends
// the choice through window.external.setUserInfo, which asks the server to add the person and
// ends the pop-up. Without a host of its own the pop-up sends through the application server's
// client and knows no information panel.
class CAttendeeAddPopup : public CDialog {
public:
    enum { IDD = 107, VIEW_ID = 0xE900, VIEW_CX = 1020, VIEW_CY = 580, ID_TEST_ADD_SELECTED = 22222 };

    explicit CAttendeeAddPopup(CWnd* pParent, IAttendeePageHost* pHost = nullptr);
    ~CAttendeeAddPopup() override;

    CString m_strMtngId;

    BOOL OnInitDialog() override;
    CHView* GetView() const { return m_pView; }
    const CString& GetUrl() const { return m_strUrl; }

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTestAddSelected();
    DECLARE_MESSAGE_MAP()

private:
    IAttendeePageHost* m_pHost;
    CHView* m_pView = nullptr;
    CString m_strUrl;
};
