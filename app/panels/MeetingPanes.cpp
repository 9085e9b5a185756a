#include "app/panels/ProgramPanels.h"

#include <memory>
#include <vector>

#include "core/Meeting.h"
#include "core/MeetingManager.h"
#include "features/chat/MeetingChatCtrl.h"
#include "screens/detail/MinutesListCtrl.h"
#include "screens/meeting/MeetingPanelMakers.h"

namespace {

// The meeting screen's calls on the chat panel. The panel's own interface and the screen's name
// some operations alike with other results, so one class cannot take both; this object lives
// inside the panel's window object and goes with it.
class CChatPaneCalls : public IMeetingChatPanel {
public:
    explicit CChatPaneCalls(CMeetingChatCtrl& chat) : m_chat(chat) {}

    void SetMeeting(const CString& strMeetingId, int nUserNumber) override { m_chat.SetMeeting(strMeetingId, nUserNumber); }
    void EnableChat(BOOL bOn) override { m_chat.EnableChat(bOn); }
    void ResetChat(BOOL bClear) override { m_chat.ResetChat(bClear); }
    void Relayout() override { m_chat.Relayout(); }
    void FillRecipients() override
    {
        // The meeting's attendees are the possible recipients; the panel leaves out the user.
        std::vector<_CHATTING_ATTENDENT_INFO> attendees;
        if (CMeeting* pMeeting = CMeetingManager::GetInstance()->GetCurrentMeeting()) {
            for (CUser* pUser : pMeeting->GetUsers()) {
                if (!pUser) continue;
                _CHATTING_ATTENDENT_INFO info;
                info.userIdnfr = pUser->GetUserIdnfr();
                info.name = pUser->GetName();
                info.position = pUser->GetPosition();
                attendees.push_back(info);
            }
        }
        m_chat.FillRecipients(attendees);
    }
    void OnChatList(const Json::Value& body) override { m_chat.OnChatList(body); }
    BOOL OnServerReply(const CTasResponse* pReply) override { return m_chat.OnServerReply(0, pReply); }
    void MarkPendingSendsFailed() override { m_chat.MarkPendingSendsFailed(); }
    void AddMessage(const CString& strName, const CString& strDate, const CString& strTime, const CString& strText,
                    int nFlag) override
    {
        m_chat.AddMessage(strName, strDate, strTime, strText, nFlag);
    }
    CString GetLastMessageId() override { return m_chat.GetLastMessageId(); }
    int GetPageNum() override { return m_chat.GetPageNum(); }
    int GetPageSize() override { return m_chat.GetPageSize(); }
    int GetItemCount() override { return m_chat.GetMessageCount(); }

private:
    CMeetingChatCtrl& m_chat;
};

// The chat pane: the screen destroys the window and deletes this object, so it must not delete
// itself when its window goes (the panel's auto-delete stays off).
class CMeetingChatPane : public CMeetingChatCtrl {
public:
    CChatPaneCalls calls{*this};
};

CWnd* MakeChatPane(CWnd* pParent, UINT nId, const CRect& rc, IMeetingChatPanel** ppPanel)
{
    std::unique_ptr<CMeetingChatPane> pPane(new CMeetingChatPane());
    if (!pPane->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId)) return nullptr;
    if (ppPanel) *ppPanel = &pPane->calls;
    return pPane.release();
}

// The minutes list under the screen's names; the screen owns the window object.
class CMeetingMinutesPane : public CMinutesListCtrl, public IMeetingMinutesList {
public:
    void Reset() override { ClearList(); }
    void OnMinutesList(const Json::Value& body, BOOL bValid) override { SetMinutes(body, bValid); }
    void SetDocuments(const std::vector<CMeetingDocument*>& documents) override
    {
        CMinutesListCtrl::SetDocuments(documents);
    }
    void SelectMinutes(const CString& strAttcFileId) override { SelectDocument(strAttcFileId); }
    void CloseViewer() override { CMinutesListCtrl::CloseViewer(); }
};

CWnd* MakeMinutesPane(CWnd* pParent, UINT nId, const CRect&, IMeetingMinutesList** ppPanel)
{
    // The screen keeps the list hidden and never lays it out: it takes its own place at once.
    std::unique_ptr<CMeetingMinutesPane> pPane(new CMeetingMinutesPane());
    if (!pPane->Create(pParent, MinutesListDefaultRect(), nId)) return nullptr;
    if (ppPanel) *ppPanel = pPane.get();
    return pPane.release();
}

// A meeting has ended once it is past its running states; a meeting whose state is not known yet
// (0) has not.
BOOL CurrentMeetingEnded()
{
    CMeeting* pMeeting = CMeetingManager::GetInstance()->GetCurrentMeeting();
    return pMeeting && pMeeting->IsNotStarted() && pMeeting->GetStatus() != 0 ? TRUE : FALSE;
}

}  // namespace

void SetMeetingPaneMakers()
{
    SMeetingPanelMakers makers = GetMeetingPanelMakers();
    makers.makeChatPanel = MakeChatPane;
    makers.makeMinutesList = MakeMinutesPane;
    SetMeetingPanelMakers(makers);

    // Sending stays off in a meeting that has ended, whatever switches the chat on afterwards.
    SChatMeetingFacts facts;
    facts.isMeetingEnded = CurrentMeetingEnded;
    SetChatMeetingFacts(facts);
}
