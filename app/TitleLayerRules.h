#pragma once
// The title bar's rules that need no window: where each control goes in each screen mode, which
// border zone a point is in, what a menu entry asks of the main dialog, and the remaining
// meeting time with its close alarm and blinking.
#include <winsock2.h>
#include <windows.h>

#include "platform/CString.h"
#include "platform/Geometry.h"

// Control ids of the title bar (the main dialog's commands and the screens name them too).
enum : UINT {
    IDC_TITLE_MENU = 34500,
    IDC_TITLE_MINIMIZE = 34510,
    IDC_TITLE_MAXIMIZE = 34520,   // maximise and restore share the command
    IDC_TITLE_CLOSE = 34530,
    IDC_TITLE_LIST_TITLE = 34540,
    IDC_TITLE_REFRESH = 34550,
    IDC_TITLE_BACK = 34560,
    IDC_TITLE_CAPTION = 34570,
    IDC_TITLE_FULL_SCREEN = 34580,
    IDC_TITLE_REMAIN = 34590,
    IDC_TITLE_VIDEO = 34591,
    IDC_TITLE_FILE_BOX = 34592,
    IDC_TITLE_CHAT = 34593,
    IDC_TITLE_SYNC_OFF = 34610,
    IDC_TITLE_SYNC_ON = 34620,
    IDC_TITLE_SYNC_NONE = 34630,
    IDC_TITLE_ELAPSED = 23500,
    IDC_TITLE_BAR = 22690,        // the title bar itself, a child of the main dialog
};

// Timers of the title bar.
enum : UINT_PTR {
    TITLE_TIMER_MINUTE = 1000,    // remaining (or, for a report, elapsed) minutes
    TITLE_TIMER_BLINK = 1001,     // the remaining time's red and white
    TITLE_TIMER_COUNTER = 1002,   // the elapsed seconds
    TITLE_TIMER_CHAT = 1004,      // the chat button's blinking
};

const int TITLE_BAR_HEIGHT = 80;

// What decides the layout besides the client rectangle.
struct STitleLayoutInput {
    int nMode = 0;                  // 0 list, 1 detail, 2 meeting
    CRect rcClient;
    BOOL bChatVisible = FALSE;      // each with its visible style
    BOOL bFileBoxVisible = FALSE;
    BOOL bVideoVisible = FALSE;
    BOOL bFullScreenAllowed = FALSE;   // mode 2: a started meeting that is not a report
    CSize sizeDrawTool;             // mode 2: the draw-tool window's size
};

// Where everything goes; an empty rectangle leaves that control where it is.
struct STitleLayout {
    CRect rcClose, rcBack, rcCaption, rcRefresh;
    CRect rcMenu, rcMinimize, rcMaximize;   // maximise and restore share the place
    CRect rcFullScreen, rcChat, rcFileBox, rcVideo;
    CRect rcRemain;                 // mode 1 only
    CRect rcDrawTool;               // mode 2 only, client coordinates of the title bar
    BOOL bShowFullScreen = FALSE;
    BOOL bShowRefresh = FALSE;
    BOOL bShowDrawTool = FALSE;
};

STitleLayout LayoutTitleControls(const STitleLayoutInput& in);

// The resize zone of a client point while the main window is not maximised (HTNOWHERE when
// none), and the cursor it shows (null for none).
LRESULT TitleBorderHitTest(CPoint pt, const CRect& rcClient);
LPCTSTR TitleBorderCursor(LRESULT nHitCode);

// The main dialog's command for a value of the title menu (0 for an unknown value).
UINT TitleMenuCommand(int nValue);

// "%02d:%02d" of the minutes, as hours and minutes.
CString FormatRemainMinutes(int nMinutes);
// "%02d : %02d : %02d" of the seconds.
CString FormatElapsedSeconds(int nSeconds);

// What the remaining-time display asks of its window.
class IRemainTimeView {
public:
    virtual ~IRemainTimeView() = default;
    virtual void SetRemainText(const CString& strText) = 0;
    virtual void ShowRemainLabel(BOOL bShow) = 0;
    virtual void StartTimer(UINT_PTR nId, UINT nMs) = 0;
    virtual void StopTimer(UINT_PTR nId) = 0;
    virtual void ShowCloseAlarm(int nMinutes) = 0;
    virtual void Repaint() = 0;
};

// The remaining meeting time in minutes (for a report: the minutes since it started, counting up)
// with the close alarm at the user's chosen minute and red-and-white blinking in the last five
// minutes of a meeting.
class CRemainTimeClock {
public:
    explicit CRemainTimeClock(IRemainTimeView& view) : m_view(view) {}

    // nCloseAlarm: the user's close-alarm minutes (0 off); bReport: the current meeting is a
    // report.
    void Set(const CString& strMinutes, BOOL bReport, int nCloseAlarm);
    void OnMinuteTimer(BOOL bReport, int nCloseAlarm);
    void OnBlinkTimer(BOOL bReport, int nCloseAlarm);
    void Check(BOOL bReport, int nCloseAlarm);
    void Clear();

    int GetMinutes() const { return m_nRemainMin; }
    BOOL IsBlinking() const { return m_bBlink; }
    BOOL GetBlinkPhase() const { return m_bBlinkPhase; }
    BOOL IsAlarmShown() const { return m_bAlarmShown; }
    BOOL IsRemainShown() const { return m_bRemainShown; }
    void ClearRemainShown() { m_bRemainShown = FALSE; }

private:
    void Show(BOOL bReport, int nCloseAlarm);
    void Alarm(int nMinutes, int nCloseAlarm);

    IRemainTimeView& m_view;
    int m_nRemainMin = 0;
    BOOL m_bBlink = FALSE;
    BOOL m_bBlinkPhase = FALSE;
    BOOL m_bAlarmShown = FALSE;
    BOOL m_bRemainShown = FALSE;
};

// The resize zone of the skinned title dialog (its bottom corners and edges too), HTNOWHERE when
// none, and its cursor.
LRESULT TitleDlgBorderHitTest(CPoint pt, const CRect& rcClient);
LPCTSTR TitleDlgBorderCursor(LRESULT nHitCode);
