#pragma once
// Stand-ins for what surrounds the board layer in the client: the meeting screen's state and the
// application server's requests (recorded, and optionally answered by the caller).
#include <functional>
#include <string>
#include <vector>

#include "tests/host/IBoardMeetingContextStandIn.h"
#include "whiteboard/board/IBoardMeetingContext.h"

namespace boardtest {

class StandInMeeting : public CBoardMeetingContextStandIn {
public:
    CString GetMeetingId() override { return L"MT1"; }
    CString GetCurrentDocumentId() override { return boardDoc; }
    void SetBoardDocumentId(const CString& id) override { boardDoc = id; }
    BOOL IsMeetingLive() override { return live; }
    BOOL IsPageSync() override { return sync; }
    BOOL IsPresenterMe() override { return presenter; }
    int GetPresenterIdnfr() override { return 77; }
    BOOL CanShare() override { return canShare; }
    BOOL IsDocumentFixed() override { return fixed; }
    int GetMeetingStatus() override { return status; }
    CString boardDoc;
    BOOL live = FALSE, sync = FALSE, presenter = FALSE, canShare = TRUE, fixed = FALSE;
    int status = 2;
};

// Records every request as "<message number>:<page>" ("48" for a zoom, "49:<user>:<page>" for a
// pointer); page-image requests also go to onPageImage when it is set.
class RecordingServer : public CBoardServerStandIn {
public:
    void RequestPageSync(const CString&, const CString&, int page) override { log.push_back("15:" + std::to_string(page)); }
    void RequestPageImage(const CString&, const CString&, int page) override
    {
        log.push_back("24:" + std::to_string(page));
        requested.push_back(page);
        if (onPageImage)
            onPageImage(page);
    }
    void RequestDrawingEvent(const CString&, const CString&, int, const CString&) override {}
    void RequestFigures(const CString&, const CString&, int page) override { log.push_back("39:" + std::to_string(page)); }
    void RequestZoom(const CString&, const CString&, float, int, int) override { log.push_back("48"); }
    void RequestPointer(const CString&, int user, const CString&, int page, int, int, int, int, int) override
    {
        log.push_back("49:" + std::to_string(user) + ":" + std::to_string(page));
    }
    std::vector<std::string> log;
    std::vector<int> requested;
    std::function<void(int)> onPageImage;
};

}  // namespace boardtest
