#pragma once
// CDetailChatPopup: the meeting's chat beside the detail screen, before the meeting is entered.
// It hosts the meeting chat control (made through the detail screen's hooks) in its "List" area;
// the title bar's chat button shows and hides it, a click elsewhere hides it.
#include <json/json.h>

#include "screens/detail/DetailHooks.h"
#include "ui/skin/MyBaseDialog.h"

class CDetailChatPopup : public CMyBaseDialog {
public:
    explicit CDetailChatPopup(CWnd* pParent);
    ~CDetailChatPopup() override;

    static constexpr UINT CHAT_CTRL_ID = 1000;
    // The pop-up's width; it is as high as the detail screen and stands at its right edge.
    static constexpr int POPUP_WIDTH = 290;

    void SetMeeting(const CString& strMeetingId, int nUserNumber);
    void ShowPopup(BOOL bEnabled);
    void HidePopup();
    void AddMessage(const CString& strName, const CString& strDate, const CString& strTime, const CString& strText);
    void OnChatList(const Json::Value& body);
    void OnSendReply(int nStatus, const Json::Value* pBody);
    void OnHistoryFailed();
    int GetPageNum();
    int GetPageSize();
    // Messages in the chat view (0 without a chat control).
    int GetChatItemCount();
    IDetailChatControl* GetChat() const { return m_pChat; }
    BOOL IsPopupVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }

    BOOL OnInitDialog() override;

protected:
    void OnOK() override {}
    void OnCancel() override { HidePopup(); }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void LayoutChat();

    SKIN_OBJECT* m_pList = nullptr;
    CWnd* m_pChatWnd = nullptr;
    IDetailChatControl* m_pChat = nullptr;
};
