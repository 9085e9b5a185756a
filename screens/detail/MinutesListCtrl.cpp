#include "screens/detail/MinutesListCtrl.h"

#include <algorithm>

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/ClientMessages.h"
#include "core/DrawHelpers.h"
#include "core/JsonHelpers.h"
#include "core/MeetingDocument.h"
#include "core/MeetingManager.h"
#include "platform/DC.h"
#include "resources/resource.h"
#include "screens/detail/DetailRules.h"
#include "screens/detail/MinutesViewer.h"
#include "ui/controls/OkCancelDlg.h"

namespace {

const int kRowHeight = detailrules::MINUTES_ROW_HEIGHT;
const int kHeaderHeight = 31;
const COLORREF kInk = RGB(102, 102, 102);

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}


void DrawLine(CDC* pDC, const CString& strText, CRect rc, BOOL bBold)
{
    LOGFONT lf = {};
    lf.lfHeight = -::MulDiv(9, pDC->GetDeviceCaps(LOGPIXELSY), 72);
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(lf.lfFaceName, LF_FACESIZE, (LPCTSTR)GetDefaultFontName(), _TRUNCATE);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), hFont);
    pDC->SetTextColor(kInk);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, &rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
    ::DeleteObject(hFont);
}

}  // namespace

CWnd* CreateMinutesList(CWnd* pParent, const CRect& rc, unsigned nId, IMinutesList** ppList)
{
    CMinutesListCtrl* pList = new CMinutesListCtrl();
    if (!pList->Create(pParent, rc, nId)) {
        delete pList;
        if (ppList)
            *ppList = nullptr;
        return nullptr;
    }
    if (ppList)
        *ppList = pList;
    return pList;
}

BEGIN_MESSAGE_MAP(CMinutesListCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SCROLLBAR_POS, &CMinutesListCtrl::OnScrollPos)
    ON_NOTIFY(LVN_ITEMCHANGED, DOCUMENTLIST_CTRL_ID, &CMinutesListCtrl::OnItemChanged)
    ON_BN_CLICKED(CMinutesListCtrl::VIEW_BUTTON_ID, &CMinutesListCtrl::OnViewMinutes)
END_MESSAGE_MAP()

CMinutesListCtrl::CMinutesListCtrl() = default;

CMinutesListCtrl::~CMinutesListCtrl()
{
    DestroyViewer();
    if (m_pRows && m_pRows->GetSafeHwnd())
        m_pRows->DestroyWindow();
    if (m_pScrollBar && m_pScrollBar->GetSafeHwnd())
        m_pScrollBar->DestroyWindow();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CMinutesListCtrl::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_CLIPCHILDREN, rc, pParent, nId);
}

int CMinutesListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_btnView.Create(L"", WS_CHILD | WS_VISIBLE | BS_BITMAP, CRect(5, 3, 19, 24), this, VIEW_BUTTON_ID);
    m_btnView.SetSkin(IDB_MINUTES_BUTTON, IDB_MINUTES_BUTTON_DOWN, IDB_MINUTES_BUTTON_OVER,
                      IDB_MINUTES_BUTTON_DISABLED, IDB_MINUTES_BUTTON, 0, 0, 0, 0);
    m_btnView.SetToolTipText(LoadText(IDS_MINUTES_BUTTON_TIP));
    CRect rcClient;
    GetClientRect(&rcClient);
    m_pRows.reset(new CDocumentListCtrl());
    m_pRows->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER, rcClient, this,
                    DOCUMENTLIST_CTRL_ID);
    m_pRows->SetExtendedStyle(m_pRows->GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    m_pRows->SetBkColor(RGB(255, 255, 255));
    m_pScrollBar.reset(new ZELScrollBar());
    m_pScrollBar->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 7, 80), this, SCROLLBAR_ID);
    return 0;
}

void CMinutesListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_btnView.GetSafeHwnd())
        m_btnView.MoveWindow(222, 5, 22, 22);
    const int cyRows = std::max(0, cy - 37);
    if (m_pRows && m_pRows->GetSafeHwnd()) {
        m_pRows->MoveWindow(1, kHeaderHeight, 253, cyRows);
    }
    if (m_pScrollBar && m_pScrollBar->GetSafeHwnd())
        m_pScrollBar->MoveWindow(cx - 11, kHeaderHeight, 11, cyRows);
    UpdateScrollBar();
}

BOOL CMinutesListCtrl::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, RGB(255, 255, 255));
    return FALSE;
}

void CMinutesListCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap surface;
    surface.CreateCompatibleBitmap(&dc, rc.Width(), rc.Height());
    CBitmap* pOld = mem.SelectObject(&surface);
    mem.FillSolidRect(&rc, RGB(255, 255, 255));
    StretchBitmap(&mem, IDB_PANE_BODY, CRect(rc.left, rc.top, rc.right + 10, rc.bottom));
    StretchBitmap(&mem, IDB_DOCPANE_HEADER, CRect(0, 0, rc.Width(), kHeaderHeight));
    const CString strTitle = LoadText(IDS_MINUTES_TITLE);
    DrawLine(&mem, strTitle, CRect(10, 10, 80, kHeaderHeight), TRUE);
    CString strCount;
    strCount.Format(LoadText(IDS_DOCPANE_COUNT), m_pRows ? m_pRows->GetItemCount() : 0);
    DrawLine(&mem, strCount, CRect(17 + 12 * strTitle.GetLength(), 10, 150, kHeaderHeight), FALSE);
    StretchBitmap(&mem, IDB_DOCPANE_BODY, CRect(0, kHeaderHeight, 255, rc.bottom));
    StretchBitmap(&mem, IDB_DOCPANE_EDGE, CRect(0, rc.bottom - 6, 255, rc.bottom));
    dc.BitBlt(0, 0, rc.Width(), rc.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}

// ---- Data ----

void CMinutesListCtrl::SetMinutes(const Json::Value& body, int bViewerAllowed)
{
    m_bViewerAllowed = bViewerAllowed;
    const char* keys[] = {"regDate", "regUserName", "mtngStartDate", "mtngEndDate", "mtngContent", "mtngId"};
    for (int i = 0; i < 6; ++i)
        m_minutes[i] = body.isObject() ? GetJsonString(body, keys[i]) : CString();
    m_bLoaded = TRUE;
}

void CMinutesListCtrl::SetDocuments(const std::vector<CMeetingDocument*>& documents)
{
    if (!m_pRows)
        return;
    m_pRows->DeleteAllDocuments();
    m_pRows->SetRedraw(FALSE);
    for (CMeetingDocument* pDocument : documents)
        m_pRows->AddDocumentRow(pDocument);
    m_pRows->SetRedraw(TRUE);
    UpdateScrollBar();
    Invalidate();
}

void CMinutesListCtrl::ClearList()
{
    if (m_pRows)
        m_pRows->DeleteAllDocuments();
    m_nScrollPos = 0;
}

void CMinutesListCtrl::SelectDocument(const CString& strDocumentId)
{
    if (!m_pRows)
        return;
    m_pRows->SelectDocument(strDocumentId);
    SyncScrollToSelection(TRUE);
}

void CMinutesListCtrl::EnableList(BOOL bEnable)
{
    if (m_pRows)
        m_pRows->EnableWindow(bEnable);
}

// ---- Scrolling ----

void CMinutesListCtrl::UpdateScrollBar()
{
    if (!m_pRows || !m_pScrollBar || !m_pRows->GetSafeHwnd())
        return;
    CRect rc;
    m_pRows->GetClientRect(&rc);
    const int nCount = m_pRows->GetItemCount();
    if (nCount > 0 && rc.Height() < nCount * kRowHeight) {
        m_pScrollBar->ShowWindow(SW_SHOW);
        m_pScrollBar->SetThumbSize((int)(rc.Height() / (double)kRowHeight / nCount * 100));
        SyncScrollToSelection(TRUE);
    } else {
        m_pScrollBar->ShowWindow(SW_HIDE);
    }
}

void CMinutesListCtrl::SyncScrollToSelection(BOOL bNotify)
{
    if (!m_pRows || !m_pScrollBar)
        return;
    CRect rc;
    m_pRows->GetClientRect(&rc);
    const int nCount = m_pRows->GetItemCount();
    int nSelected = -1;
    for (int i = 0; i < nCount; ++i) {
        if (m_pRows->GetItemState(i, LVIS_SELECTED))
            nSelected = i;
    }
    if (nSelected < 0) {
        m_pScrollBar->SetPos(m_nScrollPos, TRUE);
        return;
    }
    const int nPos = detailrules::ScrollPosForSelection(nCount, m_pRows->GetTopIndex(), rc.Height(), nSelected);
    if (nPos < 0) {
        m_pScrollBar->SetPos(m_pScrollBar->GetPos(), FALSE);
        m_nScrollPos = m_pScrollBar->GetPos();
    } else {
        m_nScrollPos = nPos;
        m_pScrollBar->SetPos(nPos, bNotify);
    }
}

LRESULT CMinutesListCtrl::OnScrollPos(WPARAM wParam, LPARAM)
{
    if (!m_pRows)
        return 0;
    CRect rc;
    m_pRows->GetClientRect(&rc);
    int nFirst = 0, nCount = 0;
    detailrules::RowsForScrollPos(m_pRows->GetItemCount(), rc.Height(), (int)wParam, nFirst, nCount);
    for (int i = 0; i < nCount; ++i)
        m_pRows->EnsureVisible(nFirst + i, i == nCount - 1);
    return 0;
}

BOOL CMinutesListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (m_pScrollBar)
        m_pScrollBar->SetPos(detailrules::WheelScrollPos(m_pScrollBar->GetPos(), zDelta), TRUE);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

void CMinutesListCtrl::OnItemChanged(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pItem = reinterpret_cast<const NMLISTVIEW*>(pNotify);
    const UINT nWanted = LVIS_SELECTED | LVIS_FOCUSED;
    if (!(pItem->uChanged & LVIF_STATE) || (pItem->uNewState & nWanted) != nWanted || !m_pRows)
        return;
    CMeetingDocument* pDocument = reinterpret_cast<CMeetingDocument*>(m_pRows->GetItemData(pItem->iItem));
    if (!pDocument || pDocument->GetFileId() == m_pRows->GetSelectedDocumentId())
        return;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MINUTES_OPEN_DOCUMENT, pItem->iItem, 1);
}

BOOL CMinutesListCtrl::PreTranslateMessage(MSG* pMsg)
{
    // While the pages follow the presenter, only the presenter who also leads the meeting may
    // choose here.
    if (pMsg->message == WM_LBUTTONDOWN && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        IZELMainDlg* pMain = GetMainDlg();
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        if (pMain && pMain->IsPageSyncOn() && !(pMeetings->IsPresenterMe() && pMeetings->IsMainUserMe()))
            return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}

// ---- The viewer ----

CString CMinutesListCtrl::FormatDuration() const
{
    int h = 0, m = 0, s = 0;
    detailrules::MinutesDuration(m_minutes[2], m_minutes[3], h, m, s);
    CString text;
    text.Format(LoadText(IDS_MINUTES_DURATION), h, m, s);
    return text;
}

void CMinutesListCtrl::DestroyViewer()
{
    if (!m_pViewer)
        return;
    // A modeless window: destroyed once, then deleted.
    if (m_pViewer->GetSafeHwnd())
        m_pViewer->DestroyWindow();
    delete m_pViewer;
    m_pViewer = nullptr;
}

void CMinutesListCtrl::CloseViewer()
{
    DestroyViewer();
}

void CMinutesListCtrl::OnViewMinutes()
{
    IZELMainDlg* pMain = GetMainDlg();
    IMeetingScreen* pMeeting = pMain ? pMain->GetMeetingLayer() : nullptr;
    if (!m_bViewerAllowed) {
        if (pMain)
            pMain->ShowToast(LoadText(IDS_MINUTES_NOT_ALLOWED));
        if (pMeeting) {
            pMeeting->ClearThumbnails();
            pMeeting->EnableBoard(FALSE);
        }
        return;
    }
    if (pMeeting)
        pMeeting->EnableBoard(TRUE);
    if (m_pViewer) {
        const BOOL bVisible = m_pViewer->GetSafeHwnd() && m_pViewer->IsWindowVisible();
        DestroyViewer();
        if (bVisible)
            return;   // the button toggles the viewer off
    }
    if (!m_bLoaded) {
        ShowOkCancel(LoadText(IDS_MINUTES_NONE), LoadText(IDS_POPUP_TITLE), TRUE, FALSE);
        return;
    }
    m_pViewer = new CMinutesViewer(nullptr);
    m_pViewer->SetMinutesInfo(m_minutes[0], m_minutes[1], m_minutes[2], m_minutes[3], FormatDuration(),
                              m_minutes[4]);
    if (!m_pViewer->Create(IDD_MINUTES_VIEWER, nullptr)) {
        delete m_pViewer;
        m_pViewer = nullptr;
        return;
    }
    m_pViewer->MoveWindow(0, 0, CMinutesViewer::VIEWER_WIDTH, CMinutesViewer::VIEWER_HEIGHT);
    m_pViewer->CenterWindow();
    m_pViewer->ShowWindow(SW_SHOW);
}
