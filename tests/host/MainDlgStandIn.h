#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "ui/host/MainDlg.h"

class CZELMainDlgStandIn : public IZELMainDlg {
public:
    CString GetScreenMeetingId() override { return CString(); }
    IListScreen* GetMainLayer() override { return nullptr; }
    IDetailScreen* GetDetailLayer() override { return nullptr; }
    IMeetingScreen* GetMeetingLayer() override { return nullptr; }
    ITitleBar* GetTitleLayer() override { return nullptr; }
    void ReloadScreen(BOOL bKeepPage, int nPage) override {
        (void)bKeepPage;
        (void)nPage;
    }
    void RefreshCurrentScreen() override {}
    BOOL IsKeyNavigationMode() override { return FALSE; }
    void EnterFullView(BOOL bKeepRect) override { (void)bKeepRect; }
    void LeaveFullView() override {}
    int ShowTitledConfirm(const CString& strTitle, const CString& strText) override {
        (void)strTitle;
        return ShowConfirmPopup(strText);
    }
    void ShowAlert(const CString& strText) override { ShowToast(strText); }
    void ShowTrayPopup(const CString& strText, const CString& strSecond, const CString& strBracketTitle,
                       int nId, const CString& strExtra, int nFlag) override {
        (void)strSecond;
        (void)strBracketTitle;
        (void)nId;
        (void)strExtra;
        (void)nFlag;
        ShowToast(strText);
    }
    void CloseOpenPopups() override {}
    BOOL CheckPageSyncBlocked() override { return FALSE; }
    void SetTitleText(const CString& strText) override { (void)strText; }
    void SetRemainTime(const CString& strMinutes) override { (void)strMinutes; }
    void ClearRemainTime() override {}
    void CheckRemainTime() override {}
    void EnableRefreshButton(BOOL bEnable) override { (void)bEnable; }
    void EnableBackButton(BOOL bEnable) override { (void)bEnable; }
    void ScheduleRefreshButton(BOOL bEnable, UINT nMs) override {
        (void)bEnable;
        (void)nMs;
    }
    void SetTitleCounter(int nValue, BOOL bHide) override {
        (void)nValue;
        (void)bHide;
    }
    void SetVoicePermission(const CString& strYn) override { (void)strYn; }
    int GetShowCmd() override { return 1; }
    BOOL IsHiddenOrMinimized() override { return FALSE; }
    void OnCmdRestoreWindow() override {}
    CRect GetMonitorRect() override { return CRect(0, 0, 0, 0); }
    void RequestLogout(BOOL bQuit) override { (void)bQuit; }
    BOOL IsPageSyncOn() override { return FALSE; }
    void SetPageSync(const CString& strYn) override { (void)strYn; }
    void SetWatchMeetingId(const CString& strMeetingId) override { (void)strMeetingId; }
    CString GetSignDataPath() override { return CString(); }
    CString GetWatermarkText() override { return CString(); }
    void PlayMeetingStartSound() override {}
    void RefreshDocumentList(const CString& strKind, int nArg) override {
        (void)strKind;
        (void)nArg;
    }
    void RequestDocumentList(const CString& strFileType) override { (void)strFileType; }
    BOOL OpenDocumentOnBoard(const CString&) override { return TRUE; }
    void OpenDataBox() override {}
    void ShowChangePassword() override {}
    void RefreshChatRecipients() override {}
    int LaunchVideoProcess(const CString& strCommandLine) override {
        (void)strCommandLine;
        return 0;
    }
    int SaveBoardSilently(int nAction) override {
        (void)nAction;
        return 0;
    }
    HWND GetBoardLayerHwnd() override { return nullptr; }
    int GetBoardCurrentPage() override { return 0; }
    int GetBoardOptPageIndex() override { return 0; }
    void EnableBoardInfoButton(BOOL bEnable) override { (void)bEnable; }
    CWnd* GetDrawToolWnd() override { return nullptr; }
};
