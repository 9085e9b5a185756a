#pragma once
// The board's requests through the application-server client, with replies routed to the
// meeting screen's window.
#include "whiteboard/board/IBoardMeetingContext.h"

class CBoardTasServer : public IBoardServer {
public:
    // hReplyWindow: the window that receives the replies (the meeting screen); null keeps the
    // client's current receiver.
    explicit CBoardTasServer(HWND hReplyWindow) : m_hReplyWindow(hReplyWindow) {}
    void RequestPageSync(const CString& mtngId, const CString& attcFileId, int page) override;
    void RequestPageImage(const CString& mtngId, const CString& attcFileId, int page) override;
    void RequestDrawingEvent(const CString& mtngId, const CString& attcFileId, int page, const CString& content) override;
    void RequestFigures(const CString& mtngId, const CString& attcFileId, int page) override;
    void RequestZoom(const CString& mtngId, const CString& attcFileId, float zoom, int x, int y) override;
    void RequestPointer(const CString& mtngId, int presenterIdnfr, const CString& attcFileId, int page, int x, int y,
                        int color, int size, int shape) override;
    void RequestStickyNotes(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr) override;
    void RequestUserDrawing(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr) override;
    void RequestMeetingStatus(const CString& mtngId, const CString& mtngType, const CString& status,
                              BOOL repeat) override;
    void RequestFavorite(const CString& mtngId, const CString& attcFileId, int page, BOOL on) override;

private:
    void RouteRepliesHere();
    HWND m_hReplyWindow;
};
