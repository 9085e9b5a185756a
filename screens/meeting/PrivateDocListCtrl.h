#pragma once
// CPrivateDocListCtrl: the user's private documents (the file box, kind "20") in the right-hand
// container, in place of the meeting's document list: a header with their count, the list with
// its own scroll bar, and a button back to the meeting's documents. Choosing a row opens that
// document on the board (through the container and the meeting screen).
#include <memory>
#include <vector>

#include "features/documents/DocumentListCtrl.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/xSkinButton.h"

class CMeetingDocument;

class CPrivateDocListCtrl : public CWnd {
public:
    enum : UINT { ID_LIST = 32840, ID_SCROLLBAR = 2000, ID_SECOND = 32851, ID_BACK = 32852 };
    // The row opened: WM_USER+2003 (row, kSource) to the parent.
    static const int kSource = 10;
    // The list's width; the pane's body and bottom edge pictures are as wide as it and its frame.
    static constexpr int kListWidth = 253;

    CPrivateDocListCtrl() = default;
    ~CPrivateDocListCtrl() override;
    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);

    void Reset();
    void SetDocuments(const std::vector<CMeetingDocument*>& documents);
    void SelectDocument(const CString& strAttcFileId);
    void RequestDocuments();
    BOOL IsActive() const { return m_bActive; }
    void SetActive(BOOL bActive) { m_bActive = bActive; }
    BOOL HasDocument(const CString& strAttcFileId) const;
    void OnThumbnailState(int) {}

    CDocumentListCtrl* GetList() const { return m_pList.get(); }
    ZELScrollBar* GetScrollBar() const { return m_pScrollBar.get(); }
    int GetRowCount() const { return (int)m_documents.size(); }
    CString GetCountText() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg LRESULT OnScrollBarPos(WPARAM wParam, LPARAM lParam);
    afx_msg void OnItemChanged(NMHDR* pNotify, LRESULT* pResult);
    afx_msg void OnBack();
    afx_msg void OnSecond() {}
    DECLARE_MESSAGE_MAP()

private:
    void UpdateScrollBar();
    void SyncScrollBar(BOOL bNotify);
    int ListClientHeight() const;

    std::unique_ptr<CDocumentListCtrl> m_pList;
    std::unique_ptr<ZELScrollBar> m_pScrollBar;
    CxSkinButton m_btnSecond;
    CxSkinButton m_btnBack;
    std::vector<CMeetingDocument*> m_documents;
    BOOL m_bActive = FALSE;
    int m_nLastScrollPos = 0;
    BOOL m_bFilling = FALSE;
};
