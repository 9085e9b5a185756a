#include <winsock2.h>

#include "whiteboard/board/BoardTasServer.h"

#include "net/protocol/TasClientManager.h"

void CBoardTasServer::RouteRepliesHere()
{
    if (m_hReplyWindow)
        CTasClientManager::GetInstance()->SetListener(m_hReplyWindow);
}

void CBoardTasServer::RequestPageSync(const CString& mtngId, const CString& attcFileId, int page)
{
    RouteRepliesHere();
    CTasClientManager::GetInstance()->RequestM00000015(mtngId, attcFileId, TRUE, page, FALSE, FALSE, FALSE);
}

void CBoardTasServer::RequestPageImage(const CString& mtngId, const CString& attcFileId, int page)
{
    CTasClientManager::GetInstance()->RequestM00000024(mtngId, attcFileId, page, 0, FALSE);
}

void CBoardTasServer::RequestDrawingEvent(const CString& mtngId, const CString& attcFileId, int page,
                                          const CString& content)
{
    // Sent from the canvas' sharing thread: the reply receiver is left as it is (the reply is not
    // read), so no window's replies are taken away from it.
    CTasClientManager::GetInstance()->RequestM00000030(mtngId, attcFileId, page, content, 1);
}

void CBoardTasServer::RequestFigures(const CString& mtngId, const CString& attcFileId, int page)
{
    CTasClientManager::GetInstance()->RequestM00000039(mtngId, attcFileId, page);
}

void CBoardTasServer::RequestZoom(const CString& mtngId, const CString& attcFileId, float zoom, int x, int y)
{
    RouteRepliesHere();
    CTasClientManager::GetInstance()->RequestM00000048(mtngId, attcFileId, zoom, x, y);
}

void CBoardTasServer::RequestPointer(const CString& mtngId, int presenterIdnfr, const CString& attcFileId, int page,
                                     int x, int y, int color, int size, int shape)
{
    RouteRepliesHere();
    CString user;
    user.Format(L"%d", presenterIdnfr);
    CTasClientManager::GetInstance()->RequestM00000049(mtngId, user, attcFileId, page, x, y, color, size, shape);
}

void CBoardTasServer::RequestStickyNotes(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr)
{
    CTasClientManager::GetInstance()->RequestM00000063(mtngId, attcFileId, page, userIdnfr);
}

void CBoardTasServer::RequestUserDrawing(const CString& mtngId, const CString& attcFileId, int page, int userIdnfr)
{
    CTasClientManager::GetInstance()->RequestM00000024(mtngId, attcFileId, page, userIdnfr, FALSE);
}

void CBoardTasServer::RequestMeetingStatus(const CString& mtngId, const CString& mtngType, const CString& status,
                                           BOOL repeat)
{
    RouteRepliesHere();
    CTasClientManager::GetInstance()->RequestM00000017(mtngId, mtngType, status, repeat, L"", FALSE, FALSE);
}

void CBoardTasServer::RequestFavorite(const CString& mtngId, const CString& attcFileId, int page, BOOL on)
{
    RouteRepliesHere();
    CString text;
    text.Format(L"%d", page);
    CTasClientManager::GetInstance()->RequestM00000078(mtngId, attcFileId, text, on ? L"Y" : L"N");
}
