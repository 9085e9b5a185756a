#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "screens/detail/DetailHooks.h"

class CDetailChatControlStandIn : public IDetailChatControl {
public:
    void OnSendReply(int /*nStatus*/, const Json::Value* /*pBody*/) override {}
    void OnHistoryFailed() override {}
};
