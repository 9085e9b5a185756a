#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "whiteboard/board/IBoardMeetingContext.h"

class CBoardMeetingContextStandIn : public IBoardMeetingContext {
public:
    int GetMeetingStatus() override { return 2; }
    int GetMeetingTypeCode() override { return 1; }
    BOOL IsReport() override { return FALSE; }
    int GetReportReceiverId() override { return 0; }
    BOOL TakeSkipPageSync() override { return FALSE; }
    CString GetMeetingType() override { return L"10"; }
    CString GetCurrentMeetingType() override { return L"10"; }
    int SaveBoardChanges(int, int, int) override { return 0; }
    void SetPageSync(BOOL) override {}
    int GetDocumentCount() override { return 0; }
    int GetSyncDocumentCount() override { return 0; }
    BOOL IsBeyondSyncDocuments(int) override { return FALSE; }
    int GetCurrentDocumentIndex() override { return 0; }
    BOOL IsWhiteboardDocument() override { return FALSE; }
    BOOL IsPersonalWhiteboard() override { return FALSE; }
    void SendPageCommand(int, int) override {}
    void OnPageFavoriteChanged(int, BOOL) override {}
    void OnBoardPageShown(int) override {}
    BOOL IsMeetingEnded() override { return FALSE; }
    BOOL IsApprovalPending() override { return FALSE; }
    void SetApprovalPending(BOOL) override {}
    BOOL UploadSignature(const CString&, const CString&, const CString&, const CString&, const CString&) override
    {
        return FALSE;
    }
};

class CBoardServerStandIn : public IBoardServer {
public:
    void RequestStickyNotes(const CString&, const CString&, int, int) override {}
    void RequestUserDrawing(const CString&, const CString&, int, int) override {}
    void RequestMeetingStatus(const CString&, const CString&, const CString&, BOOL) override {}
    void RequestFavorite(const CString&, const CString&, int, BOOL) override {}
};
