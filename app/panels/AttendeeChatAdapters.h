#pragma once
// The attendee panel and the meeting chat as the detail screen and the meeting screen's side
// panel talk to them. The hosts destroy the window and then delete the object themselves, so
// these panels never delete themselves (unlike the ones CreateAttendeePanel and CreateChatPanel
// make), or the object would be deleted twice.
#include <memory>

#include "features/attendees/MemberLayer.h"
#include "features/chat/MeetingChatCtrl.h"
#include "screens/detail/DetailHooks.h"
#include "screens/meeting/panels/MemberPanelHost.h"

// The detail screen's attendee panel: the panel's window with the screen's interface on top.
class CDetailMemberPanel : public CMemberLayer, public IDetailMemberPanel {
public:
    CDetailMemberPanel(CWnd* pParent, BOOL bReport) : CMemberLayer(pParent, bReport) {}

    void ResetSearch(const CString& strMeetingId) override { SetMeetingId(strMeetingId); }
    void OnAttendeeList(const CTasResponse& reply) override;
    void OnUserProfile(const CTasResponse& reply) override;
    void OnAttendeeConfirmReply(const CTasResponse& reply) override;
    void ClosePopups() override { CMemberLayer::ClosePopups(); }
    using CMemberLayer::GetProfileRect;
    BOOL GetProfileRect(CRect& rc) override { return CMemberLayer::GetProfileRect(&rc); }
    void SetPresenter(int nUserId) override { CMemberLayer::SetPresenter(nUserId); }
    void SetAttendance(int nUserId, BOOL bAttending) override { SetPresence(nUserId, bAttending ? 1 : 0); }
};

// The meeting chat inside the detail screen's chat pop-up. The chat's own EnableChat answers
// with a BOOL where the pop-up's interface expects none, so one class cannot carry both: the
// pop-up talks to a small forwarding object the chat holds.
class CDetailChatCtrl : public CMeetingChatCtrl {
public:
    CDetailChatCtrl() : m_control(*this) {}
    IDetailChatControl* GetDetailControl() { return &m_control; }

private:
    class CControl : public IDetailChatControl {
    public:
        explicit CControl(CDetailChatCtrl& chat) : m_chat(chat) {}
        void SetMeeting(const CString& strMeetingId, int nUserNumber) override;
        void EnableChat(BOOL bEnable) override { m_chat.EnableChat(bEnable); }
        void AddMessage(const CString& strName, const CString& strDate, const CString& strTime,
                        const CString& strText, int nFlag) override
        {
            m_chat.AddMessage(strName, strDate, strTime, strText, nFlag);
        }
        void OnChatList(const Json::Value& body) override { m_chat.OnChatList(body); }
        void OnSendReply(int nStatus, const Json::Value* pBody) override { m_chat.OnSendReply(nStatus, pBody); }
        void OnHistoryFailed() override;
        int GetPageNum() override { return m_chat.GetPageNum(); }
        int GetPageSize() override { return m_chat.GetPageSize(); }
        int GetItemCount() override { return m_chat.GetMessageCount(); }

    private:
        CDetailChatCtrl& m_chat;
    };
    CControl m_control;
};

// The side panel's attendee page. The side panel keeps the approval flag across a new panel
// (SetApprovalPending) and each attendee list sets it again.
class CInfoMemberPanel : public CMemberLayer, public IInfoMemberPanel {
public:
    CInfoMemberPanel(CWnd* pParent, BOOL bReport);

    CWnd* GetWnd() override { return this; }
    void OnAttendeeList(const Json::Value& body) override { CMemberLayer::OnAttendeeList(body); }
    // The side panel hands over the reply's body with its photo bytes.
    void OnUserProfile(const Json::Value& body, const char* pPhoto, int nPhotoLength) override
    {
        CMemberLayer::OnUserProfile(body, pPhoto, nPhotoLength);
    }
    void OnAttendeeConfirmReply(const Json::Value&) override { CMemberLayer::OnAttendeeConfirmReply(); }
    using CMemberLayer::GetProfileRect;
    BOOL GetProfileRect(CRect& rcScreen) override { return CMemberLayer::GetProfileRect(&rcScreen); }
    void ClosePopups() override { CMemberLayer::ClosePopups(); }
    void SetApprovalPending(BOOL bPending) override { m_bPending = bPending; }
    BOOL IsApprovalPending() override { return m_bPending; }
    void ResetSearch(const CString& strMeetingId) override { SetMeetingId(strMeetingId); }

private:
    BOOL m_bPending = TRUE;
};

// The makers the program gives the screens. Null when the window cannot be made.
CWnd* MakeDetailMemberPanel(CWnd* pParent, BOOL bReport, IDetailMemberPanel** ppPanel);
CWnd* MakeDetailChatControl(CWnd* pParent, const CRect& rc, UINT nId, IDetailChatControl** ppChat);
std::unique_ptr<IInfoMemberPanel> MakeInfoMemberPanel(CWnd* pParent, BOOL bReport);
