#pragma once
// What the main dialog's push handling asks of the title bar.
#include "platform/CString.h"

class ITitleBar {
public:
    virtual ~ITitleBar() = default;
    // The chat button's new-message images (bOn) and whether the title bar remembers the state.
    virtual void SetChatButtonState(int bOn, int bDoNotRemember) = 0;
    virtual void SetChatBlink(int bOn) = 0;
    virtual void SetTitleText(const CString& strText) = 0;

    // ---- Meeting list screen ----
    // The list screen's kind: "온라인 회의" for meetings, "온라인 보고" for reports.
    virtual void SetListTitle(int bReports) { SetTitleText(bReports ? L"온라인 보고" : L"온라인 회의"); }
};
