#pragma once
// CTitleLayer: the title bar across the top of the main window, which has no caption of its own.
// It carries the window buttons (menu, minimise, maximise or restore, close), moves and resizes
// the main window by its borders, shows the buttons of the screen mode (back, refresh, full
// screen, video meeting, file box, chat), the list title, the meeting title, the remaining
// meeting time with its close alarm, and the blinking chat button. Button presses go to the main
// dialog through ITitleLayerEventListener; window commands go to the main window directly.
#include "app/TitleLayerEventListener.h"
#include "app/TitleLayerRules.h"
#include "ui/host/TitleBar.h"
#include "platform/Bitmap.h"
#include "platform/Font.h"
#include "platform/Static.h"
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"

class CTitleLayerDlg;

class CTitleLayer : public CZELWnd, public ITitleBar, private IRemainTimeView {
public:
    explicit CTitleLayer(ITitleLayerEventListener* pListener);
    ~CTitleLayer() override;

    // A child of the main dialog across its width, TITLE_BAR_HEIGHT high, id IDC_TITLE_BAR.
    BOOL CreateLayer(CWnd* pMainDlg);

    // ITitleBar
    void SetMode(int nMode) override;
    void SetListTitle(BOOL bReport) override;
    void SetTitleText(const CString& strText) override;
    void EnableRefreshButton(BOOL bEnable) override;
    void EnableBackButton(BOOL bEnable) override;
    void SetRemainTime(const CString& strMinutes) override;
    void CheckRemainTime() override;
    void ClearRemainTime() override;
    void SetCounter(int nSeconds, BOOL bHide) override { SetElapsedTime(nSeconds, bHide); }
    void SetChatButtonState(int bOn, int bDoNotRemember) override;
    void SetChatBlink(int bOn) override;
    void UpdateMaxRestoreButtons() override;
    void Relayout() override;
    CRect GetChatButtonScreenRect() override;

    void SetCaption(const CString& strText) { SetTitleText(strText); }
    void SetElapsedTime(int nSeconds, BOOL bHide);
    void LayoutControls();
    void SetChatBlinkPhase(int bPhase);
    void SetSyncState(int bOn);

    // A skinned title dialog to lie over the layer (owned from now on); the layer then paints
    // nothing, hides its window buttons and hands mode changes to it.
    void AttachTitleDlg(CTitleLayerDlg* pDlg);
    CTitleLayerDlg* GetTitleDlg() const { return m_pTitleDlg; }

    // State, for the main dialog and tests.
    int GetMode() const { return m_nMode; }
    int GetRemainMinutes() const { return m_clock.GetMinutes(); }
    BOOL IsRemainBlinking() const { return m_clock.IsBlinking(); }
    BOOL GetRemainBlinkPhase() const { return m_clock.GetBlinkPhase(); }
    BOOL IsRemainShown() const { return m_clock.IsRemainShown(); }
    BOOL IsChatOn() const { return m_bChatOn; }
    BOOL IsChatBlinking() const { return m_bChatBlink; }
    BOOL GetChatBlinkPhase() const { return m_bChatBlinkPhase; }
    // The chat button's picture as last drawn: on (new messages) or off.
    BOOL IsChatPictureOn() const { return m_bChatPictureOn; }
    int GetElapsedSeconds() const { return m_nElapsedSec; }
    // The button or label of a control id (null for another id).
    CWnd* GetControl(UINT nId);
    // The restore button (it shares the maximise button's id).
    CWnd* GetRestoreButton() { return &m_btnRestore; }

    // Seams: the menu's drop-down (returns the chosen value or -1) and the opening of a web
    // address in the default browser.
    typedef int (*PFN_CHOOSE)(CWnd* pOwner, int x, int y);
    static void SetMenuChooserForTest(PFN_CHOOSE pfn);
    typedef void (*PFN_OPEN_URL)(const CString& strUrl);
    static void SetUrlOpenerForTest(PFN_OPEN_URL pfn);

    // The data-box page of the current meeting (empty meeting id outside a meeting).
    CString MakeFileBoxUrl() const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    // IRemainTimeView
    void SetRemainText(const CString& strText) override;
    void ShowRemainLabel(BOOL bShow) override;
    void StartTimer(UINT_PTR nId, UINT nMs) override;
    void StopTimer(UINT_PTR nId) override;
    void ShowCloseAlarm(int nMinutes) override;
    void Repaint() override;

    void CreateControls();
    void SkinChatButton(BOOL bOn);
    void ShowMenu();
    void ToggleMaximize();
    void OpenFileBox();
    void AskSync(UINT nTextId, int bOn);
    CWnd* MainWindow() const;
    BOOL IsMainMaximized() const;
    BOOL IsReport() const;
    int CloseAlarmMinutes() const;
    BOOL IsChatInView() const;
    CWnd* DrawToolWindow() const;
    void PaintBackground(CDC* pDC, const CRect& rc);

    CTitleLayerDlg* m_pTitleDlg = nullptr;
    ITitleLayerEventListener* m_pListener = nullptr;
    CBitmap m_bmpLogo, m_bmpSpare, m_bmpLeft, m_bmpMiddle, m_bmpRight, m_bmpClock;
    CStatic m_stcListTitle;
    CStatic m_stcCaption;
    CStatic m_stcRemain;
    CStatic m_stcElapsed;
    CxSkinButton m_btnMenu, m_btnMinimize, m_btnMaximize, m_btnClose, m_btnRestore;
    CxSkinButton m_btnFullScreen, m_btnRefresh, m_btnBack;
    int m_nMode = 0;
    CRemainTimeClock m_clock;
    CString m_strRemainText;
    CString m_strElapsedText;
    int m_nElapsedSec = 0;
    CxSkinButton m_btnSyncOff, m_btnSyncOn, m_btnSyncNone;   // never created
    int m_bChatOn = 0;
    int m_bChatBlink = 0;
    int m_bChatBlinkPhase = 0;
    BOOL m_bChatPictureOn = FALSE;
    CxSkinButton m_btnVideo, m_btnFileBox, m_btnChat;
    CFont m_fontLabel;
    CBrush m_brWhite, m_brBand;
};
