#pragma once
// CDocumentListCtrl: the meeting's documents, one skinned row each (type icon, name, the selected
// document highlighted, a button that opens the document in the viewer beside the board) and a
// header row before the reference documents with their count. It only draws and reports: the
// pane that owns it fills the rows, decides what a selection means and hears of the button.
#include <memory>

#include "platform/ImageList.h"
#include "platform/ListCtrl.h"
#include "ui/controls/TouchDragTracker.h"
#include "ui/skin/SkinScreen.h"

class CMeetingDocument;

const wchar_t DOCUMENTLIST_SCREEN[] = L"DocumentListCtrl";
const UINT DOCUMENTLIST_CTRL_ID = 32840;
// To the owning pane on a press (wParam 513) or release (514) of a row's viewer button, lParam
// the row: first sent, then posted.
const UINT WM_DOCLIST_DUAL_SENT = WM_USER + 2023;
const UINT WM_DOCLIST_DUAL_POSTED = WM_USER + 2024;

class CDocumentListCtrl : public CListCtrl {
public:
    CDocumentListCtrl() = default;
    ~CDocumentListCtrl() override;

    // Row data: the document (owned by the meeting), or null for the reference header.
    int AddDocumentRow(CMeetingDocument* pDocument);
    int AddHeaderRow();
    void DeleteAllDocuments();
    void SelectDocument(const CString& strAttcFileId);
    void ReselectDocument(const CString& strAttcFileId);
    CString GetSelectedDocumentId() const { return m_strSelectedId; }
    int HitDualButton(int x, int y) const;
    int GetHoverRow() const { return m_nHoverRow; }
    const CString& GetRefCountTemplate() const { return m_strRefCountTemplate; }

    int m_nRefDocCount = 0;   // written by the owning pane after it filled the rows

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnCustomDraw(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void DrawRow(CDC* pDC, const CRect& rcRow, int nRow);
    void InvalidateRow(int nRow);
    void TellParentOfButton(UINT nButtonMessage, int nRow);

    SKIN_SCREEN m_Screen;
    CImageList m_imageNormal;
    CImageList m_imageSmall;
    int m_nPrevHoverRow = -1;
    int m_nHoverRow = -1;
    CString m_strSelectedId;
    std::unique_ptr<CTouchDragTracker> m_pTouch;
    CString m_strRefCountTemplate;
};
