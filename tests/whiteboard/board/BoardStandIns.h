#pragma once
// Stand-ins for what surrounds the board layer in the client: the meeting screen's state and the
// application server's requests (recorded, and optionally answered by the caller).
#include <functional>
#include <string>
#include <vector>

#include "platform/StringConversion.h"
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
    BOOL IsReport() override { return report; }
    int GetReportReceiverId() override { return receiver; }
    BOOL TakeSkipPageSync() override
    {
        const BOOL was = skipSync;
        skipSync = FALSE;
        return was;
    }
    CString GetMeetingType() override { return meetingType; }
    CString GetCurrentMeetingType() override { return currentMeetingType; }
    int SaveBoardChanges(int action, int, int) override
    {
        calls.push_back("save:" + std::to_string(action));
        return 1;
    }
    void SetPageSync(BOOL on) override { sync = on; }
    int GetDocumentCount() override { return documents; }
    int GetSyncDocumentCount() override { return syncDocuments; }
    BOOL IsBeyondSyncDocuments(int index) override { return index >= syncDocuments; }
    int GetCurrentDocumentIndex() override { return documentIndex; }
    BOOL IsWhiteboardDocument() override { return whiteboard; }
    BOOL IsPersonalWhiteboard() override { return personal; }
    void SendPageCommand(int command, int page) override
    {
        calls.push_back("100:" + std::to_string(command) + ":" + std::to_string(page));
    }
    void OnPageFavoriteChanged(int page, BOOL favorite) override
    {
        calls.push_back("favourite:" + std::to_string(page) + (favorite ? ":Y" : ":N"));
    }
    CString boardDoc;
    BOOL live = FALSE, sync = FALSE, presenter = FALSE, canShare = TRUE, fixed = FALSE;
    BOOL whiteboard = FALSE, personal = FALSE;
    int status = 2;
    BOOL report = FALSE, skipSync = FALSE;
    int receiver = 0;
    int documents = 5, syncDocuments = 5, documentIndex = 0;
    CString meetingType = L"10", currentMeetingType = L"10";
    // What the board asked of the screen: "save:<action>", "100:<command>:<page>".
    std::vector<std::string> calls;
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
    // "17:<status>:<type>[:repeat]", "78:<page>:<Y|N>".
    void RequestMeetingStatus(const CString&, const CString& type, const CString& status, BOOL repeat) override
    {
        log.push_back("17:" + std::string(CW2A(status.GetString())) + ":" + std::string(CW2A(type.GetString())) + (repeat ? ":repeat" : ""));
    }
    void RequestFavorite(const CString&, const CString&, int page, BOOL on) override
    {
        log.push_back("78:" + std::to_string(page) + (on ? ":Y" : ":N"));
    }
    // "<page>:<user>" of each drawing asked for of another user, "<page>:<user>" of each note list.
    void RequestUserDrawing(const CString&, const CString&, int page, int user) override
    {
        userDrawings.push_back(std::to_string(page) + ":" + std::to_string(user));
    }
    void RequestStickyNotes(const CString&, const CString&, int page, int user) override
    {
        noteLists.push_back(std::to_string(page) + ":" + std::to_string(user));
    }
    std::vector<std::string> userDrawings, noteLists;
    std::vector<std::string> log;
    std::vector<int> requested;
    std::function<void(int)> onPageImage;
};

}  // namespace boardtest
