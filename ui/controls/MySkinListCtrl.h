#pragma once
// CMySkinListCtrl: the list window of the skinned screens. Every row is drawn from its own copy
// of a skin screen, so a row can hold any skin objects laid out by the skin, and the objects in
// a row answer the mouse as they would in a skinned dialog. Rows report to the parent with
// MYLIST_NOTIFY codes 2 (press in a row), 3 (right press), 4 (double click on the selected
// row), 6 (click in a row), 7 (right click in a row) and 8 (scrolling asked past an end), on
// top of the base list's codes.
#include "ui/skin/MyBaseListCtrlV.h"
#include "ui/skin/SkinScreen.h"

class CMySkinListCtrl : public CMyBaseListCtrlV {
public:
    CMySkinListCtrl();
    ~CMySkinListCtrl() override;

    // Creates the list over the placeholder object's content rectangle, in its colour, with rows
    // made of the named screen (empty when the rows bring their own screens).
    BOOL LoadItemScreen(CWnd* pParent, SKIN_OBJECT* pPlaceholder, UINT nId, const CString& strItemScreen);
    // Takes the screen (the row owns it from here on); height 0 takes the screen's height.
    MYLIST_ITEM* AddItem(int nType, const CString& strText, SKIN_SCREEN* pScreen, DWORD_PTR dwData, int nHeight,
                         POSITION posAfter = nullptr);
    // A row of the list's own screen, 5 pixels below the previous row; the row count.
    virtual int AddItemScreen(DWORD_PTR dwData);
    void SetEmptyScreen(const CString& strName);
    int GetItemCount() const { return m_nCount; }
    void LayoutScreens(int cx, int cy);
    void HideItemEditWindows();
    int FindGroupValue(int nKey);
    void ShowGroup(int nKey, BOOL bShow);
    void InvalidateOffset(CRect rc, int dx, int dy);

    void DeleteAll() override;
    void DrawItem(CDC* pDC, CRect rc, MYLIST_ITEM* pItem, BOOL bSelected) override;
    virtual BOOL DrawEmpty(CDC* pDC, CRect area);
    virtual void DrawItems(CDC* pDC, CRect area);
    virtual void DrawOneItem(CDC* pDC, CRect* pRow, MYLIST_ITEM* pItem, int nPos);
    // Events of the buttons inside rows (513/514 left press and click, 516/517 right) with the
    // row, and of the skin controls inside rows (WM_USER + 665 codes) without one.
    virtual int OnItemEvent(UINT nEvent, SKIN_OBJECT* pObject, MYLIST_ITEM* pItem);
    virtual BOOL NotifyScrollEnd(BOOL bTop);
    // Paints the part of the list inside the rectangle (client coordinates) onto the target:
    // what WM_PAINT does with the paint DC and its update rectangle.
    void PaintTo(CDC* pTarget, const CRect& rcUpdate);
    // The row under a client point, or null.
    MYLIST_ITEM* RowAt(CPoint pt, int* pPos = nullptr);

    CString m_strItemScreen;
    SKIN_SCREEN m_ItemTemplate;
    CString m_strEmptyScreen;
    SKIN_SCREEN m_EmptyScreen;
    BOOL m_bMultiSelect = FALSE;

protected:
    static int ItemEventThunk(CWnd* pOwner, UINT nMessage, SKIN_OBJECT* pObject, void* pUserData);
    // Sends one of this list's row notifications about a row and the object hit in it.
    void NotifyRow(UINT nCode, MYLIST_ITEM* pItem, SKIN_SCREEN* pScreen, int nHitId);
    void UpdateMultiSelection(MYLIST_ITEM* pItem);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnSkinObjectEvent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The off-screen surface of the paints, kept while the window keeps its size: making a
    // window-sized bitmap for every paint costs as much as copying it out.
    CDC m_backDC;
    CBitmap m_backBitmap;
    CBitmap* m_pOldBackBitmap = nullptr;
    CSize m_sizeBack;
    void ReleaseBackBuffer();
};
