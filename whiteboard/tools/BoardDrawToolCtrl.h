#pragma once
// CBoardDrawToolCtrl: the drawing tool bar in the canvas' bottom-right corner: pen, highlighter or
// the clear panel, fifteen colours, three widths, six shapes, undo and redo, and clearing the
// shown page or every page. Every choice goes to the canvas through IDrawToolCtrlEventListener;
// after a tool choice the board is told (S_BOARD_BAR_CONTEXT::onToolChosen) so the other bars agree.
#include <array>
#include <functional>
#include <memory>

#include "platform/Brush.h"
#include "platform/Wnd.h"
#include "ui/controls/SquareCtrl.h"
#include "ui/controls/xSkinButton.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/canvas/IDrawToolCtrlEventListener.h"

class CBoardDrawToolCtrl : public CWnd, public IBoardDrawToolBar {
public:
    static const UINT kControlId = 32600;
    static const int kWidth = 185;
    static const int kRaise = 28;
    static const COLORREF kColorTable[15];
    // Colour index of grid position p (0..14).
    static int ColorIndexOfGrid(int position);
    // Height of a panel: 367 pen and highlighter, 274 pointer, 171 clear panel and others.
    static int PanelHeight(int panel);

    CBoardDrawToolCtrl(IDrawToolCtrlEventListener* pListener, const S_BOARD_BAR_CONTEXT& context);
    ~CBoardDrawToolCtrl() override;
    BOOL Create(CWnd* pCanvas);

    // IBoardDrawToolBar
    CWnd* GetBarWnd() override { return this; }
    void Reset() override;
    void LayoutPanel(int panel, int raised) override;
    int GetPanel() override { return m_nPanel; }
    void EnableUndoRedo(BOOL undo, BOOL redo) override;
    void EnableClearButtons(BOOL page, BOOL all) override;

    int GetSubPanelState() const { return m_nKeepOpen; }
    void SelectPen() { RunCommand(32790); }
    void SelectHighlighter() { RunCommand(32800); }
    void SelectClearPanel() { RunCommand(32810); }
    void SetWidth(int width);
    void SelectShape(int lineType);
    void StepHistory(BOOL undo) { RunCommand(undo ? 32780 : 32770); }
    void RunCommand(UINT id) { SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    CxSkinButton* Button(UINT id);
    // Sends the presenter's clear (request M00000030 with metaType 2 page or 3 all pages); the
    // default goes through the application-server client.
    std::function<void(const CString& mtngId, const CString& docId, int page, int metaType)> m_sendClear;
    BOOL IsChecked(UINT id);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    CxSkinButton* AddButton(UINT id, int x, int y, int cx, int cy, UINT picture, BOOL radio, BOOL group, UINT tip);
    void CheckToolButton(int tool);
    void CheckClearButton(int n);
    void CheckShapeButton(int s);
    void CheckOnly(const UINT* ids, int count, UINT checked);
    void ToolCommand(int tool);
    void ClearCommand(BOOL all);
    void ChooseEraser();
    void TellTool(int tool);
    int Raised();

    IDrawToolCtrlEventListener* m_pListener;
    S_BOARD_BAR_CONTEXT m_context;
    int m_nKeepOpen = 0;
    std::array<std::unique_ptr<CxSkinButton>, 64> m_buttons;
    std::array<UINT, 64> m_ids{};
    int m_nButtons = 0;
    CSquareCtrl m_frame;
    int m_nPanel = 0;
    BOOL m_bLaidOut = FALSE;
    int m_nLaidPanel = -1;
    RECT m_rcLaid = {0, 0, 0, 0};
    CBrush m_brush;
};

IBoardDrawToolBar* MakeBoardDrawToolBar(const S_BOARD_BAR_CONTEXT& context);
