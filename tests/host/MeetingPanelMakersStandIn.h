#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "screens/meeting/MeetingPanelMakers.h"

class CMeetingChatPanelStandIn : public IMeetingChatPanel {
public:
    void MarkPendingSendsFailed() override {}
    BOOL OnServerReply(const CTasResponse* pReply) override {
        (void)pReply;
        return FALSE;
    }
};
