#pragma once
// What the main dialog asks of the meeting screen (mode 2). Outside a meeting the screen answers
// empty ids.
#include <windows.h>

#include "platform/CString.h"

class IMeetingScreen {
public:
    virtual ~IMeetingScreen() = default;

    virtual CString GetMeetingId() = 0;
    virtual CString GetCurrentDocumentId() = 0;
    // The kind of the open meeting ("10", "30") and the kind of the meeting its current document
    // comes from ("20" for the private file box).
    virtual CString GetMeetingType() = 0;
    virtual CString GetCurrentMeetingType() = 0;
    // Whether the screen's own meeting is of type 12.
    virtual BOOL IsMeetingType12() = 0;
    virtual BOOL IsMeetingRunning() = 0;
    virtual BOOL IsPageSync() = 0;
    // The title bar's synchronisation buttons switch the flag itself.
    virtual void SetPageSync(BOOL bOn) = 0;
    // Ends this user's page synchronisation (a presenter tells the others) before another
    // document is opened.
    virtual void EndPageSync(const CString& strDocumentId) = 0;
    virtual void SetVoicePermitted(BOOL bOn) = 0;
    virtual void RefreshChatRecipients() = 0;
    // Whether the board shows one of the meeting's whiteboard documents; whether the id names one
    // of the meeting's two built-in whiteboards.
    virtual BOOL IsWhiteboardDocument() = 0;
    virtual BOOL IsEmbeddedDocument(const CString& strDocumentId) = 0;

    virtual void MarkMeetingEntered() = 0;
    // How the last document was reached (its first or last page by paging past a neighbour) is
    // forgotten: the next entry opens its document where it was left.
    virtual void ForgetDocumentSource() = 0;
    virtual void OnMeetingStatusChanged(int nStatus) = 0;
    // Stores unsaved drawing and memos; returns 1 when a save was started, after which the screen
    // runs nAction itself once the save has finished.
    virtual int SaveBoardChanges(int nAction, int bTwoButtons, int bSilent) = 0;
    virtual void StartMeeting(int nArg1, int nArg2) = 0;
    // Asks the server for the attendees (and the presenter's state) of the current document;
    // bKeep: go on following the presenter afterwards.
    virtual void RequestPresenceAndSync(int bKeep) = 0;
    virtual void RequestPresence() = 0;
    // Makes the screen the application server's reply window and asks for the meeting's
    // documents of that file type.
    virtual void RequestDocumentList(const CString& strFileType) = 0;
    // The right-hand pane shows the documents of that file type ("20" the private file box)
    // afresh: unsaved drawing is saved first, and only the list is asked again.
    virtual void RefreshDocumentList(const CString& strFileType, int nRequest) = 0;
    virtual void SetFollowPresenter(const CString& strMeetingId, const CString& strDocumentId,
                                    int nOption, int bOn) = 0;
    // The target to follow once a started save has finished.
    virtual void SetPendingFollow(const CString& strMeetingId, const CString& strDocumentId,
                                  int nOption) = 0;
    virtual void ClearOtherMeetingDocument() = 0;
    virtual void OnSyncPagePush(const CString& strMeetingId, const CString& strDocumentId, int nPage,
                                int nShowCmd) = 0;
    virtual void ApplyPageCommand(const CString& strDocumentId, int nCommand, int nPage,
                                  int nTotalPage, int nRequestPage) = 0;
    // The open-document message with index -1: the meeting's built-in whiteboard. bPost: posted
    // (the screen opens it later) or sent (opened before this returns).
    virtual void OpenBuiltInWhiteboard(BOOL bPost) = 0;
    virtual void CloseMinutesViewer() = 0;
    virtual void EnableChat(BOOL bOn) = 0;
    virtual void OnChatPush(const CString& strUserName, const CString& strSentDate,
                            const CString& strTime, const CString& strMessage) = 0;

    // ---- Title bar ----
    // Whether the chat is in view (the title bar's chat button then does not blink).
    virtual BOOL IsChatOpen() = 0;
    // The connection to the application server was lost (the main dialog is about to ask
    // whether to connect again): the chat's unanswered messages show as not sent.
    virtual void OnConnectionLost() = 0;
    // Whether the open meeting has ended (the title bar then disables refresh and the file box).
    virtual BOOL IsMeetingEnded() = 0;
    // ---- Meeting screen: what the main dialog's modes, title bar, full view and commands drive ----
    virtual void EnterMeeting(const CString& strMeetingId) = 0;
    virtual void LeaveMeeting() = 0;
    // The title bar's close (save first, or ask; then log out and quit) and the log-out command.
    virtual void LeaveMeetingByTitle() = 0;
    virtual void LeaveMeetingByCommand(BOOL bReadBoard) = 0;
    // Full view on (the board over the whole screen) and off.
    virtual void RelayoutPanels() = 0;
    virtual void RecalcLayout() = 0;
    // The title bar's chat button: the right-hand pane opens or closes.
    virtual void ToggleChat() = 0;
    // A raw mouse button event of the main dialog (screen point): pop-ups it misses close.
    virtual void OnRawMouseInput(POINT ptScreen, USHORT usButtonFlags) = 0;
    // ---- Main dialog's pop-up services ----
    // The separate document viewer closes (every screen change, hide and log-out closes it).
    virtual void HideDocumentViewer() = 0;
    // The main window was hidden (FALSE): a shown sticky note hides too and remembers it; shown
    // again (TRUE): only a note hidden that way comes back.
    virtual void ShowStickyNoteIfWanted(BOOL bShow) = 0;
    // The remaining minutes of the board's option bar go to the title bar, which checks them
    // against the close alarm.
    virtual void ShowRemainingTime() = 0;
    // Set before switching to the meeting screen: follow the presenter on entry, the entry
    // document flag, the document whose attendees are asked.
    virtual void SetFollowOnEntry(BOOL bFollow) = 0;
    virtual void SetEntryDocument(int nEntry) = 0;
    virtual void SetPresenceDocumentId(const CString& strId) = 0;
    // ---- Meeting detail screen: entering the meeting ----
    // The detail writes these before it switches to the meeting screen.
    // The document to open on entry (its attcFileId) and how it was chosen (0 a row, 1 its
    // feedback button).
    virtual void SetEntryDocument(const CString& strDocumentId, int nEntry) = 0;
    // Entered through the whiteboard button: the built-in whiteboard (document index -1, the
    // previous index 0), the board's share bars on and the side panel in whiteboard mode.
    virtual void EnterWithWhiteboard() = 0;
    // The presenter shows a built-in whiteboard: the board's share bars on.
    virtual void ShowWhiteboardShare() = 0;
    // Forgets the page shown last of each document (the detail was left for the list).
    virtual void ClearDocumentPages() = 0;
    // ---- Minutes panel ----
    // The minutes may not be shown: the thumbnails emptied and the board disabled; or the
    // board enabled again.
    virtual void ClearThumbnails() = 0;
    virtual void EnableBoard(BOOL bEnable) = 0;
};

