#pragma once
// The meeting screen hosts panels that live in other libraries: the information side panel on the
// left, and the chat and minutes panes of the right-hand container. The program sets a maker for
// each (it links every library); the screen talks to a panel only through the small interface
// below. A missing maker leaves an empty column or pane and the calls are skipped.
//
// A maker creates its window as a visible child of pParent with the id and rectangle given and
// returns it with its interface (usually the same object). The screen owns the window: it destroys
// it and deletes the object when it goes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <json/json.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

class CWnd;
class CMeetingDocument;
class CTasResponse;

// The information side panel (attendees, thumbnails, bookmarks).
class IMeetingInfoPanel {
public:
    virtual ~IMeetingInfoPanel() = default;
    // Expanded (283 pixels wide) or collapsed (28).
    virtual BOOL IsShown() = 0;
    // A meeting was entered: forget the last one, restore the saved shown state and tab.
    virtual void LoadSettings() = 0;
    // A whiteboard document hides the page tabs.
    virtual void SetWhiteboardMode(BOOL bWhiteboard) = 0;
    // The attendees' tab, remembered for the next meeting.
    virtual void ShowMainTab() = 0;
    // Replies for the attendee panel: the attendee list (M00000004), a profile (M00000006), an
    // attendee confirmation (M00000018; bOk FALSE: only enable the panel again).
    virtual void OnAttendeeList(const Json::Value& body) = 0;
    // A profile reply (M00000006): its body and the photo bytes that came with it.
    virtual void OnUserProfile(const Json::Value& body, const char* pPhoto, int nPhotoLength) = 0;
    virtual void OnAttendeeConfirm(const Json::Value& body, BOOL bOk) = 0;
    // The meeting's detail (M00000005 body): title, summary, place and times of the information view.
    virtual void SetMeetingDetail(const Json::Value& detail) = 0;
    // Following changed: bLocked (the user may not pick pages himself), nState the new state.
    // The thumbnails and the attendee view follow it.
    virtual void OnSyncStateChanged(BOOL bLocked, int nState) = 0;
    // Thumbnails of the board's document: cleared; rows for pages 1..nTotalPage; one page's
    // image (encoded bytes) and favourite mark; the row of the board's page selected.
    virtual void ClearThumbnails() = 0;
    virtual void InitThumbnails(int nTotalPage) = 0;
    virtual void SetThumbnail(int nPage, const std::string& image, BOOL bFavorite) = 0;
    virtual void SelectPage(int nPage) = 0;
    // The page the thumbnail strip's slide bar was moved to (0: no rows).
    virtual int GetThumbnailSlidePage() = 0;
    // Bookmarks (favourite pages): emptied; one added; sorted by page.
    virtual void ResetBookmarks() = 0;
    virtual void AddBookmark(int nPage, const std::string& image) = 0;
    virtual void SortBookmarks() = 0;
    // The page became a favourite or stopped being one: its thumbnail mark and bookmark row.
    virtual void OnPageFavoriteChanged(int nPage, BOOL bFavorite) = 0;
    // A left click anywhere (screen point): pop-ups of the panel that it misses close.
    virtual void ClosePopupsOutside(POINT ptScreen) = 0;
    // The logged-in user has still to approve (his entry of the last attendee list has no
    // answer); cleared when his decision reached the server.
    virtual BOOL IsApprovalPending() = 0;
    virtual void SetApprovalPending(BOOL bPending) = 0;
};

// The meeting chat of the right-hand container.
class IMeetingChatPanel {
public:
    virtual ~IMeetingChatPanel() = default;
    virtual void SetMeeting(const CString& strMeetingId, int nUserNumber) = 0;
    virtual void EnableChat(BOOL bOn) = 0;
    // TRUE: drop every message and disable the input.
    virtual void ResetChat(BOOL bClear) = 0;
    virtual void Relayout() = 0;
    virtual void FillRecipients() = 0;
    // One page of history (M00000032 reply body) and one pushed message.
    virtual void OnChatList(const Json::Value& body) = 0;
    virtual void AddMessage(const CString& strName, const CString& strDate, const CString& strTime,
                            const CString& strText, int nFlag) = 0;
    // The paging values of the next history request; the number of messages shown.
    virtual CString GetLastMessageId() = 0;
    virtual int GetPageNum() = 0;
    virtual int GetPageSize() = 0;
    virtual int GetItemCount() = 0;
    // A reply to the chat's own requests: the answer to a sent message ("M00000031"; a failure
    // marks the message as not sent) or a history page ("M00000032"). TRUE when the panel took
    // it; a panel that does not is given history pages through OnChatList.
    virtual BOOL OnServerReply(const CTasResponse* pReply) = 0;
    // The connection to the server was lost: every own message still unanswered shows as not sent.
    virtual void MarkPendingSendsFailed() = 0;
};

// The minutes list of the right-hand container (kept hidden; it receives its data).
class IMeetingMinutesList {
public:
    virtual ~IMeetingMinutesList() = default;
    virtual void Reset() = 0;
    virtual void OnMinutesList(const Json::Value& body, BOOL bValid) = 0;
    virtual void SetDocuments(const std::vector<CMeetingDocument*>& documents) = 0;
    virtual void SelectMinutes(const CString& strAttcFileId) = 0;
    virtual void CloseViewer() = 0;
};

struct SMeetingPanelMakers {
    std::function<CWnd*(CWnd* pParent, UINT nId, const CRect& rc, IMeetingInfoPanel** ppPanel)> makeInfoLayer;
    std::function<CWnd*(CWnd* pParent, UINT nId, const CRect& rc, IMeetingChatPanel** ppPanel)> makeChatPanel;
    std::function<CWnd*(CWnd* pParent, UINT nId, const CRect& rc, IMeetingMinutesList** ppPanel)> makeMinutesList;
};

void SetMeetingPanelMakers(const SMeetingPanelMakers& makers);
const SMeetingPanelMakers& GetMeetingPanelMakers();
