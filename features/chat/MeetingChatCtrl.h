#pragma once
// CMeetingChatCtrl: the chat panel of a meeting. It holds the history (CChatViewCtrl), the input
// box (CChatEditCtrl), a thin scroll bar beside each, the send button and a recipient combo that
// stays hidden (chat always goes to everyone). See ChatPanel.h for how hosts use it.
#include <deque>
#include <vector>

#include "features/chat/ChatPanel.h"
#include "features/chat/ChatRules.h"
#include "platform/Wnd.h"
#include "ui/controls/ZELComboBox.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/xSkinButton.h"

class CChatViewCtrl;
class CChatEditCtrl;

struct _CHATTING_ATTENDENT_INFO {
    int userIdnfr = 0;
    CString name;
    CString position;
};

class CMeetingChatCtrl : public CWnd, public IChatPanel {
    DECLARE_DYNAMIC(CMeetingChatCtrl)
public:
    enum : UINT {
        ID_VIEW = 59648, ID_VIEW_SCROLL = 2000, ID_EDIT = 32880, ID_EDIT_SCROLL = 3000, ID_SEND = 32890,
        ID_RECIPIENTS = 32881,
    };

    CMeetingChatCtrl();
    ~CMeetingChatCtrl() override;

    // IChatPanel
    CWnd* GetWnd() override { return this; }
    void SetMeeting(const CString& strMtngId, int nUserId) override;
    void RequestHistory() override;
    BOOL OnServerReply(UINT nMessage, const CTasResponse* pReply) override;
    void OnChatList(const Json::Value& body) override;
    void OnChatPush(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                    const CString& strMessage) override;
    void AddMessage(const CString& strName, const CString& strStamp, const CString& strTime,
                    const CString& strMessage, int nOwn) override;
    void OnSendReply(int nStatus, const Json::Value* pBody) override;
    void MarkPendingSendsFailed() override;
    BOOL EnableChat(BOOL bEnable) override;
    void ResetChat(BOOL bClear) override;
    void Relayout() override;
    int GetPageNum() override { return m_nPageNum; }
    int GetPageSize() override { return m_nPageSize; }
    CString GetLastMessageId() override { return m_strLastMessageId; }
    int GetMessageCount() override;

    CChatViewCtrl* GetChatView() const { return m_pChatView; }
    CChatEditCtrl* GetEdit() const { return m_pEdit; }
    ZELScrollBar* GetViewScroll() const { return m_pViewScroll; }
    ZELScrollBar* GetEditScroll() const { return m_pEditScroll; }
    CxSkinButton& GetSendButton() { return m_btnSend; }
    CString GetReceiverId() const { return m_strReceiverId; }
    void FillRecipients(const std::vector<_CHATTING_ATTENDENT_INFO>& attendees);
    // The clock of sent messages (local time unless a test sets another).
    static void SetClock(std::function<SYSTEMTIME()> clock);
    // With bDelete the object deletes itself after its window is destroyed.
    void SetAutoDelete(BOOL bDelete) { m_bAutoDelete = bDelete; }

protected:
    void PostNcDestroy() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnScrollBarPos(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInputCaretLine(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInputEnter(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnOlderPage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSend();
    afx_msg void OnRecipientChange();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateScrollBar(BOOL bToEnd);
    void UpdateViewScrollThumb();
    void UpdateInputScrollBar(int nPos);
    void UpdateInputScrollBarToEnd();
    void ResetRecipients();
    void AddRecipient(const CString& strName, const CString& strPosition, int nUserIdnfr);
    BOOL IsMeetingEnded() const;
    int ViewClientHeight() const;

    CString m_strMtngId;
    CString m_strUserId;
    CChatViewCtrl* m_pChatView = nullptr;
    ZELScrollBar* m_pViewScroll = nullptr;
    CChatEditCtrl* m_pEdit = nullptr;
    ZELScrollBar* m_pEditScroll = nullptr;
    CxSkinButton m_btnSend;
    CString m_strLastMessageId;
    int m_nPageNum = 1;
    int m_nPageSize = 10;
    int m_nEditLine = 0;
    CString m_strUserName;
    CZELSkinComboBox* m_pRecipientCombo = nullptr;
    std::vector<_CHATTING_ATTENDENT_INFO> m_arrRecipients;
    CString m_strReceiverId;
    CBrush m_brWhite;
    BOOL m_bAutoDelete = FALSE;
    // Own messages sent and not yet answered, oldest first, by their local number.
    std::deque<int> m_pendingSends;
    int m_nNextLocal = 0;
    // An older page of history was asked for and has not come: the next page goes above the
    // messages shown, whatever arrived or was laid out meanwhile.
    BOOL m_bOlderPageAwaited = FALSE;
};
