#pragma once
// A dialog with a control on the left and one on the right, separated by a vertical bar that
// the user drags. The dialog keeps a minimum size that leaves both panes their minimum.
#include "platform/UI.h"
#include "platform/TypedPtrMap.h"

// One pane: the control that fills it and the room it keeps.
struct S_SPLITTER_PANE {
    CWnd* pControl = nullptr;
    int nMinWidth = 50;
    int nMinHeight = 100;
    int nMargin = 0;        // distance from the dialog's outer edge
    int nTopOffset = 30;    // room above the pane for the dialog's buttons
    int bNoTopOffset = 0;   // non-zero: the pane starts at the top
};

class CMySplitterDialog : public CDialogEx {
public:
    CMySplitterDialog(UINT nIDTemplate, CWnd* pParent);
    ~CMySplitterDialog() override;

    // Lays the panes out for the first time; the dialog owns both descriptions afterwards.
    void SetPanes(S_SPLITTER_PANE* pLeft, S_SPLITTER_PANE* pRight);
    // Moves the bar to x (client coordinates), within the panes' minimum widths.
    void MoveSplitter(int x);

    const CRect& GetLeftPaneRect() const { return m_rcLeft; }
    const CRect& GetRightPaneRect() const { return m_rcRight; }
    const CRect& GetSplitterRect() const { return m_rcSplitter; }

    // Keeps the minimum size of the dialogs in the map; every other message goes on to the
    // window's own previous procedure.
    static LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void PlacePane(const S_SPLITTER_PANE* pPane, const CRect& rc);
    void LimitSizing(RECT* pRect, UINT nSide) const;
    void ForgetWindow();

    S_SPLITTER_PANE* m_pLeft = nullptr;
    S_SPLITTER_PANE* m_pRight = nullptr;
    CRect m_rcLeft;
    CRect m_rcRight;
    CRect m_rcSplitter;
    bool m_bDragging = false;
    bool m_bSubclassed = false;

    // Every splitter dialog of the program by its window.
    static CTypedPtrMap<CMapPtrToPtr, HWND, CMySplitterDialog*> s_mapDialogs;
};
