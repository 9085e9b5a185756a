#pragma once
// CBoardOptCtrl: the option bar below the board: page navigation (previous and next page or
// document, page number, total and slider), the board-mode switch, the whiteboard and favourite
// checks, the sticky-note button and the tool buttons, and the meeting's remaining minutes. Every
// user action goes to the board layer through IBoardOptCtrlEventListener.
#include <functional>
#include <map>
#include <memory>

#include "platform/Edit.h"
#include "ui/controls/ZELSlideBar.h"
#include "ui/controls/ZELWnd.h"
#include "ui/controls/xSkinButton.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/board/IBoardOptCtrlEventListener.h"
#include "whiteboard/tools/OptBarRules.h"
#include "whiteboard/tools/PageControls.h"
#include "whiteboard/tools/WhiteBoardPage.h"

class CBoardOptCtrl : public CZELWnd, public IBoardOptBar {
public:
    enum {
        kPrevPage = 35000, kNextPage = 35010, kPrevDoc = 35005, kNextDoc = 35015, kFavorite = 32714,
        kWhiteboardClose = 32732, kWhiteboardOpen = 32733, kAddPage = 32734, kSticky = 32713, kTool5 = 32710,
        kPen = 32720, kHighlighter = 32721, kLaser = 32722, kEraser = 32723, kMove = 32730, kSlider = 32600,
        kPageEdit = 1019, kStatus1 = 35020, kStatus2 = 35030, kStatus4 = 35050, kStatus12 = 35061,
        kStatus13 = 35062
    };
    static const UINT kModeIds[8];

    explicit CBoardOptCtrl(IBoardOptCtrlEventListener* pListener);
    ~CBoardOptCtrl() override;
    BOOL Create(CWnd* pBoard);

    // IBoardOptBar
    CWnd* GetBarWnd() override { return this; }
    void SetPageCounter(int current, int total) override;
    void SetDocumentIndex(int index) override { m_nDocIndex = index; }
    void SetDocumentCount(int count) override { m_nDocCount = count; }
    void CheckToolButton(int tool) override;
    void HideToolPopups(int, int) override;
    void SetStickyNoteButton(BOOL hasNote) override;
    int GetMode() override { return m_nMode; }

    void SetMode(int mode) override;
    void ApplyShareState(int sharing) override;
    // The mode for the meeting's state: status and type code, a report or not, sharing, and page
    // synchronisation on; 'current' where the state names none.
    static int ShareStateMode(int status, int typeCode, BOOL report, BOOL sharing, BOOL sync, int current);
    void RunModeSwitch();
    void SetSliderPos(int percent);
    int GetCurrentPage() override { return m_nCurrentPage; }
    int GetTotalPage() const { return m_nTotalPage; }
    int GetTool() const { return m_nTool; }
    void SetMeetingTime(const Json::Value& detail) override;
    CString GetRemainMinutes() override;
    void EnableFavorite(BOOL enable) override;
    void SetFavoriteCheck(BOOL check) override;
    void EnableTabButtons(BOOL enable) override;
    void EnablePalette(BOOL enable) override;
    void ShowTypeButtons(int type, BOOL show) override;
    void ShowWhiteboardButtons(BOOL on) override;
    void ShowPagePreview(int page, int total) override { m_page.ShowPreview(page, total); }
    BOOL HasStickyNoteLook() const { return m_bStickyLook; }
    // The whiteboard page pop-up beside the add-page button, made afresh for the shown page and
    // the page count; it goes when the user clicks elsewhere (screen point).
    void ShowAddPagePopup();
    void HidePopupOutside(POINT ptScreen) override;
    CWhiteBoardPage* GetPagePopup() { return m_pPagePopup.get(); }
    CString GetTotalText() const { return m_page.GetTotalText(); }
    CxSkinButton* Button(UINT id);
    CEdit* PageEdit() { return m_pEdit.get(); }
    ZELSlideBar* Slider() { return m_pSlider.get(); }

    // What the bar asks of the meeting around it (defaults: a running meeting, not a report).
    std::function<BOOL()> m_isMeetingEnded;
    std::function<BOOL()> m_isReport;
    std::function<BOOL()> m_isFollower;
    std::function<IBoardMeetingContext*()> m_getMeeting;
    // The canvas whose tool bar and mode follow the share state (null: none).
    CBoardDrawCtrl* m_pCanvas = nullptr;
    // The clock of the remaining minutes (tests give their own).
    std::function<SYSTEMTIME()> m_now;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg LRESULT OnSliderMoving(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSliderReleased(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPageCommand(WPARAM wParam, LPARAM lParam);
    // The bar's bottom edge resizes the main window (unless it is maximised).
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    CxSkinButton* AddButton(UINT id, const RECT& rc, UINT picture, DWORD kind, BOOL visible, const CString& tip);
    void LayoutControls();
    // The slider and the status buttons in the room the tool buttons shown on the right leave.
    void PlaceStatusRow(BOOL bRedraw);
    void Toast(UINT id);
    BOOL Ended() const { return m_isMeetingEnded && m_isMeetingEnded(); }
    BOOL OnResizeEdge(CPoint point);

    IBoardOptCtrlEventListener* m_pListener;
    std::map<UINT, std::unique_ptr<CxSkinButton>> m_buttons;
    int m_nMode = 6;
    std::unique_ptr<ZELSlideBar> m_pSlider;
    CPageControls m_page;
    std::unique_ptr<CEdit> m_pEdit;
    int m_nTotalPage = 1;
    int m_nCurrentPage = 1;
    int m_nTool = 0;
    int m_nDocIndex = 0;
    int m_nDocCount = 0;
    BOOL m_bHasEnd = FALSE;
    SYSTEMTIME m_end{};
    BOOL m_bStickyLook = FALSE;
    std::unique_ptr<CWhiteBoardPage> m_pPagePopup;
    // What the floating palette was last told (it starts enabled).
    BOOL m_bPaletteAllowed = TRUE;
};

IBoardOptBar* MakeBoardOptBar(const S_BOARD_BAR_CONTEXT& context, IBoardOptCtrlEventListener* pListener);
