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
};

class CBoardServerStandIn : public IBoardServer {
public:
    void RequestStickyNotes(const CString&, const CString&, int, int) override {}
};
