#pragma once
// What the meeting's document pane asks of the meeting it shows and of the main dialog: the
// meeting's state, whether the user follows the presenter's pages, and the requests the pane's
// buttons start. The meeting screen answers for both.
#include "platform/CString.h"

class CWnd;

class IMeetingDocListHost {
public:
    virtual ~IMeetingDocListHost() = default;
    virtual BOOL IsMeetingEnded() = 0;
    virtual BOOL IsPresenterMe() = 0;
    virtual BOOL IsMeetingType12() = 0;
    // 30 for a report.
    virtual int GetMeetingKind() = 0;
    // The meeting screen hides the meeting's documents from this user.
    virtual BOOL IsDocumentListHidden() = 0;
    virtual BOOL IsPageSyncOn() = 0;
    // Tells the user that a reference document cannot be opened while following the presenter.
    virtual void ShowPageSyncBlocked() = 0;
    virtual void RequestDocumentList(const CString& strFileType) = 0;
    virtual void RefreshDocumentList(const CString& strFileType) = 0;
    virtual BOOL OpenDocumentOnBoard(const CString& strAttcFileId) = 0;
    // The window the option menu's commands go to (the main dialog).
    virtual CWnd* GetMenuCommandTarget() = 0;
};
