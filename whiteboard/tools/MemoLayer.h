#pragma once
// The memo windows over the canvas: CMemoLayer holds the editor (CMemoEditCtrl: text, four
// background colours, five text colours, OK and Cancel) and the viewer (CMemoViewCtrl: the text
// read-only, delete and edit) and shows one at a time. CMemoEdit is their multi-line edit, which
// keeps a skinned scroll bar in step with its caret. Results go to the canvas.
#include <algorithm>
#include <array>
#include <memory>

#include "platform/Brush.h"
#include "platform/Edit.h"
#include "platform/Wnd.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/xSkinButton.h"
#include "whiteboard/board/BoardBars.h"
#include "whiteboard/canvas/IBoardCanvasHost.h"

class CMemoLayer;

// Pictures and colours of a background index (1..4; any other value gives index 1's).
struct S_MEMO_LOOK {
    UINT editorPicture;
    UINT viewerPicture;
    COLORREF color;
};
S_MEMO_LOOK MemoLookOf(int index);
COLORREF MemoTextColorOf(int index);
// The scroll bar's thumb size for a line count (0: no bar): above 'limit' lines, limit x 100 / lines.
int MemoThumbSize(int lines, int limit);

class CMemoEdit : public CEdit {
public:
    CMemoEdit(ZELScrollBar* pBar, CWnd* pPanel, BOOL viewer) : m_pBar(pBar), m_pPanel(pPanel), m_bViewer(viewer) {}

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnUpdate();
    DECLARE_MESSAGE_MAP()

private:
    void Report(int percent, int line);
    ZELScrollBar* m_pBar;
    CWnd* m_pPanel;
    BOOL m_bViewer;
};

// What the two panels share: the edit, its scroll bar, the background picture and colours.
class CMemoPanel : public CWnd {
public:
    CMemoPanel(CMemoLayer* pLayer, BOOL viewer);
    ~CMemoPanel() override;
    void UpdateScrollBar(int percent, int line);
    CString GetText();
    int GetBackground() const { return m_nBackground; }
    int GetTextColorIndex() const { return m_nTextColor; }
    UINT GetPicture() const { return m_nPicture; }
    COLORREF GetBackColor() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }
    CMemoEdit* Edit() { return m_pEdit.get(); }
    ZELScrollBar* ScrollBar() { return &m_bar; }
    CxSkinButton* Button(UINT id);

protected:
    void ApplyLook(int background);
    CxSkinButton* AddButton(UINT id, const RECT& rc, UINT normal, UINT pressed, UINT hover, UINT disabled, DWORD kind);
    afx_msg void OnPaint();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnScrollPos(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    CMemoLayer* m_pLayer;
    BOOL m_bViewer;
    int m_nBackground = 1;
    int m_nTextColor = 1;
    int m_nLine = 0;
    ZELScrollBar m_bar;
    std::unique_ptr<CMemoEdit> m_pEdit;
    std::array<std::unique_ptr<CxSkinButton>, 12> m_buttons;
    std::array<UINT, 12> m_ids{};
    int m_nButtons = 0;
    CBrush m_brush;
    UINT m_nPicture = 530;
    COLORREF m_clrBack = RGB(255, 241, 170);
    COLORREF m_clrText = RGB(0, 0, 0);
};

class CMemoEditCtrl : public CMemoPanel {
public:
    explicit CMemoEditCtrl(CMemoLayer* pLayer) : CMemoPanel(pLayer, FALSE) {}
    void SetMemo(int background, int textColor, const CString& text);
    void SetBackground(int index);
    void SetTextColor(int index);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()
};

class CMemoViewCtrl : public CMemoPanel {
public:
    explicit CMemoViewCtrl(CMemoLayer* pLayer) : CMemoPanel(pLayer, TRUE) {}
    void SetMemo(int background, int textColor, const CString& text);

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()
};

class CMemoLayer : public CWnd, public IMemoLayerView {
public:
    explicit CMemoLayer(CBoardDrawCtrl* pCanvas);
    ~CMemoLayer() override;
    BOOL Create();

    // IMemoLayerView (the canvas)
    BOOL IsShown() override { return GetSafeHwnd() && IsWindowVisible(); }
    void Hide() override;
    void OpenEditor(const RECT& rc, const CString& text, int bgColor, int textColor, BOOL isNew) override;
    void OpenView(const RECT& rc, const CString& text, int bgColor, int textColor) override;

    void ShowEditor(const CString& text, int background, int textColor);
    void ShowViewer(const CString& text, int background, int textColor);
    void OnEditorOK(const CString& text, int background, int textColor);
    void HideEditor();
    void OnViewerDelete();
    void OnViewerEdit(const CString& text, int background, int textColor);
    CMemoEditCtrl* Editor() { return &m_editor; }
    CMemoViewCtrl* Viewer() { return &m_viewer; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    CBoardDrawCtrl* m_pCanvas;
    int m_nUnused = 0;
    CMemoEditCtrl m_editor;
    CMemoViewCtrl m_viewer;
};

IMemoLayerView* MakeMemoLayer(const S_BOARD_BAR_CONTEXT& context);
