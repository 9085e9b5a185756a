#pragma once
// CRightContainerWnd: the collapsible pane on the right of the meeting screen. It holds the chat,
// the meeting's documents, the private documents (in the documents' place when the file box is
// shown) and the hidden minutes list; keeps its collapsed state in the settings; passes its
// children's requests on to the meeting screen; and is the one door through which the screen
// reaches those children.
#include <memory>
#include <vector>

#include <json/json.h>

#include "features/documents/MeetingDocListCtrl.h"
#include "screens/meeting/MeetingPanelMakers.h"
#include "screens/meeting/PrivateDocListCtrl.h"
#include "ui/controls/ZELContainerWnd.h"

class CTasResponse;

class CRightContainerWnd : public CZELContainerWnd {
public:
    static constexpr UINT kControlId = 22740;
    enum : UINT { ID_CHAT = 1000, ID_DOCUMENTS = 0, ID_MINUTES = 32882, ID_PRIVATE = 0 };

    // pDocHost answers the meeting document list's questions (the meeting screen).
    explicit CRightContainerWnd(IMeetingDocListHost* pDocHost);
    ~CRightContainerWnd() override;
    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);

    void SetMeeting(const CString& strMeetingId, int nUserNumber);
    CString GetChatLastMessageId();
    int GetChatPageNum();
    int GetChatPageSize();
    int GetChatItemCount();
    void OnChatList(const Json::Value& body);
    // A reply to a chat request (M00000031 send answer, M00000032 history page).
    void OnChatReply(CTasResponse* pReply);
    void OnChatPush(const CString& strName, const CString& strDate, const CString& strTime, const CString& strMessage);
    void SetChatState(BOOL bMeetingInactive, BOOL bShowOption, BOOL bChatOn);
    void EnableChat(BOOL bOn);
    void ResetChat(BOOL bClear);
    void RelayoutChat();
    void FillChatRecipients();
    void MarkChatSendsFailed();

    void SetDocuments(const std::vector<CMeetingDocument*>& documents);
    void SelectDocument(const CString& strAttcFileId);
    void RequestDocuments(const CString& strFileType, BOOL bRequest);
    void SetActiveDocumentPane(const CString& strFileType, BOOL bSet);
    void ShowDocumentPane(const CString& strFileType, BOOL bShow);
    int GetDocumentCount();
    int GetMainDocumentCount();
    BOOL IsPageBeyond(int nIndex);
    void OnThumbnailState(int nValue);

    void OnMinutesList(const Json::Value& body, BOOL bValid);
    void SetMinutesDocuments(const std::vector<CMeetingDocument*>& documents);
    void SelectMinutes(const CString& strAttcFileId);
    void EnableMinutesList(BOOL bEnable);
    void CloseMinutesViewer();

    void UpdateTitle();
    void OnToggle() override;
    void RecalcLayout();
    void ShowPanes();
    void SaveCollapsed(int bCollapsed);

    CMeetingDocListCtrl* GetDocumentList() const { return m_pDocList.get(); }
    CPrivateDocListCtrl* GetPrivateList() const { return m_pPrivateList.get(); }
    BOOL GetChatOn() const { return m_bChatOn; }
    // The chat pane is on the screen: the container is open and the pane shown.
    BOOL IsChatInView() const;
    BOOL IsPrivatePaneActive() const { return m_pPrivateList && m_pPrivateList->IsActive(); }

protected:
    BOOL IsMeetingEnded() const override;
    void StopChatBlink() override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnRelayOpen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayUpload(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayArchive(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayReturn(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRelayPost(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnChatOption(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    static CString SettingsFile();

    IMeetingDocListHost* m_pDocHost;
    CWnd* m_pChatWnd = nullptr;
    IMeetingChatPanel* m_pChat = nullptr;
    std::unique_ptr<CMeetingDocListCtrl> m_pDocList;
    CWnd* m_pMinutesWnd = nullptr;
    IMeetingMinutesList* m_pMinutes = nullptr;
    std::unique_ptr<CPrivateDocListCtrl> m_pPrivateList;
    BOOL m_bMinutesShown = FALSE;
    BOOL m_bChatOn = FALSE;
};
