#pragma once
// CDocViewerDlg: the meeting screen's second, free-standing window in which an attendee reads one
// of the meeting's documents page by page. Pages are fetched one at a time by a download thread,
// from the page on screen onwards and then from the first, and kept in memory until another
// document is opened or the viewer closes. The window fits, zooms (Ctrl+wheel, pinch), pans
// (wheel, drag) and turns pages (buttons, flicks), and swaps its document or page with the
// whiteboard's.
#include <windows.h>

#include <memory>

#include "features/documents/DocDownloadThread.h"
#include "features/documents/DocTouchTracker.h"
#include "features/documents/DocViewerHost.h"
#include "features/documents/DocViewerPages.h"
#include "ui/skin/MyBaseDialog.h"

class CTasResponse;

const wchar_t DOCVIEWER_SCREEN[] = L"DocViewerDlg";
const wchar_t DOCVIEWER_RECT_NAME[] = L"CDocViewerDlg";

class CDocViewerDlg : public CMyBaseDialog {
public:
    enum { TIMER_SHARE_NOTICE = 1, TIMER_HOLD_CHANGE = 2, NOTICE_MS = 2000 };

    explicit CDocViewerDlg(CWnd* pParent = nullptr);
    ~CDocViewerDlg() override;

    // Creates the hidden top-level window from its template, owned by the meeting screen.
    BOOL CreateViewer(CWnd* pOwner, IDocViewerHost* pHost);
    void SetHost(IDocViewerHost* pHost) { m_pHost = pHost; }
    void PlaceOnCreate();

    BOOL IsEqual(const CString& strMtngId, const CString& strAttcFileId) const;
    // The meeting screen's way in: a document already held is only shown; another one is opened
    // and its pages requested.
    void ShowDocument(const S_DOCVIEWER_DOCUMENT& doc);
    void OpenDocument(const CString& strMtngId, const CString& strAttcFileId, const CString& strFileName, int nRefFlag);
    void ShowViewer();
    void CloseViewer();
    void Close();
    void HoldChangeButton();
    void OnReceiveM00000024(CTasResponse* pReply);

    // Paging, zoom and the exchange with the whiteboard.
    void MovePageBy(int nDelta);
    void SetCurPage(int nPage);
    void SetZoom(float fZoom, BOOL bLimit, int x, int y);
    void OnChangeDocument();
    int GetShareBlock();

    // State for the meeting screen and tests.
    BOOL IsOpen() const { return m_bOpen; }
    int GetCurPage() const { return m_nCurPage; }
    int GetTotalPage() const { return m_nTotalPage; }
    float GetZoom() const { return m_fZoom; }
    CString GetPrefixUrl() const { return m_strPrefixUrl; }
    CString GetMtngId() const { return m_strMtngId; }
    CString GetAttcFileId() const { return m_strAttcFileId; }
    UINT GetGeneration() const { return m_nGeneration; }
    const CDocViewerPages& GetPages() const { return m_pages; }
    // A loaded page's picture (read again from its bytes when it was let go).
    Gdiplus::Image* GetPageImage(int nIndex) { return m_pages.GetDecoded(nIndex); }
    CRect GetViewRect() const;
    CRect GetImageRect() const;
    CDocTouchTracker* GetTouchTracker() const { return m_pTouch; }
    BOOL IsThreadRunning() { return m_threads.IsRunning(m_nGeneration); }
    int CountThreads() { return m_threads.CountRunning(); }
    SKIN_OBJECT* FindSkinObject(LPCTSTR pszName) const { return m_Screen.FindObject(pszName); }

    BOOL OnInitDialog() override;
    BOOL DestroyWindow() override;
    BOOL OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput) override;
    void DrawObjects(CDC* pDC, CRect rc) override;
    void OnDrawExtra(CDC* pDC, CRect rc) override;
    int OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject) override;
    void OnOK() override {}
    void OnCancel() override { Close(); }

    // The pipeline's own members, all on the viewer's thread.
    int m_bThreadRunning;   // the shown document's thread still asks for pages
    int m_bStopThread;      // the shown document changed while its thread was running
    BOOL m_bOpen;
    CString m_strMtngId;
    CString m_strAttcFileId;
    CString m_strFileName;
    int m_nRefFlag;
    CString m_strPrefixUrl;
    int m_nCurPage;
    int m_nTotalPage;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnHttpDownloadMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void RegisterTouch();
    void RequestStop();
    void StartDownload();
    void UpdatePageText();
    void UpdatePageButtons(BOOL bRepaint);
    void UpdateStateTexts();
    void ShowShareNotice(int nBlock);
    void FitCurrentPage();
    S_DOCVIEWER_PAGE* GetCurrentPage() const { return m_pages.GetPage(m_nCurPage); }
    Gdiplus::Image* GetCurrentImage();
    void InvalidateView();
    void SetImageRect(const CRect& rc);

    IDocViewerHost* m_pHost;
    CDocViewerPages m_pages;
    CDocDownloadThreads m_threads;
    UINT m_nGeneration;          // one per opening; results of another opening are dropped
    BOOL m_bPagesRequested;      // the reply for this opening was applied: a repeat is dropped
    ULONG_PTR m_gdiplusToken;

    SKIN_OBJECT* m_pTextFileName;
    SKIN_OBJECT* m_pBtnClose;
    SKIN_OBJECT* m_pBody;
    SKIN_OBJECT* m_pBtnChange;
    SKIN_OBJECT* m_pTextWaiting;
    SKIN_OBJECT* m_pTextLoading;
    SKIN_OBJECT* m_pTextFail;
    SKIN_OBJECT* m_pTextShare;
    SKIN_OBJECT* m_pTextShare1;
    SKIN_OBJECT* m_pTextShare2;
    SKIN_OBJECT* m_pTextShare3;
    SKIN_OBJECT* m_pImage;
    SKIN_OBJECT* m_pTextPage;
    SKIN_OBJECT* m_pBtnPrev;
    SKIN_OBJECT* m_pBtnNext;

    // View.
    float m_fZoom;
    CPoint m_ptDragStart;
    CPoint m_ptDragLast;
    int m_bDragging;
    CRect m_rcDragImage;
    int m_nScroll;
    CDocTouchTracker* m_pTouch;
};
