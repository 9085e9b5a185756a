#pragma once
// CMeetingDocListCtrl: the right-hand pane that lists the meeting's documents under a header with
// their count, beside a skinned scroll bar. Choosing a row asks the meeting screen (through the
// pane's parent) to open that document on the board; a row's viewer button opens it in the
// document viewer; the archive button keeps the current document in the user's archive. A user
// who follows the presenter's pages cannot pick another document.
#include <memory>
#include <vector>

#include "features/documents/DocumentListCtrl.h"
#include "features/documents/MeetingDocListHost.h"
#include "features/documents/MeetingDocRows.h"
#include "ui/controls/ZELScrollBar.h"
#include "ui/controls/xSkinButton.h"

class CMeetingDocument;

// To the parent (the right-hand container passes them on to the meeting screen): open the
// document of that index on the board (sent; wParam the index); keep the current document in the
// archive (sent). The viewer button's WM_DOCLIST_DUAL_SENT / _POSTED go on with the row turned into
// a document index.
const UINT WM_DOCLIST_OPEN_ON_BOARD = WM_USER + 2003;
const UINT WM_DOCLIST_ARCHIVE = WM_USER + 2021;

class CMeetingDocListCtrl : public CWnd {
public:
    enum : UINT {
        ID_MENU_BUTTON = 32850, ID_PRIVATE_BUTTON = 32851, ID_LABEL_BUTTON = 32852, ID_ARCHIVE_BUTTON = 32853,
        ID_SCROLLBAR = 2000, ID_DOWNLOAD_ORIGINAL = 32895,
    };

    explicit CMeetingDocListCtrl(IMeetingDocListHost* pHost);
    ~CMeetingDocListCtrl() override;

    BOOL Create(CWnd* pParent, const CRect& rc, UINT nId);

    void ResetList();
    void SetDocuments(const std::vector<CMeetingDocument*>& documents);
    void SelectDocument(const CString& strAttcFileId);
    void ShowOptionButton(BOOL bShow);
    void OnThumbnailState() {}
    BOOL HasDocument(const CString& strAttcFileId) const { return m_rows.HasDocument(strAttcFileId); }
    void RequestDocumentList();
    void SetActive(int bActive) { m_bActive = bActive; }
    int IsActive() const { return m_bActive; }
    int GetDocumentCount() const { return m_rows.GetDocumentCount(); }
    int GetMainDocumentCount() const { return m_rows.GetMainDocumentCount(); }
    BOOL IsPageBeyond(int nIndex) const { return m_rows.IsPageBeyond(nIndex); }

    // For the meeting screen's tests and layout.
    CDocumentListCtrl* GetList() const { return m_pList.get(); }
    ZELScrollBar* GetScrollBar() const { return m_pScrollBar.get(); }
    CxSkinButton& GetButton(UINT nId);
    int GetHeaderRow() const { return m_rows.GetHeaderRow(); }
    int GetSelectedRow() const { return m_nSelectedRow; }
    const CString& GetCountText() const { return m_strCountText; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnItemChanged(NMHDR* pNotify, LRESULT* pResult);
    afx_msg LRESULT OnDualSent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDualPosted(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnScrollBarPos(WPARAM wParam, LPARAM lParam);
    afx_msg void OnMenuButton();
    afx_msg void OnPrivateButton();
    afx_msg void OnArchiveButton();
    afx_msg void OnDownloadOriginal();
    DECLARE_MESSAGE_MAP()

private:
    void EnableControls(BOOL bEnableList);
    void UpdateScrollBar();
    void FollowSelection(BOOL bNotify);
    void PlaceMenuButton();
    CRect ClientRect() const;

    IMeetingDocListHost* m_pHost;
    std::unique_ptr<CDocumentListCtrl> m_pList;
    std::unique_ptr<ZELScrollBar> m_pScrollBar;
    CxSkinButton m_btnMenu;
    CxSkinButton m_btnPrivate;
    CxSkinButton m_btnLabel;
    CxSkinButton m_btnArchive;
    CMeetingDocRows m_rows;
    int m_bActive = 0;
    CString m_strCountText;
    int m_nScrollPos = 0;
    int m_nSelectedRow = -1;
};
