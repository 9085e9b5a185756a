#pragma once
// What the main dialog asks of the title bar.
#include "platform/CString.h"
#include "platform/Geometry.h"

class ITitleBar {
public:
    virtual ~ITitleBar() = default;
    // The chat button's new-message images (bOn) and whether the title bar remembers the state.
    virtual void SetChatButtonState(int bOn, int bDoNotRemember) = 0;
    virtual void SetChatBlink(int bOn) = 0;
    virtual void SetTitleText(const CString& strText) = 0;

    // ---- Title bar ----
    // The controls of screen mode 0 (list), 1 (detail) or 2 (meeting).
    virtual void SetMode(int nMode) = 0;
    // List mode: "온라인 보고" for reports, else "온라인 회의"; detail mode: shows the chat
    // button; meeting mode: the full-screen button for a started meeting that is not a report.
    virtual void SetListTitle(BOOL bReport) = 0;
    virtual void EnableRefreshButton(BOOL bEnable) = 0;
    virtual void EnableBackButton(BOOL bEnable) = 0;
    // The remaining minutes of the meeting (of a report: the minutes since it started) as text;
    // the title bar then counts them once a minute.
    virtual void SetRemainTime(const CString& strMinutes) = 0;
    // The minute check of the close alarm and the blinking in the last five minutes.
    virtual void CheckRemainTime() = 0;
    virtual void ClearRemainTime() = 0;
    // The elapsed-seconds counter: shown from nValue (hidden when negative), counting each second.
    virtual void SetCounter(int nValue, BOOL bHide) = 0;
    virtual void UpdateMaxRestoreButtons() = 0;
    virtual void Relayout() = 0;
    // The chat button in screen coordinates (the detail screen's chat pop-up hangs below it).
    virtual CRect GetChatButtonScreenRect() = 0;
};
