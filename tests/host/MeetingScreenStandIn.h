#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "ui/host/MeetingScreen.h"

class CMeetingScreenStandIn : public IMeetingScreen {
public:
    void SetPageSync(BOOL) override {}
    void EndPageSync(const CString&) override {}
    void SetVoicePermitted(BOOL) override {}
    void RefreshChatRecipients() override {}
    BOOL IsChatOpen() override { return FALSE; }
    void OnConnectionLost() override {}
    BOOL IsMeetingEnded() override { return FALSE; }
    void EnterMeeting(const CString& strMeetingId) override { (void)strMeetingId; }
    void LeaveMeeting() override {}
    void LeaveMeetingByTitle() override {}
    void LeaveMeetingByCommand(BOOL bReadBoard) override { (void)bReadBoard; }
    void ForgetDocumentSource() override {}
    void HideDocumentViewer() override {}
    void ShowStickyNoteIfWanted(BOOL bShow) override { (void)bShow; }
    void ShowRemainingTime() override {}
    void RelayoutPanels() override {}
    void RecalcLayout() override {}
    void ToggleChat() override {}
    void OnRawMouseInput(POINT ptScreen, USHORT usButtonFlags) override {
        (void)ptScreen;
        (void)usButtonFlags;
    }
    void RefreshDocumentList(const CString&, int) override {}
    void SetFollowOnEntry(BOOL bFollow) override { (void)bFollow; }
    void SetEntryDocument(int nEntry) override { (void)nEntry; }
    void SetPresenceDocumentId(const CString& strId) override { (void)strId; }
    void SetEntryDocument(const CString& strDocumentId, int nEntry) override {
        SetPresenceDocumentId(strDocumentId);
        SetEntryDocument(nEntry);
    }
    void EnterWithWhiteboard() override {}
    void ShowWhiteboardShare() override {}
    void ClearDocumentPages() override {}
    void ClearThumbnails() override {}
    void EnableBoard(BOOL bEnable) override { (void)bEnable; }
};
