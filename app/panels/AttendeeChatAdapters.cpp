#include "app/panels/AttendeeChatAdapters.h"

#include "features/chat/ChatViewCtrl.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"

// ---- The detail screen's attendee panel ----

void CDetailMemberPanel::OnAttendeeList(const CTasResponse& reply)
{
    if (const Json::Value* pBody = reply.GetBody())
        CMemberLayer::OnAttendeeList(*pBody);
}

void CDetailMemberPanel::OnUserProfile(const CTasResponse& reply)
{
    if (const Json::Value* pBody = reply.GetBody())
        CMemberLayer::OnUserProfile(*pBody, reply.GetRawBody(), reply.GetRawBodyLength());
}

void CDetailMemberPanel::OnAttendeeConfirmReply(const CTasResponse&)
{
    CMemberLayer::OnAttendeeConfirmReply();
}

CWnd* MakeDetailMemberPanel(CWnd* pParent, BOOL bReport, IDetailMemberPanel** ppPanel)
{
    std::unique_ptr<CDetailMemberPanel> pPanel(new CDetailMemberPanel(pParent, bReport));
    if (!pPanel->Create(IDD_SKIN_CHILD, pParent))
        return nullptr;
    if (ppPanel)
        *ppPanel = pPanel.get();
    return pPanel.release();
}

// ---- The detail screen's chat ----

void CDetailChatCtrl::CControl::SetMeeting(const CString& strMeetingId, int nUserNumber)
{
    m_chat.SetMeeting(strMeetingId, nUserNumber);
}

void CDetailChatCtrl::CControl::OnHistoryFailed()
{
    // No page comes: the loading picture of an older page must not wait for one.
    if (CChatViewCtrl* pView = m_chat.GetChatView()) {
        pView->ShowLoading(FALSE);
        pView->Invalidate();
    }
}

CWnd* MakeDetailChatControl(CWnd* pParent, const CRect& rc, UINT nId, IDetailChatControl** ppChat)
{
    std::unique_ptr<CDetailChatCtrl> pChat(new CDetailChatCtrl());
    if (!pChat->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId))
        return nullptr;
    if (ppChat)
        *ppChat = pChat->GetDetailControl();
    return pChat.release();
}

// ---- The side panel's attendee page ----

CInfoMemberPanel::CInfoMemberPanel(CWnd* pParent, BOOL bReport) : CMemberLayer(pParent, bReport)
{
    SetApprovalListener([this](int nPending) { m_bPending = nPending != 0; });
}

std::unique_ptr<IInfoMemberPanel> MakeInfoMemberPanel(CWnd* pParent, BOOL bReport)
{
    std::unique_ptr<CInfoMemberPanel> pPanel(new CInfoMemberPanel(pParent, bReport));
    if (!pPanel->Create(IDD_SKIN_CHILD, pParent))
        return nullptr;
    pPanel->ShowWindow(SW_SHOW);
    return pPanel;
}
