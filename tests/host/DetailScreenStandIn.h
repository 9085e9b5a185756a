#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "ui/host/DetailScreen.h"

class CDetailScreenStandIn : public IDetailScreen {
public:
    BOOL IsChatPopupVisible() override { return FALSE; }
    void SetPreviousMode(int nMode) override { (void)nMode; }
    void ShowMeeting(const CString& strMeetingId) override { (void)strMeetingId; }
    void LeaveDetail() override {}
    void ClosePopups() override {}
    void ToggleChatPopup() override {}
    void OnRawMouseInput(const tagRAWINPUT* pRaw) override { (void)pRaw; }
};
