#pragma once
// CDetailLayer: the meeting detail screen (mode 1 of the main dialog). It shows one meeting or
// report: the title, the attendee panel on the left, the list of schedule, place, documents and
// contents on the right, a status line and the buttons that start, end or restart a meeting and
// confirm, end or update a report. While it is shown it is the application server's reply
// window. It uploads files to the meeting, opens documents in the meeting screen, enters the
// meeting screen by itself when a running meeting's presenter shows a document, shows a
// report's opinion once, hosts the chat pop-up and follows the pushes the main dialog hands it.
#include <winsock2.h>
#include <windows.h>

#include <vector>

#include "ui/host/DetailScreen.h"
#include "platform/Time.h"
#include "screens/detail/DetailHooks.h"
#include "screens/detail/DetailRules.h"
#include "ui/skin/MyBaseDialog.h"

class CMeeting;
class CMeetingDocument;
class CDetailListCtrl;
class CDetailChatPopup;
class CReportConfirmDlg;
class CReportOpinionDlg;
class CTasResponse;
struct MYLIST_ITEM;

class CDetailLayer : public CMyBaseDialog, public IDetailScreen {
public:
    explicit CDetailLayer(CWnd* pParent);
    ~CDetailLayer() override;

    static const UINT LIST_CTRL_ID = 11000;
    static const UINT_PTR REFRESH_TIMER = 1000;
    static const UINT REFRESH_DELAY_MS = 100;

    // IDetailScreen.
    CString GetMeetingId() override;
    void RefreshDetail() override;
    void SetPreviousMode(int nMode) override { m_nPrevMode = nMode; }
    void ShowMeeting(const CString& strMeetingId) override;
    void LeaveDetail() override;
    void ClosePopups() override;
    void ToggleChatPopup() override;
    BOOL IsChatPopupVisible();
    void OnRawMouseInput(const tagRAWINPUT* pRaw) override;
    void OnPushBroadcast01() override;
    void OnPushBroadcast02() override;
    void OnPushBroadcast03() override;
    void OnPushBroadcast05(int nUserId) override;
    void OnPushBroadcast08() override;
    void OnPushBroadcast10() override;
    void OnPushBroadcast14() override;
    void OnPushBroadcast19() override;
    void OnPushBroadcast20() override;
    void OnPushBroadcast23(int nUserId, const CString& strAttendanceYn) override;
    void OnPushBroadcast25() override;
    void OnPushBroadcast28() override;
    void OnPushSync03(const CString& strUserName, const CString& strSentDate, const CString& strTime,
                      const CString& strMessage) override;

    // Actions (the buttons call them; tests may too).
    void OnStartMeeting();
    void OnEndMeeting();
    void OnRestartMeeting();
    void OnStartReport();
    void OnEndReport();
    void OnUpdateFeedback();
    void ProcReportConfirm();
    void OpenDocument(CMeetingDocument* pDocument, int nEntry);
    void UploadFile();
    void SendAttendance(BOOL bAttend);

    // State, for the program's diagnostics and tests.
    CMeeting* GetMeeting() const { return m_pMeeting; }
    BOOL IsLoading() const { return m_bLoading; }
    int GetPrevMode() const { return m_nPrevMode; }
    CDetailListCtrl* GetList() const { return m_pList; }
    CDetailChatPopup* GetChatPopup() const { return m_pChatPopup; }
    CWnd* GetMemberPanelWnd() const { return m_pMemberWnd; }
    IDetailMemberPanel* GetMemberPanel() const { return m_pMemberPanel; }
    SKIN_OBJECT* GetSkinObject(const wchar_t* pszName) const;
    BOOL IsObjectShown(const wchar_t* pszName) const;
    CString GetObjectText(const wchar_t* pszName) const;
    BOOL WillRefreshOnStatusReply() const { return m_bRefreshOnStatusReply; }
    BOOL IsReport() const;
    BOOL IsMeetingRunning() const;
    // The hit-test code of the resize border at a client point (HTNOWHERE outside it).
    LRESULT HitTestBorder(CPoint pt) const;

    BOOL OnInitDialog() override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;

protected:
    void OnOK() override {}
    void OnCancel() override {}

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnReceiveM00000004(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000005(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000006(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000008(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000017(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000018(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000021(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000031(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000032(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000038(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000052(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReceiveM00000096(WPARAM wParam, LPARAM lParam);
    // The row a row button's posted message names (by its id), or null once a refresh replaced it.
    MYLIST_ITEM* PostedRow(WPARAM wParam);
    afx_msg LRESULT OnAddFileButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAddToDataBox(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFavoriteButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFeedbackButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWhiteboardButton(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnReplyNotice(WPARAM wParam, LPARAM lParam);
    afx_msg void OnListButtonDown(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnListButtonUp(NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    enum ENotice { NOTICE_OPINION = 1, NOTICE_LOAD_FAILED = 2, NOTICE_DATA_BOX_ERROR = 3, NOTICE_FAVORITE_ERROR = 4 };

    void LayoutPanels();
    void ReplaceMemberPanel();
    void DestroyMemberPanel();
    void BeginLoading();
    void EndLoading();
    void ClearDetail();
    void DeleteDocumentCopies();
    void FillDetailList();
    void UpdateButtons();
    int GetRemainMinutes() const;
    void RequestChatHistory();
    void RequestJoinOpenMeeting();
    void StartRefreshTimer();
    void RunStatusAction(detailrules::EAction eAction, const CString& strQuestion);
    void SendStatusRequest(const detailrules::SStatusRequest& request, const CString& strDateTime);
    int AskQuestion(const CString& strText);
    void PostNotice(ENotice eNotice, const CString& strText = CString());
    void SetObjectText(SKIN_OBJECT* pObject, const CString& strText);
    void ReadUserFlags(const Json::Value& list);
    CRect GetChatButtonScreenRect() const;

    // Skin objects, looked up at initialisation.
    SKIN_OBJECT* m_pLeft = nullptr;
    SKIN_OBJECT* m_pTextTitle = nullptr;
    SKIN_OBJECT* m_pImgPaperT = nullptr;
    SKIN_OBJECT* m_pImgPaperF = nullptr;
    SKIN_OBJECT* m_pListArea = nullptr;
    SKIN_OBJECT* m_pTextStatus = nullptr;
    SKIN_OBJECT* m_pBtnReportConfirm = nullptr;
    SKIN_OBJECT* m_pBtnReportStart = nullptr;
    SKIN_OBJECT* m_pBtnReportEnd = nullptr;
    SKIN_OBJECT* m_pBtnFeedbackUpdate = nullptr;
    SKIN_OBJECT* m_pBtnStart = nullptr;
    SKIN_OBJECT* m_pBtnEnd = nullptr;
    SKIN_OBJECT* m_pBtnRestart = nullptr;
    SKIN_OBJECT* m_pGroupTime = nullptr;
    SKIN_OBJECT* m_pTextTime = nullptr;

    int m_nPrevMode = 0;
    BOOL m_bLoading = FALSE;
    CString m_strMeetingId;
    CString m_strDocumentId;
    CString m_strMeetingType = L"10";
    CMeeting* m_pMeeting = nullptr;
    CTime m_tmStart;
    CTime m_tmEnd;
    CWnd* m_pMemberWnd = nullptr;
    IDetailMemberPanel* m_pMemberPanel = nullptr;
    std::vector<CMeetingDocument*> m_docCopies;
    CDetailListCtrl* m_pList = nullptr;
    POINT m_ptListPress = {0, 0};
    CDetailChatPopup* m_pChatPopup = nullptr;
    CReportOpinionDlg* m_pOpinionDlg = nullptr;
    CReportConfirmDlg* m_pConfirmDlg = nullptr;
    BOOL m_bOpinionShown = FALSE;
    BOOL m_bRefreshOnStatusReply = FALSE;
};
