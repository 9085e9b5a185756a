#pragma once
// What the board layer needs of the meeting screen around it: the open meeting's state and
// role. The meeting screen implements it; tests give a stand-in.
#include <windows.h>

#include "platform/CString.h"

class IBoardMeetingContext {
public:
    virtual ~IBoardMeetingContext() = default;
    virtual CString GetMeetingId() = 0;
    virtual CString GetCurrentDocumentId() = 0;
    virtual void SetBoardDocumentId(const CString& documentId) = 0;
    // The meeting runs (status 2, 12 or 13) / page synchronisation is on.
    virtual BOOL IsMeetingLive() = 0;
    virtual BOOL IsPageSync() = 0;
    virtual BOOL IsPresenterMe() = 0;
    // userIdnfr of the meeting's presenter.
    virtual int GetPresenterIdnfr() = 0;
    // The meeting lets attendees move pages themselves.
    virtual BOOL CanShare() = 0;
    // The meeting screen shows one fixed document (no moving to a neighbouring one).
    virtual BOOL IsDocumentFixed() = 0;
    // The meeting's status code (1 not started, 2 running, 11-13 a report's), its type code, and
    // whether it is a report: they choose what the option bar offers.
    virtual int GetMeetingStatus() = 0;
    virtual int GetMeetingTypeCode() = 0;
    virtual BOOL IsReport() = 0;
    // userIdnfr of a report's receiver (the approver whose drawing and notes a finished report
    // shows); 0 without one.
    virtual int GetReportReceiverId() = 0;
    // Whether the screen has just opened a document itself, and forgets it: the side panel's
    // selection that follows such an opening is not the presenter's page choice.
    virtual BOOL TakeSkipPageSync() = 0;

    // ---- What the board's bar commands need of the meeting screen ----
    // The screen's meeting type text ("10" meeting, "30" report) and the current meeting's type
    // text ("20" a private file box).
    virtual CString GetMeetingType() = 0;
    virtual CString GetCurrentMeetingType() = 0;
    // Saves the unsaved drawing and notes (the action resumed afterwards, a two-button question,
    // silently); 1 when a save started.
    virtual int SaveBoardChanges(int nAction, int bTwoButtons, int bSilent) = 0;
    virtual void SetPageSync(BOOL bOn) = 0;
    // The right pane's meeting documents: how many, how many are followed with the presenter,
    // and whether an index lies at or beyond the followed ones.
    virtual int GetDocumentCount() = 0;
    virtual int GetSyncDocumentCount() = 0;
    virtual BOOL IsBeyondSyncDocuments(int nIndex) = 0;
    // Index of the open document in the meeting's list (0 without one).
    virtual int GetCurrentDocumentIndex() = 0;
    // The board shows one of the meeting's two whiteboard documents / the personal one.
    virtual BOOL IsWhiteboardDocument() = 0;
    virtual BOOL IsPersonalWhiteboard() = 0;
    // A whiteboard page to add (1) or delete (2) at a page: the server answers with the new pages.
    virtual void SendPageCommand(int nCommand, int nPage) = 0;
    // The page became a favourite or stopped being one: the side panel's rows follow.
    virtual void OnPageFavoriteChanged(int nPage, BOOL bFavorite) = 0;
    // The board shows another page (keys, option bar, slider, following, the side panel): the
    // side panel's thumbnail and bookmark rows select it.
    virtual void OnBoardPageShown(int nPage) = 0;

    // ---- Approvals ----
    // The meeting has ended: the bars' controls stay disabled.
    virtual BOOL IsMeetingEnded() = 0;
    // The logged-in user has still to approve or reject (the side panel's attendee list says so);
    // cleared once his decision reached the server.
    virtual BOOL IsApprovalPending() = 0;
    virtual void SetApprovalPending(BOOL bPending) = 0;
    // Sends the user's decision ("Y" approve, "N" reject) on the document with his signature
    // picture; FALSE when the server did not take it (the user was told why).
    virtual BOOL UploadSignature(const CString& strMeetingId, const CString& strAttcFileId,
                                 const CString& strConfirmYn, const CString& strConfirmDate,
                                 const CString& strImagePath) = 0;
};

// The application-server requests the board sends. The default sends them through the
// application-server client; tests record them.
class IBoardServer {
public:
    virtual ~IBoardServer() = default;
    virtual void RequestPageSync(const CString& mtngId, const CString& attcFileId, int page) = 0;        // M00000015
    virtual void RequestPageImage(const CString& mtngId, const CString& attcFileId, int page) = 0;       // M00000024
    virtual void RequestDrawingEvent(const CString& mtngId, const CString& attcFileId, int page,
                                     const CString& content) = 0;                                      // M00000030
    virtual void RequestFigures(const CString& mtngId, const CString& attcFileId, int page) = 0;         // M00000039
    virtual void RequestZoom(const CString& mtngId, const CString& attcFileId, float zoom, int x, int y) = 0;  // M00000048
    virtual void RequestPointer(const CString& mtngId, int presenterIdnfr, const CString& attcFileId, int page, int x,
                                int y, int color, int size, int shape) = 0;                            // M00000049
    // ---- Whiteboard tools ----
    // The sticky notes of a document (userIdnfr 0: the user's own).
    virtual void RequestStickyNotes(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr) = 0;  // M00000063
    // A page's stored drawing by another user (a report's receiver), without its image.
    virtual void RequestUserDrawing(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr) = 0;  // M00000024
    // ---- Bar commands ----
    // The meeting's or report's status ("02" started, "04" ended, "13"/"14" a report's decision);
    // repeat: a restart.
    virtual void RequestMeetingStatus(const CString& mtngId, const CString& mtngType, const CString& status,
                                      BOOL repeat) = 0;                                                 // M00000017
    virtual void RequestFavorite(const CString& mtngId, const CString& attcFileId, int page, BOOL on) = 0;  // M00000078
};
