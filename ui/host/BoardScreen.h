#pragma once
#include <windows.h>

#include <json/json.h>

#include "platform/CString.h"

// What the main dialog asks of the meeting screen's board layer and its information side panel.
class IBoardLayer {
public:
    virtual ~IBoardLayer() = default;
    // Presentation and option bars for a shared whiteboard (1) or a normal document (0).
    virtual void OnOptShare(int bOn, int nReserved) = 0;
    virtual int GetCurrentPage() = 0;
    // The board layer's own window (the side panel's page strips post their page moves to it),
    // the page number its option bar shows, and the information bar's synchronisation check.
    virtual HWND GetBoardWindow() = 0;
    virtual int GetOptPageIndex() = 0;
    virtual void EnableInfoSync(BOOL bEnable) = 0;
    // The presenter's strokes: one added, one removed (an empty id: the page's shared drawing),
    // every page's shared drawing cleared.
    virtual void AddRemoteLine(int nPage, const Json::Value& line) = 0;
    virtual void RemoveLine(int nPage, const CString& strLineId) = 0;
    virtual void ClearAllOverlays() = 0;
    virtual void QueueRemoteZoom(float fZoom, int nOriginX, int nOriginY) = 0;
    virtual void ShowRemotePointer(const CString& strMeetingId, int nUserId, const CString& strDocumentId, int nPage,
                                   const CString& strX, const CString& strY, const CString& strColor,
                                   const CString& strSize, const CString& strShape) = 0;
};

class IInfoLayer {
public:
    virtual ~IInfoLayer() = default;
    virtual void SetWhiteboardMode(BOOL bWhiteboard) = 0;
    // The attendees' tab (a new session starts there).
    virtual void ShowMainTab() = 0;
};
