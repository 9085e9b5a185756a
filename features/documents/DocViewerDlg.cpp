// The reply type brings Winsock, whose header must come before the system header.
#include <winsock2.h>

#include "features/documents/DocViewerDlg.h"

#include <objidl.h>
#include <algorithm>
#include <gdiplus.h>

#include "core/AesBase64.h"
#include "core/SystemHelpers.h"
#include "core/JsonHelpers.h"
#include "core/MyLogFile.h"
#include "core/SettingManager.h"
#include "features/documents/DocViewGeometry.h"
#include "net/protocol/TasResponse.h"
#include "resources/resource.h"
#include "ui/skin/MonitorInfo.h"
#include "ui/skin/SkinLookups.h"

BEGIN_MESSAGE_MAP(CDocViewerDlg, CMyBaseDialog)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_GETMINMAXINFO()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_DOCVIEWER_DOWNLOADED, &CDocViewerDlg::OnHttpDownloadMessage)
END_MESSAGE_MAP()

namespace {

// More pages than any document has: a larger count in a reply is taken as this many.
const int kMaxPages = 10000;
// How long closing waits for a download thread that is still fetching a page.
const DWORD kJoinTimeoutMs = 10000;

}  // namespace

CDocViewerDlg::CDocViewerDlg(CWnd* pParent)
    : CMyBaseDialog(IDD_DOC_VIEWER, pParent), m_bThreadRunning(0), m_bStopThread(0), m_bOpen(FALSE),
      m_nRefFlag(0), m_nCurPage(0), m_nTotalPage(0), m_pHost(nullptr), m_nGeneration(1),
      m_bPagesRequested(FALSE), m_gdiplusToken(0), m_pTextFileName(nullptr), m_pBtnClose(nullptr),
      m_pBody(nullptr), m_pBtnChange(nullptr), m_pTextWaiting(nullptr), m_pTextLoading(nullptr),
      m_pTextFail(nullptr), m_pTextShare(nullptr), m_pTextShare1(nullptr), m_pTextShare2(nullptr),
      m_pTextShare3(nullptr), m_pImage(nullptr), m_pTextPage(nullptr), m_pBtnPrev(nullptr), m_pBtnNext(nullptr),
      m_fZoom(1.0f), m_bDragging(0), m_nScroll(100), m_pTouch(new CDocTouchTracker)
{
    m_bResizable = TRUE;
    // The page images are GDI+ images that live as long as the viewer.
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr);
}

CDocViewerDlg::~CDocViewerDlg()
{
    m_threads.StopAndJoin(0);
    m_pages.FreePages();
    delete m_pTouch;
    if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
}

BOOL CDocViewerDlg::CreateViewer(CWnd* pOwner, IDocViewerHost* pHost)
{
    m_pHost = pHost;
    if (!Create(IDD_DOC_VIEWER, CWnd::GetDesktopWindow())) {
        g_ApplicationLog.Log(4, L"CDocViewerDlg: the window was not created (%lu)\n", GetLastError());
        return FALSE;
    }
    SetOwnerWnd(pOwner);
    PlaceOnCreate();
    ShowWindow(SW_HIDE);
    return TRUE;
}

void CDocViewerDlg::PlaceOnCreate()
{
    if (RestoreWindowRect(DOCVIEWER_RECT_NAME, this)) return;
    if (m_pOwnerWnd) PlaceWindowNear(m_pOwnerWnd, this, PLACE_X_RIGHT_OF | PLACE_Y_CENTRE);
}

BOOL CDocViewerDlg::OnInitDialog()
{
    CMyBaseDialog::OnInitDialog();
    // The shared pop-up template has no taskbar button or system menu; the viewer is a window of
    // its own that the user switches to and minimises like any other.
    ModifyStyle(0, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    ModifyStyleEx(0, WS_EX_APPWINDOW);
    LoadScreen(DOCVIEWER_SCREEN);
    const CRect rcScreen = m_Screen.m_rcScreen;
    MoveWindow(rcScreen.left, rcScreen.top, rcScreen.Width(), rcScreen.Height(), FALSE);
    CenterWindow(CWnd::GetDesktopWindow());
    m_pTextFileName = m_Screen.FindObject(L"textFileName");
    m_pBtnClose = m_Screen.FindObject(L"btnClose");
    m_pBody = m_Screen.FindObject(L"Body");
    m_pBtnChange = m_Screen.FindObject(L"btnChange");
    m_pTextWaiting = m_Screen.FindObject(L"textWaiting");
    m_pTextLoading = m_Screen.FindObject(L"textLoading");
    m_pTextFail = m_Screen.FindObject(L"textFail");
    m_pTextShare = m_Screen.FindObject(L"textShare");
    m_pTextShare1 = m_Screen.FindObject(L"textShare1");
    m_pTextShare2 = m_Screen.FindObject(L"textShare2");
    m_pTextShare3 = m_Screen.FindObject(L"textShare3");
    m_pImage = m_Screen.FindObject(L"Image");
    m_pTextPage = m_Screen.FindObject(L"textPage");
    m_pBtnPrev = m_Screen.FindObject(L"btnPrev");
    m_pBtnNext = m_Screen.FindObject(L"btnNext");
    m_nScroll = CSettingManager::GetInstance()->GetWheelScroll();
    if (m_nScroll < 10) m_nScroll = 100;
    RegisterTouch();
    // The state texts and notices show only when they apply.
    for (SKIN_OBJECT* p : {m_pTextWaiting, m_pTextLoading, m_pTextFail, m_pTextShare, m_pTextShare1, m_pTextShare2,
                           m_pTextShare3})
        if (p) p->m_nVisible = 0;
    UpdatePageButtons(FALSE);
    return TRUE;
}

void CDocViewerDlg::RegisterTouch()
{
    if (!IsSystemTouchSupported()) return;
    m_pTouch->m_nMaxTouches = ::GetSystemMetrics(SM_MAXIMUMTOUCHES);
    if (!RegisterTouchWindow(TRUE, TWF_FINETOUCH))
        g_ApplicationLog.Log(3, L"CDocViewerDlg: RegisterTouchWindow failed (%lu)\n", GetLastError());
}

BOOL CDocViewerDlg::DestroyWindow()
{
    // The threads send to this window: they are stopped and waited for while it still exists,
    // and anything they still deliver belongs to no opening.
    ++m_nGeneration;
    m_threads.StopAndJoin(kJoinTimeoutMs);
    m_bThreadRunning = 0;
    m_pages.FreePages();
    return CMyBaseDialog::DestroyWindow();
}

void CDocViewerDlg::OnDestroy()
{
    // Destroyed with its owner rather than by DestroyWindow: the threads are told to stop, and
    // what they still send finds no window.
    ++m_nGeneration;
    m_threads.RequestStopAll();
    m_bThreadRunning = 0;
    CMyBaseDialog::OnDestroy();
}

// ------------------------------------------------------------------------------- documents

BOOL CDocViewerDlg::IsEqual(const CString& strMtngId, const CString& strAttcFileId) const
{
    return strMtngId == m_strMtngId && strAttcFileId == m_strAttcFileId;
}

void CDocViewerDlg::ShowDocument(const S_DOCVIEWER_DOCUMENT& doc)
{
    if (IsEqual(doc.strMtngId, doc.strAttcFileId)) {
        g_ApplicationLog.Log(1, L"CMeetingLayer:: m_pDocViewer->IsEqual mtngId:%s, fileId:%s\n",
                             (LPCTSTR)doc.strMtngId, (LPCTSTR)doc.strAttcFileId);
    } else {
        OpenDocument(doc.strMtngId, doc.strAttcFileId, doc.strFileName, doc.nRefFlag);
        if (m_pHost) m_pHost->RequestViewerPages(doc.strMtngId, doc.strAttcFileId);
    }
    ShowViewer();
}

void CDocViewerDlg::RequestStop()
{
    if (m_bThreadRunning) m_bStopThread = 1;
    m_threads.RequestStopAll();
    m_bThreadRunning = 0;
}

void CDocViewerDlg::OpenDocument(const CString& strMtngId, const CString& strAttcFileId, const CString& strFileName,
                                 int nRefFlag)
{
    RequestStop();
    ++m_nGeneration;
    m_bPagesRequested = FALSE;
    m_strMtngId = strMtngId;
    m_strAttcFileId = strAttcFileId;
    m_strFileName = strFileName;
    m_nRefFlag = nRefFlag;
    m_strPrefixUrl.Empty();
    m_nCurPage = 0;
    m_nTotalPage = 0;
    if (m_pTextFileName) m_pTextFileName->SetText(this, strFileName, TRUE);
    if (m_pTextWaiting) m_pTextWaiting->m_nVisible = 1;
    if (m_pTextLoading) m_pTextLoading->m_nVisible = 0;
    if (m_pTextFail) m_pTextFail->m_nVisible = 0;
    if (m_pTextPage) m_pTextPage->SetText(this, CString(), TRUE);
    m_pages.FreePages();
    HoldChangeButton();
    UpdatePageButtons(FALSE);
    if (GetSafeHwnd()) Invalidate(FALSE);
}

void CDocViewerDlg::OnReceiveM00000024(CTasResponse* pReply)
{
    const Json::Value* pBody = pReply ? pReply->GetBody() : nullptr;
    if (!pBody) return;
    const CString strMtngId = GetJsonString(*pBody, "mtngId");
    const CString strAttcFileId = GetJsonString(*pBody, "attcFileId");
    if (strMtngId != m_strMtngId || strAttcFileId != m_strAttcFileId || m_strAttcFileId.IsEmpty()) {
        g_ApplicationLog.Log(1, L"CDocViewerDlg::OnReceiveM00000024 not the open document: %s, %s\n",
                             (LPCTSTR)strMtngId, (LPCTSTR)strAttcFileId);
        return;
    }
    // A repeated reply (the message layer sends a request again after a reconnection) must not
    // start a second set of pages.
    if (m_bPagesRequested) {
        g_ApplicationLog.Log(2, L"CDocViewerDlg::OnReceiveM00000024 repeated reply for %s dropped\n",
                             (LPCTSTR)strAttcFileId);
        return;
    }
    m_nTotalPage = std::min(std::max(GetJsonInt(*pBody, "totalPage"), 0), kMaxPages);
    const CString strPrefix = GetJsonString(*pBody, "prefixUrl");
    if (GetJsonFlag(*pBody, "isEnc"))
        m_strPrefixUrl = DecryptAes256Base64(strPrefix, GetJsonString(*pBody, "aesKey"));
    else
        m_strPrefixUrl = strPrefix;
    m_pages.Create(m_nTotalPage);
    m_bPagesRequested = TRUE;
    if (m_nCurPage >= m_nTotalPage) m_nCurPage = std::max(m_nTotalPage - 1, 0);
    UpdatePageText();
    UpdatePageButtons(TRUE);
    UpdateStateTexts();
    StartDownload();
}

void CDocViewerDlg::StartDownload()
{
    auto param = std::make_unique<S_DOCVIEWER_THREAD_PARAM>();
    param->hViewer = GetSafeHwnd();
    param->pViewer = this;
    param->strAttcFileId = m_strAttcFileId;
    param->nTotalPage = m_nTotalPage;
    param->strPrefixUrl = m_strPrefixUrl;
    param->nGeneration = m_nGeneration;
    param->bIgnoreCertificateErrors = CSettingManager::GetInstance()->GetIgnoreImageCertErrors() ? TRUE : FALSE;
    // The page on screen is fetched first without asking for it.
    param->nFirstIndex = m_pages.FindNextToFetch(m_nCurPage);
    if (param->nFirstIndex >= 0) {
        m_pages.MarkLoading(param->nFirstIndex);
        if (param->nFirstIndex == m_nCurPage) UpdateStateTexts();
    }
    const int nFirst = param->nFirstIndex;
    m_bStopThread = 0;
    m_bThreadRunning = m_threads.Start(std::move(param)) ? 1 : 0;
    // Without a thread the page marked loading failed; showing it again tries once more.
    if (!m_bThreadRunning && nFirst >= 0) m_pages.StoreResult(nFirst, FALSE, nullptr);
}

LRESULT CDocViewerDlg::OnHttpDownloadMessage(WPARAM wParam, LPARAM lParam)
{
    S_DOCVIEWER_RESULT* pRec = reinterpret_cast<S_DOCVIEWER_RESULT*>(lParam);
    const bool bCurrent = pRec != nullptr && pRec->nGeneration == m_nGeneration;
    switch ((INT_PTR)wParam) {
    case -1: {
        if (!bCurrent) return 0;
        const int nIndex = m_pages.FindNextToFetch(m_nCurPage);
        if (nIndex < 0) m_bThreadRunning = 0;
        return nIndex + 1;
    }
    case 0:
        if (!bCurrent) return 0;
        g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage 0> index:%d\n", pRec->nPageIndex);
        m_pages.MarkLoading(pRec->nPageIndex);
        if (pRec->nPageIndex == m_nCurPage) UpdateStateTexts();
        return 0;
    case 100: {
        if (!pRec) return 0;
        g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage 100> index:%d, size:%d\n", pRec->nPageIndex,
                             pRec->nBodyLength);
        if (!bCurrent) {
            g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage page of a document no longer shown dropped\n");
            return 0;
        }
        if (!m_pages.GetPage(pRec->nPageIndex)) {
            g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage page is NULL \n");
            return 0;
        }
        Gdiplus::Image* pImage = pRec->pImage;
        pRec->pImage = nullptr;
        if (!pRec->bSuccess)
            g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage bResult FALSE\n");
        else if (!pImage)
            g_ApplicationLog.Log(1, L"CDocViewerDlg::OnHttpDownloadMessage LoadDocImage fail\n");
        const int nState = m_pages.StoreResult(pRec->nPageIndex, pRec->bSuccess, pImage, pRec->pBody, pRec->nBodyLength);
        m_pages.TrimDecoded(m_nCurPage);
        if (pRec->nPageIndex == m_nCurPage) {
            if (nState == S_DOCVIEWER_PAGE::LOADED) FitCurrentPage();
            UpdateStateTexts();
            Invalidate(FALSE);
        }
        return 0;
    }
    default:
        return 0;
    }
}

void CDocViewerDlg::ShowViewer()
{
    if (m_bMinimized) {
        ShowWindow(SW_RESTORE);
        m_bMinimized = FALSE;
    }
    if (!IsWindowVisible()) {
        if (m_pOwnerWnd) PlaceWindowNear(m_pOwnerWnd, this, 0);
        ShowWindow(SW_SHOW);
    }
    SetForegroundWindow();
    m_bOpen = TRUE;
}

void CDocViewerDlg::CloseViewer()
{
    if (m_bOpen) Close();
}

void CDocViewerDlg::Close()
{
    OpenDocument(CString(), CString(), CString(), 0);
    ShowWindow(SW_HIDE);
    SaveWindowRect(DOCVIEWER_RECT_NAME, this);
    m_bOpen = FALSE;
}

void CDocViewerDlg::HoldChangeButton()
{
    if (!m_bOpen || !GetSafeHwnd()) return;
    EnableObject(m_pBtnChange, FALSE, TRUE);
    SetTimer(TIMER_HOLD_CHANGE, NOTICE_MS);
}

// ---------------------------------------------------------------------------------- paging

void CDocViewerDlg::MovePageBy(int nDelta)
{
    const int n = m_nCurPage + nDelta;
    if (n >= 0 && n < m_nTotalPage) SetCurPage(n);
}

void CDocViewerDlg::SetCurPage(int nPage)
{
    m_nCurPage = nPage;
    // A page that failed is fetched again when the user comes to it.
    if (m_pages.RetryFailed(nPage)) {
        g_ApplicationLog.Log(2, L"CDocViewerDlg::SetCurPage page %d failed before: fetched again\n", nPage + 1);
        if (!m_bThreadRunning && m_bPagesRequested) StartDownload();
    }
    m_pages.GetDecoded(nPage);
    m_pages.TrimDecoded(nPage);
    UpdatePageText();
    FitCurrentPage();
    UpdateStateTexts();
    UpdatePageButtons(FALSE);
    Invalidate(FALSE);
}

void CDocViewerDlg::UpdatePageText()
{
    if (!m_pTextPage) return;
    CString s;
    s.Format(L"%d / %d", m_nCurPage + 1, m_nTotalPage);
    m_pTextPage->SetText(this, s, TRUE);
}

void CDocViewerDlg::UpdatePageButtons(BOOL bRepaint)
{
    EnableObject(m_pBtnPrev, m_nCurPage > 0, bRepaint);
    EnableObject(m_pBtnNext, m_nCurPage < m_nTotalPage - 1, bRepaint);
}

void CDocViewerDlg::UpdateStateTexts()
{
    const int s = m_pages.GetState(m_nCurPage);
    SetObjectVisible(m_pTextWaiting, s == S_DOCVIEWER_PAGE::WAITING, TRUE);
    SetObjectVisible(m_pTextLoading, s == S_DOCVIEWER_PAGE::LOADING, TRUE);
    SetObjectVisible(m_pTextFail, s == S_DOCVIEWER_PAGE::FAILED, TRUE);
}

// -------------------------------------------------------------------------------- geometry

CRect CDocViewerDlg::GetViewRect() const
{
    CRect rc;
    if (m_pBody) m_pBody->GetContentRect(rc, nullptr);
    return rc;
}

CRect CDocViewerDlg::GetImageRect() const
{
    return m_pImage ? m_pImage->m_rcObject : CRect();
}

void CDocViewerDlg::SetImageRect(const CRect& rc)
{
    if (m_pImage) m_pImage->m_rcObject = rc;
}

Gdiplus::Image* CDocViewerDlg::GetCurrentImage()
{
    return m_pages.GetDecoded(m_nCurPage);
}

void CDocViewerDlg::InvalidateView()
{
    if (!GetSafeHwnd()) return;
    const CRect B = GetViewRect();
    InvalidateRect(&B, FALSE);
}

void CDocViewerDlg::FitCurrentPage()
{
    const S_DOCVIEWER_PAGE* p = GetCurrentPage();
    if (!p || !GetCurrentImage()) return;
    SetImageRect(docview::FitImageRect(GetViewRect(), p->m_nWidth, p->m_nHeight, &m_fZoom));
    InvalidateView();
}

void CDocViewerDlg::SetZoom(float fZoom, BOOL bLimit, int x, int y)
{
    m_fZoom = fZoom;
    const S_DOCVIEWER_PAGE* p = GetCurrentPage();
    if (!p || !GetCurrentImage()) return;
    const CRect B = GetViewRect();
    CRect R;
    const BOOL bSmaller = docview::ZoomImageRect(GetImageRect(), B, x, y, p->m_nWidth, p->m_nHeight, m_fZoom, &R);
    if (bSmaller && bLimit) {
        if (docview::IsImageSmallerThan(B, p->m_nWidth, p->m_nHeight)) {
            if (m_fZoom < 1.0f) {
                m_fZoom = 1.0f;
                docview::ZoomImageRect(R, B, x, y, p->m_nWidth, p->m_nHeight, m_fZoom, &R);
            }
        } else {
            R = docview::FitImageRect(B, p->m_nWidth, p->m_nHeight, &m_fZoom);
        }
    }
    SetImageRect(R);
    InvalidateView();
}

// --------------------------------------------------------------------------------- drawing

void CDocViewerDlg::DrawObjects(CDC* pDC, CRect rc)
{
    CMyBaseDialog::DrawObjects(pDC, rc);
    Gdiplus::Image* pImage = GetCurrentImage();
    if (!pImage) return;
    // Drawn here rather than by the skin so that a zoomed page stays inside the view.
    const CRect B = GetViewRect();
    const CRect R = GetImageRect();
    Gdiplus::Graphics graphics(pDC->GetSafeHdc());
    graphics.SetClip(Gdiplus::Rect(B.left, B.top, B.Width(), B.Height()));
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
    graphics.DrawImage(pImage, Gdiplus::Rect(R.left, R.top, R.Width(), R.Height()));
}

void CDocViewerDlg::OnDrawExtra(CDC* pDC, CRect rc)
{
    CMyBaseDialog::OnDrawExtra(pDC, rc);
}

// ------------------------------------------------------------------------- objects, timers

int CDocViewerDlg::OnObjectEvent(UINT nEvent, SKIN_OBJECT* pObject)
{
    if (nEvent != WM_LBUTTONUP || !pObject) return 0;
    const CString& name = pObject->m_strName;
    if (name == L"btnClose") {
        Close();
    } else if (name.CompareNoCase(SKINOBJECT_MAX_BUTTON) == 0) {
        ToggleMaximize();
    } else if (name == L"btnChange") {
        OnChangeDocument();
    } else if (name == L"btnPrev") {
        MovePageBy(-1);
    } else if (name == L"btnNext") {
        MovePageBy(1);
    } else {
        return 0;
    }
    return 1;
}

void CDocViewerDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TIMER_SHARE_NOTICE) {
        KillTimer(nIDEvent);
        ShowShareNotice(0);
        return;
    }
    if (nIDEvent == TIMER_HOLD_CHANGE) {
        KillTimer(nIDEvent);
        EnableObject(m_pBtnChange, TRUE, TRUE);
        return;
    }
    CMyBaseDialog::OnTimer(nIDEvent);
}

void CDocViewerDlg::ShowShareNotice(int nBlock)
{
    SetObjectVisible(m_pTextShare1, nBlock == 1, TRUE);
    SetObjectVisible(m_pTextShare2, nBlock == 2, TRUE);
    SetObjectVisible(m_pTextShare3, nBlock == 3, TRUE);
}

int CDocViewerDlg::GetShareBlock()
{
    if (!m_pHost) return 0;
    if (m_pHost->IsBoardOnWhiteboardDocument()) return 3;
    if (m_pHost->IsPageSyncOn()) return 1;
    return 0;
}

void CDocViewerDlg::OnChangeDocument()
{
    if (!m_pHost) return;
    const int nBlock = GetShareBlock();
    if (nBlock != 0) {
        ShowShareNotice(nBlock);
        SetTimer(TIMER_SHARE_NOTICE, NOTICE_MS);
        return;
    }
    S_DOCVIEWER_DOCUMENT board;
    if (!m_pHost->GetBoardDocument(&board)) return;
    const int p = m_nCurPage + 1;
    const CString v = m_strAttcFileId;
    const int nBoardPage = m_pHost->GetBoardPage();
    if (v == board.strAttcFileId) {
        if (nBoardPage - 1 >= 0 && nBoardPage - 1 < m_nTotalPage) SetCurPage(nBoardPage - 1);
        m_pHost->MoveBoardPage(p);
        return;
    }
    OpenDocument(board.strMtngId, board.strAttcFileId, board.strFileName, board.nRefFlag);
    m_nCurPage = std::max(nBoardPage - 1, 0);
    m_pHost->RequestViewerPages(board.strMtngId, board.strAttcFileId);
    // With no document in the viewer the whiteboard keeps its own.
    if (v.IsEmpty()) return;
    m_pHost->SetBoardBookmarkPage(v, p);
    m_pHost->OpenOnBoard(v);
}

// ----------------------------------------------------------------------------- window input

void CDocViewerDlg::OnSize(UINT nType, int cx, int cy)
{
    CMyBaseDialog::OnSize(nType, cx, cy);
    if (nType == SIZE_RESTORED)
        m_bMinimized = FALSE;
    else if (nType == SIZE_MINIMIZED)
        m_bMinimized = TRUE;
    FitCurrentPage();
}

void CDocViewerDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_Screen.m_nMinCx > 0) lpMMI->ptMinTrackSize.x = m_Screen.m_nMinCx;
    if (m_Screen.m_nMinCy > 0) lpMMI->ptMinTrackSize.y = m_Screen.m_nMinCy;
    CMyBaseDialog::OnGetMinMaxInfo(lpMMI);
}

BOOL CDocViewerDlg::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    g_ApplicationLog.Log(1, L"OnMouseWheel movex: %d, %d, (%d, %d)\n", nFlags, zDelta, pt.x, pt.y);
    CPoint ptClient = pt;
    ScreenToClient(&ptClient);
    const CRect B = GetViewRect();
    if (!B.PtInRect(ptClient)) return CMyBaseDialog::OnMouseWheel(nFlags, zDelta, pt);
    if (nFlags & MK_CONTROL) {
        if (zDelta < 0)
            SetZoom(docview::ZoomOutStep(m_fZoom), TRUE, ptClient.x, ptClient.y);
        else
            SetZoom(docview::ZoomInStep(m_fZoom), FALSE, ptClient.x, ptClient.y);
        return TRUE;
    }
    const int nStep = zDelta < 0 ? -m_nScroll : m_nScroll;
    SetImageRect(docview::PanImageRect(GetImageRect(), B, 0, nStep));
    InvalidateView();
    return TRUE;
}

void CDocViewerDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (GetViewRect().PtInRect(point)) {
        SetFocus();
        m_bDragging = 1;
        m_ptDragStart = point;
        m_ptDragLast = point;
        m_rcDragImage = GetImageRect();
        SetCapture();
    }
    CMyBaseDialog::OnLButtonDown(nFlags, point);
}

void CDocViewerDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging && m_pTouch->CanDrag()) {
        SetImageRect(docview::PanImageRect(m_rcDragImage, GetViewRect(), point.x - m_ptDragStart.x,
                                           point.y - m_ptDragStart.y));
        InvalidateView();
        m_ptDragLast = point;
    }
    CMyBaseDialog::OnMouseMove(nFlags, point);
}

void CDocViewerDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        m_bDragging = 0;
        m_ptDragStart = CPoint(0, 0);
        m_ptDragLast = CPoint(0, 0);
        ReleaseCapture();
    }
    CMyBaseDialog::OnLButtonUp(nFlags, point);
}

BOOL CDocViewerDlg::OnTouchInput(CPoint pt, int nInputNumber, int nInputsCount, PTOUCHINPUT pInput)
{
    if (!pInput) return FALSE;
    const int nPen = (pInput->dwFlags & TOUCHEVENTF_PEN) ? 1 : 0;
    if (pInput->dwFlags & TOUCHEVENTF_DOWN) {
        if (m_pTouch->m_nCount == 0) m_pTouch->m_fStartZoom = m_fZoom;
        m_pTouch->OnTouchDown(pt.x, pt.y, *pInput);
        g_ApplicationLog.Log(1, L"OnTouchInputDown: %f, %s, %d,\n", (double)m_pTouch->m_fStartZoom,
                             (LPCTSTR)m_pTouch->Describe(), nPen);
        return TRUE;
    }
    if (pInput->dwFlags & TOUCHEVENTF_MOVE) {
        float fRatio = 0.0f;
        if (m_pTouch->OnTouchMove(pt.x, pt.y, *pInput, &fRatio) && fRatio != 0.0f) {
            const float z = std::min(m_pTouch->m_fStartZoom * fRatio, docview::kMaxZoom);
            SetZoom(z, z < 1.0f, m_pTouch->m_nCentreX, m_pTouch->m_nCentreY);
        }
        return TRUE;
    }
    if (pInput->dwFlags & TOUCHEVENTF_UP) {
        int nSwipe = 0, nDirection = 0;
        m_pTouch->OnTouchUp(pt.x, pt.y, *pInput, &nSwipe, &nDirection);
        if (nSwipe) MovePageBy(nDirection);
        g_ApplicationLog.Log(1, L"OnTouchInputUp: %s\n", (LPCTSTR)m_pTouch->Describe());
        return TRUE;
    }
    return FALSE;
}
