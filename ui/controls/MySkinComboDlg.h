#pragma once
// CMySkinComboDlg: the drop-down list of a COMBO object, and the client's skinned pop-up menu.
// It lists the visible entries of one level in the COMBO part's look; an entry that opens a
// sub-list opens a further pop-up of the same class beside it while it is hovered. A click on
// an entry chooses it and closes every level (IDOK); a press outside closes the pop-up that has
// the mouse (IDCANCEL).
#include <vector>

#include "platform/Dialog.h"
#include "platform/List.h"
#include "ui/controls/PopupDialogTemplate.h"
#include "ui/controls/PopupListScroller.h"
#include "ui/skin/SkinComboItem.h"

struct SKIN_OBJECT;
struct SKIN_COMBO;

class CMySkinComboDlg : public CDialog {
public:
    explicit CMySkinComboDlg(CWnd* pOwner);
    ~CMySkinComboDlg() override;

    // Set before DoModal.
    void SetCloseOnRelease(int nFlag) { m_nCloseOnRelease = nFlag; }
    void SetAnchor(POINT pt) { m_ptAnchor = pt; }
    void SetScale(float fScale) { m_fScale = fScale; }
    void SetObject(SKIN_OBJECT* pObject) { m_pObject = pObject; }
    void SetLevel(int nLevel) { m_nLevel = nLevel; }
    void SetFlipPoint(POINT pt) { m_ptFlip = pt; }
    void SetParentPopup(CMySkinComboDlg* pParent) { m_pParentPopup = pParent; }

    // The entry chosen (a copy; m_nRow its row in this pop-up); valid after IDOK.
    const SKIN_COMBO_ITEM& GetChosen() const { return m_chosen; }
    int GetItemValue(int nIndex) const;
    int AddItem(int nParam1, const CString& strText, int nValue, int nImage, int nParam2);
    int RemoveItem(int nIndex);

    // For tests: the rows, the list geometry, the hover row and the open sub-level.
    int GetRowCount() const { return int(m_rows.GetCount()); }
    const SKIN_COMBO_ITEM* GetRow(int nIndex) const;
    const CPopupListScroller& Scroller() const { return m_scroller; }
    int GetHoverIndex() const { return m_nHover; }
    CMySkinComboDlg* GetSubPopup() const { return m_pSubPopup; }
    int MeasureWidth();

    BOOL OnInitDialog() override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()

private:
    SKIN_COMBO* Combo() const;
    void CopyRows();
    void PositionWindow(int w, int h);
    void LayoutItems();
    std::vector<RECT*> RowRects();
    SKIN_COMBO_ITEM* RowAt(int nIndex) const;
    bool IsOutside(CPoint ptClient) const;
    void HandleMove(CPoint pt);
    bool TrackMouse(CPoint pt);
    void HandleButtonDown(CPoint pt);
    void HandleButtonUp(CPoint pt);
    // Opens the sub-list of the row (and, while it runs, the sub-lists the hover moves to).
    void OpenSubList(int nRow);
    void CloseSubList();
    void Close(int nResult);
    void DrawList(CDC* pDC);
    void DrawScrollBar(CDC* pDC);
    int RowHeight(const SKIN_COMBO_ITEM& row) const;

    float m_fScale = 1.0f;
    int m_nWidth = 100;
    int m_nHeight = 100;
    int m_nRowHeight = 30;
    COLORREF m_clrBorder = RGB(128, 128, 128);
    COLORREF m_clrBack = RGB(255, 255, 255);
    COLORREF m_clrSelect = RGB(230, 230, 230);
    COLORREF m_clrThumb = RGB(200, 200, 200);
    COLORREF m_clrLine = RGB(128, 128, 128);
    int m_nHover = -1;
    CWnd* m_pOwner = nullptr;
    CPoint m_ptAnchor;
    CPoint m_ptFlip;
    SKIN_OBJECT* m_pObject = nullptr;
    CRect m_rcPadding;
    int m_nLeftGap = 5;
    int m_nTextGap = 0;
    bool m_bImageColumn = false;
    bool m_bSubLevels = false;
    SKIN_COMBO_ITEM m_chosen;
    int m_nCloseOnRelease = 0;
    CPopupDialogTemplate m_template;
    CPtrList m_rows;
    int m_nLevel = 0;
    CMySkinComboDlg* m_pSubPopup = nullptr;
    CMySkinComboDlg* m_pParentPopup = nullptr;
    int m_nPendingSubRow = -1;   // the row whose sub-list opens once the one shown closes
    int m_nSubRow = -1;
    bool m_bClosing = false;
    CPopupListScroller m_scroller;
};
