#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "whiteboard/board/BoardBars.h"

class CBoardOptBarStandIn : public IBoardOptBar {
public:
    void SetMode(int mode) override { (void)mode; }
    void ApplyShareState(int sharing) override { (void)sharing; }
    void SetMeetingTime(const Json::Value&) override {}
};
