#pragma once
// The full view's two presenter bars over the canvas: CPresentationInfoCtrl, the banner along the
// top (a line of text, leave-full-view and save), and CPresentationOptCtrl, the toolbar along the
// bottom (page navigation, board mode, sticky note and drawing tools), the full-view twin of the
// option bar. Both slide in and out 2 pixels a tick and report to the board through its listeners.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "platform/Edit.h"
#include "ui/controls/ZELSlideBar.h"
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/board/IBoardInfoCtrlEventListener.h"
#include "whiteboard/board/IBoardOptCtrlEventListener.h"
#include "whiteboard/tools/PageControls.h"

class CBoardDrawCtrl;
class IBoardMeetingContext;

class CPresentationInfoCtrl : public CZELWnd {
public:
    enum { kLeave = 35060, kSave = 35041 };
    explicit CPresentationInfoCtrl(IBoardInfoCtrlEventListener* pListener) : m_pListener(pListener) {}
    ~CPresentationInfoCtrl() override;
    BOOL Create(CWnd* pCanvas);
    void SetText(const CString& text);
    CString GetText() const { return m_strText; }
    void SlideDown(int height);
    void SlideUp(BOOL immediately);
    int GetSlideState() const { return m_slide.State(); }
    int GetHeight() const { return m_slide.Height(); }
    CxSkinButton* Button(UINT id) { return id == kLeave ? &m_leave : &m_save; }
    // The save button: usable until the meeting has ended, and while the board is shared only
    // for those who do not present.
    void UpdateSaveButton();
    void SetShareState(int share);
    // Run when the user leaves the full view with the banner's button, before it is left.
    std::function<void()> m_onLeave;
    // The meeting around the board (null: none).
    std::function<IBoardMeetingContext*()> m_getMeeting;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    void PlacePalette(BOOL show);

    IBoardInfoCtrlEventListener* m_pListener;
    CxSkinButton m_leave;
    CxSkinButton m_save;
    CString m_strText;
    CSlideState m_slide;
};

class CPresentationOptCtrl : public CZELWnd {
public:
    enum { kPrevPage = 35001, kNextPage = 35011, kPrevDoc = 35006, kNextDoc = 35016, kSlider = 32600, kEdit = 1019,
           kFavorite = 32714, kSticky = 32712 };
    static const UINT kModeIds[6];   // modes 0..5
    static const UINT kToolIds[6];   // tools 0..5
    // The next board mode of the mode button, and the sync command it sends.
    static int NextMode(int mode, BOOL receiverReport, int& syncCode);

    explicit CPresentationOptCtrl(IBoardOptCtrlEventListener* pListener)
        : m_pListener(pListener), m_page({kPrevPage, kNextPage, kPrevDoc, kNextDoc})
    {
    }
    ~CPresentationOptCtrl() override;
    BOOL Create(CWnd* pCanvas);
    void SetPage(int current, int total);
    void SetMode(int mode);
    int GetMode() const { return m_nMode; }
    void SelectTool(int tool);
    int GetTool() const { return m_nTool; }
    void HideToolRadios();
    // The board's sharing started (1) or ended (0): who may page, switch modes and draw, the
    // board mode's button, and for a follower the move tool on a canvas that shows its tool bar.
    void SetShareState(int share);
    void SlideIn(int height);
    void SlideOut(BOOL immediately);
    int GetSlideState() const { return m_slide.State(); }
    CxSkinButton* Button(UINT id);
    CEdit* PageEdit() { return m_pEdit.get(); }
    BOOL PreTranslateMessage(MSG* pMsg) override;

    std::function<BOOL()> m_isFollower;
    std::function<BOOL()> m_isReceiverReport;
    std::function<IBoardMeetingContext*()> m_getMeeting;
    // The canvas under the toolbar (its tool bar and mode follow the share state).
    CBoardDrawCtrl* m_pCanvas = nullptr;
    int m_nDocIndex = 0, m_nDocCount = 0;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnSliderMoving(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderReleased(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    CxSkinButton* Add(UINT id, const RECT& rc, UINT picture, DWORD kind, BOOL visible);
    void PlaceAtBottom(int height);

    IBoardOptCtrlEventListener* m_pListener;
    std::map<UINT, std::unique_ptr<CxSkinButton>> m_buttons;
    std::unique_ptr<ZELSlideBar> m_pSlider;
    std::unique_ptr<CEdit> m_pEdit;
    CPageControls m_page;
    int m_nCurrent = 1, m_nTotal = 1;
    int m_nMode = 0;
    int m_nTool = 0;
    CSlideState m_slide;
};

// The two bars as the canvas drives them, made over the board's canvas.
IPresenterBars* MakePresenterBars(const S_BOARD_BAR_CONTEXT& context, IBoardInfoCtrlEventListener* pInfoListener,
                                  IBoardOptCtrlEventListener* pOptListener);
