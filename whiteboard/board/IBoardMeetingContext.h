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
};
