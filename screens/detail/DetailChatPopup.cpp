#include "screens/detail/DetailChatPopup.h"

#include "resources/resource.h"

BEGIN_MESSAGE_MAP(CDetailChatPopup, CMyBaseDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CDetailChatPopup::CDetailChatPopup(CWnd* pParent) : CMyBaseDialog(IDD_SKIN_POPUP, pParent) {}

CDetailChatPopup::~CDetailChatPopup()
{
    if (m_pChatWnd) {
        if (m_pChatWnd->GetSafeHwnd())
            m_pChatWnd->DestroyWindow();
        delete m_pChatWnd;
    }
}

BOOL CDetailChatPopup::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    LoadScreen(L"DetailChatPopup");
    m_pList = m_Screen.FindObject(L"List");
    CRect rc;
    if (m_pList)
        m_pList->GetContentRect(rc, nullptr);
    const SDetailScreenHooks& hooks = GetDetailScreenHooks();
    if (hooks.makeChatControl) {
        m_pChatWnd = hooks.makeChatControl(this, rc, CHAT_CTRL_ID, &m_pChat);
        if (m_pChatWnd && m_pChatWnd->GetSafeHwnd())
            m_pChatWnd->ModifyStyle(0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    }
    return TRUE;
}

void CDetailChatPopup::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    LayoutChat();
}

void CDetailChatPopup::LayoutChat()
{
    if (!m_pChatWnd || !m_pChatWnd->GetSafeHwnd() || !m_pList)
        return;
    CRect rc;
    m_pList->GetContentRect(rc, nullptr);
    m_pChatWnd->MoveWindow(&rc);
}

void CDetailChatPopup::SetMeeting(const CString& strMeetingId, int nUserNumber)
{
    if (m_pChat)
        m_pChat->SetMeeting(strMeetingId, nUserNumber);
}

void CDetailChatPopup::ShowPopup(BOOL bEnabled)
{
    CWnd* pParent = GetParent();
    if (pParent && pParent->GetSafeHwnd()) {
        CRect rc;
        pParent->GetWindowRect(&rc);
        rc.left = rc.right - POPUP_WIDTH;
        MoveWindow(&rc);
    }
    ShowWindow(SW_SHOW);
    if (m_pChat)
        m_pChat->EnableChat(bEnabled);
}

void CDetailChatPopup::HidePopup()
{
    if (GetSafeHwnd())
        ShowWindow(SW_HIDE);
}

void CDetailChatPopup::AddMessage(const CString& strName, const CString& strDate, const CString& strTime,
                                  const CString& strText)
{
    if (m_pChat)
        m_pChat->AddMessage(strName, strDate, strTime, strText, 0);
}

void CDetailChatPopup::OnChatList(const Json::Value& body)
{
    if (m_pChat)
        m_pChat->OnChatList(body);
}

void CDetailChatPopup::OnSendReply(int nStatus, const Json::Value* pBody)
{
    if (m_pChat)
        m_pChat->OnSendReply(nStatus, pBody);
}

void CDetailChatPopup::OnHistoryFailed()
{
    if (m_pChat)
        m_pChat->OnHistoryFailed();
}

int CDetailChatPopup::GetPageNum()
{
    return m_pChat ? m_pChat->GetPageNum() : 1;
}

int CDetailChatPopup::GetPageSize()
{
    return m_pChat ? m_pChat->GetPageSize() : 10;
}

int CDetailChatPopup::GetChatItemCount()
{
    return m_pChat ? m_pChat->GetItemCount() : 0;
}
