#pragma once
// Tests only: harmless answers for a stand-in that does not care about a call. The program
// implements every method itself; a stand-in derives this base and overrides what its test
// checks.
#include "ui/host/TitleBar.h"

class CTitleBarStandIn : public ITitleBar {
public:
    void SetMode(int nMode) override { (void)nMode; }
    void SetListTitle(BOOL bReport) override { (void)bReport; }
    void EnableRefreshButton(BOOL bEnable) override { (void)bEnable; }
    void EnableBackButton(BOOL bEnable) override { (void)bEnable; }
    void SetRemainTime(const CString& strMinutes) override { (void)strMinutes; }
    void CheckRemainTime() override {}
    void ClearRemainTime() override {}
    void SetCounter(int nValue, BOOL bHide) override {
        (void)nValue;
        (void)bHide;
    }
    void UpdateMaxRestoreButtons() override {}
    void Relayout() override {}
    CRect GetChatButtonScreenRect() override { return CRect(); }
};
