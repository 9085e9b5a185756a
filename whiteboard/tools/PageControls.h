#pragma once
// What the option bar and the presenter toolbar share: the page navigation controls (previous and
// next page or document, the page number, the total and the slider) with their enable rules and
// the page number's Enter, and the 2-pixel slide of a bar in and out.
#include <functional>

#include "platform/Edit.h"
#include "platform/Wnd.h"
#include "ui/controls/ZELSlideBar.h"
#include "whiteboard/board/IBoardOptCtrlEventListener.h"
#include "whiteboard/tools/OptBarRules.h"

class CPageControls {
public:
    struct S_IDS {
        UINT prevPage, nextPage, prevDoc, nextDoc;
    };
    explicit CPageControls(const S_IDS& ids) : m_ids(ids) {}
    void Attach(CWnd* pBar, ZELSlideBar* pSlider, CEdit* pEdit);

    // Total text, page number, slider, and the buttons shown and enabled by the rules.
    void Show(const S_PAGE_STATE& state);
    // The page the slider points at while dragged: number and total only, nothing moves.
    void ShowPreview(int page, int total);
    int GetCurrent() const { return m_nCurrent; }
    int GetTotal() const { return m_nTotal; }
    const CString& GetTotalText() const { return m_strTotal; }
    // The total text and the light frame around the page number.
    void Paint(HDC dc, const RECT& rcTotal, UINT format, const RECT& rcFrame, COLORREF textColor) const;
    // Enter in the page number: a page in 1..total goes to the listener; anything else is answered
    // with the OK pop-up and the number shown again. TRUE when the message was that key.
    BOOL OnEnter(const MSG* pMsg, IBoardOptCtrlEventListener* pListener);
    // The navigation buttons' commands; FALSE for other ids.
    BOOL OnCommand(UINT id, int docIndex, IBoardOptCtrlEventListener* pListener);

private:
    S_IDS m_ids;
    CWnd* m_pBar = nullptr;
    ZELSlideBar* m_pSlider = nullptr;
    CEdit* m_pEdit = nullptr;
    CString m_strTotal;
    int m_nCurrent = 1, m_nTotal = 1;
};

// The sliding of a bar: 2 pixels a tick up to the target height and back, on the bar's timers
// 1 (in) and 3 (out); place(height) puts the bar for a height.
class CSlideState {
public:
    static const int kStep = 2;
    static const UINT_PTR kTimerIn = 1;
    static const UINT_PTR kTimerOut = 3;
    // The tick interval for a slide of 'target' pixels taking 'duration' ms.
    static UINT Interval(int duration, int target) { return target >= 2 ? (UINT)(duration / (target / 2)) : 1; }

    void Attach(CWnd* pBar, std::function<void(int)> place) { m_pBar = pBar; m_place = std::move(place); }
    // A slide one way ends a slide the other way still running, so the two never fight.
    void SlideIn(int target, int duration);
    void SlideOut(BOOL immediately, int duration);
    // The bar's timer; FALSE for a timer that is not the slide's.
    BOOL OnTimer(UINT_PTR id);
    int Height() const { return m_nHeight; }
    int State() const { return m_nState; }

private:
    CWnd* m_pBar = nullptr;
    std::function<void(int)> m_place;
    int m_nTarget = 0;
    int m_nHeight = 0;
    int m_nState = 0;
};
