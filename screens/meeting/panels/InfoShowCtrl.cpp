#include "screens/meeting/panels/InfoShowCtrl.h"

#include <algorithm>

#include "ui/host/MainDlg.h"
#include "ui/host/MeetingScreen.h"
#include "core/DrawHelpers.h"
#include "core/LoginManager.h"
#include "core/MeetingManager.h"
#include "platform/DC.h"
#include "resources/resource.h"
#include "ui/controls/MemoryDC.h"
#include "ui/skin/MyEdit.h"

namespace {

CInfoShowCtrl* g_pInfoShow = nullptr;

const COLORREF kBack = RGB(233, 233, 241);
const COLORREF kInk = RGB(51, 51, 51);
const COLORREF kSubInk = RGB(119, 119, 119);
const COLORREF kAccent = RGB(0, 150, 170);

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

struct BUTTON_SETUP {
    UINT nId;
    UINT nNormal, nDown, nOver, nDisabled, nFocus;
};

// Bitmaps of the language library, in the order normal, pressed, hover, disabled, focus.
const BUTTON_SETUP kButtons[] = {
    {CInfoShowCtrl::ID_CLOSE, 190, 191, 189, 188, 190},
    {CInfoShowCtrl::ID_TAB_MEMBERS, 1037, 1038, 1036, 1035, 1037},
    {CInfoShowCtrl::ID_TAB_THUMBNAILS, 1039, 1042, 1040, 1039, 1041},
    {CInfoShowCtrl::ID_TAB_BOOKMARKS, 1114, 1117, 1115, 1114, 1116},
    {CInfoShowCtrl::ID_CONFIRM, 1058, 1059, 1057, 1056, 1058},
    {CInfoShowCtrl::ID_ADD, 199, 200, 200, 197, 199},
    {CInfoShowCtrl::ID_SEARCH_CLEAR, IDB_INFO_SEARCH_CLEAR, IDB_INFO_SEARCH_CLEAR_OVER, IDB_INFO_SEARCH_CLEAR_OVER,
     IDB_INFO_SEARCH_CLEAR_DISABLED, IDB_INFO_SEARCH_CLEAR},
    {CInfoShowCtrl::ID_SEARCH_NEXT, 1089, 1088, 1088, 1087, 1089},
    {CInfoShowCtrl::ID_SEARCH_PREV, 1082, 1081, 1081, 1080, 1082},
};

CMeeting* CurrentMeeting()
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    return pMeetings ? pMeetings->GetCurrentMeeting() : nullptr;
}

// A meeting whose status is none of the waiting and running ones has ended (or been closed).
// (The record's IsNotStarted answers exactly that, whatever its name says.)
BOOL IsCurrentMeetingEnded()
{
    CMeeting* pMeeting = CurrentMeeting();
    return pMeeting && pMeeting->IsNotStarted();
}

}  // namespace

// ---------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CInfoAttendeeList, CListCtrl)
    ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

void CInfoAttendeeList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pView)
        m_pView->DrawAttendeeRow(this, lpDrawItemStruct);
}

void CInfoAttendeeList::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    ModifyStyle(WS_VSCROLL | WS_HSCROLL, 0);
    CListCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
}

// ---------------------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CInfoShowCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MEASUREITEM()
    ON_MESSAGE(WM_MYEDIT_INPUT, &CInfoShowCtrl::OnSearchTextChanged)
    ON_BN_CLICKED(ID_SEARCH_CLEAR, &CInfoShowCtrl::OnSearchClear)
    ON_BN_CLICKED(ID_CLOSE, &CInfoShowCtrl::OnClose)
END_MESSAGE_MAP()

CInfoShowCtrl::CInfoShowCtrl()
{
    g_pInfoShow = this;
}

CInfoShowCtrl::~CInfoShowCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
    if (g_pInfoShow == this)
        g_pInfoShow = nullptr;
}

CInfoShowCtrl* CInfoShowCtrl::GetInstance()
{
    return g_pInfoShow;
}

BOOL CInfoShowCtrl::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

CxSkinButton& CInfoShowCtrl::GetButton(UINT nId)
{
    for (size_t i = 0; i < sizeof kButtons / sizeof kButtons[0]; ++i) {
        if (kButtons[i].nId == nId)
            return m_buttons[i];
    }
    return m_buttons[0];
}

int CInfoShowCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    for (size_t i = 0; i < sizeof kButtons / sizeof kButtons[0]; ++i) {
        const BUTTON_SETUP& b = kButtons[i];
        m_buttons[i].Create(L"", WS_CHILD | BS_BITMAP, CRect(0, 0, 18, 18), this, b.nId);
        m_buttons[i].SetSkin(b.nNormal, b.nDown, b.nOver, b.nDisabled, b.nFocus, 0, 0, 0, 0);
    }
    GetButton(ID_ADD).SetToolTipText(LoadText(IDS_INFO_ADD_ATTENDEE_TIP));
    // Only the search's clear button shows (disabled until there is a search).
    GetButton(ID_SEARCH_CLEAR).ShowWindow(SW_SHOW);
    GetButton(ID_SEARCH_CLEAR).EnableWindow(FALSE);
    GetButton(ID_SEARCH_NEXT).EnableWindow(FALSE);
    GetButton(ID_SEARCH_PREV).EnableWindow(FALSE);

    m_search.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(10, 250, 240, 276), this, ID_SEARCH);
    {
        CClientDC dc(this);
        m_searchFont.Attach(CreateUiFont(dc.GetSafeHdc(), GetDefaultFontSize(), FW_NORMAL));
    }
    m_search.SetFont(&m_searchFont);
    m_search.SetHintText(LoadText(IDS_INFO_SEARCH_HINT));
    m_search.SetNotifyWnd(this);
    m_search.SetMargins(8, 8);

    const DWORD dwList = WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER;
    m_pList.reset(new CInfoAttendeeList(this));
    m_pList->Create(dwList | WS_VISIBLE, CRect(0, kListTop, 269, kListTop + 100), this, ID_LIST);
    m_pList->InsertColumn(0, L"", LVCFMT_LEFT, 240);
    m_pList->SetBkColor(kBack);
    m_pSearchList.reset(new CInfoAttendeeList(this));
    m_pSearchList->Create(dwList, CRect(0, kListTop, 269, kListTop + 100), this, ID_LIST);
    m_pSearchList->InsertColumn(0, L"", LVCFMT_LEFT, 240);
    m_pSearchList->SetBkColor(kBack);

    m_pListBar.reset(new ZELScrollBar());
    m_pListBar->Create(nullptr, nullptr, WS_CHILD, CRect(269, kListTop, 280, kListTop + 100), this, ID_LIST_BAR);
    m_pSearchBar.reset(new ZELScrollBar());
    m_pSearchBar->Create(nullptr, nullptr, WS_CHILD, CRect(269, kListTop, 280, kListTop + 100), this, ID_SEARCH_BAR);

    m_summary.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, CRect(10, 124, 260, 184),
                     this, ID_SUMMARY);
    m_summary.SetFont(&m_searchFont);
    m_pSummaryBar.reset(new ZELScrollBar());
    m_pSummaryBar->Create(nullptr, nullptr, WS_CHILD, CRect(260, 124, 267, 184), this, ID_SUMMARY_BAR);
    // The hint shows from the start.
    m_search.SetText(L"");
    return 0;
}

void CInfoShowCtrl::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (nIDCtl == (int)ID_LIST) {
        lpMeasureItemStruct->itemHeight = kRowHeight;
        return;
    }
    CZELWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CInfoShowCtrl::OnSize(UINT nType, int cx, int cy)
{
    CZELWnd::OnSize(nType, cx, cy);
    if (!m_pList)
        return;
    const int nListHeight = std::max(0, cy - kListTop);
    m_pList->MoveWindow(0, kListTop, cx - 11, nListHeight);
    m_pSearchList->MoveWindow(0, kListTop, cx - 11, nListHeight);
    m_pList->SetColumnWidth(0, std::max(0, cx - 11));
    m_pSearchList->SetColumnWidth(0, std::max(0, cx - 11));
    m_pListBar->MoveWindow(cx - 11, kListTop, 11, nListHeight);
    m_pSearchBar->MoveWindow(cx - 11, kListTop, 11, nListHeight);
    m_summary.MoveWindow(12, 126, cx - 30, 56);
    m_pSummaryBar->MoveWindow(cx - 17, 124, 7, 60);
    m_search.MoveWindow(10, 252, cx - 48, 28);
    GetButton(ID_SEARCH_CLEAR).MoveWindow(cx - 34, 257, 18, 18);
    GetButton(ID_ADD).MoveWindow(cx - 34, 218, 24, 24);
    GetButton(ID_CONFIRM).MoveWindow(cx - 64, 218, 24, 24);
    SizeBar(m_pList.get(), m_pListBar.get());
    SizeBar(m_pSearchList.get(), m_pSearchBar.get());
}

BOOL CInfoShowCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

BOOL CInfoShowCtrl::IsMeetingReport() const
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    return pMeetings && pMeetings->IsReport();
}

void CInfoShowCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    CMemoryDC dc(&paint, &rc);
    dc.FillSolidRect(&rc, kBack);
    CRect rcHead(0, 0, rc.right, 36);
    dc.FillSolidRect(&rcHead, RGB(255, 255, 255));
    const BOOL bReport = IsMeetingReport();
    const UINT nFormat = DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;
    CRect r(12, 0, rc.right - 12, 36);
    DrawTextWithFont(&dc, &r, LoadText(bReport ? IDS_INFO_TITLE_REPORT : IDS_INFO_TITLE), kInk, 0, TRUE, 11,
                     nFormat, 1);
    const S_MEETING_INFO& info = m_records.m_info;
    r = CRect(12, 44, rc.right - 12, 66);
    DrawTextWithFont(&dc, &r, info.strTitle, kInk, 0, TRUE, 11, nFormat, 1);
    CString weekdays[7];
    for (int i = 0; i < 7; ++i)
        weekdays[i] = LoadText(IDS_WEEKDAY_SUN + i);
    r = CRect(12, 68, rc.right - 12, 86);
    DrawTextWithFont(&dc, &r, m_records.DateText(LoadText(IDS_INFO_DATE_FORMAT), weekdays), kSubInk, 0, TRUE, 9,
                     nFormat, 0);
    r = CRect(12, 86, rc.right - 12, 104);
    CString room = info.strRoom.IsEmpty() ? CString() : LoadText(IDS_INFO_ROOM) + L" : " + info.strRoom;
    DrawTextWithFont(&dc, &r, room, kSubInk, 0, TRUE, 9, nFormat, 0);
    r = CRect(12, 104, rc.right - 12, 122);
    DrawTextWithFont(&dc, &r, LoadText(IDS_INFO_SUMMARY), kInk, 0, TRUE, 9, nFormat, 1);
    CRect box(10, 124, rc.right - 10, 184);
    dc.FillSolidRect(&box, RGB(255, 255, 255));
    r = CRect(12, 190, rc.right - 12, 210);
    CString host = m_strHostName;
    if (!m_strHostLine.IsEmpty())
        host += L"  (" + m_strHostLine + L")";
    DrawTextWithFont(&dc, &r, host, kInk, 0, TRUE, 9, nFormat, 1);
    r = CRect(12, 218, rc.right - 70, 242);
    DrawTextWithFont(&dc, &r, LoadText(bReport ? IDS_INFO_APPROVERS : IDS_INFO_ATTENDEES) + L" " + m_strCountText,
                     kAccent, 0, TRUE, 10, nFormat, 1);
    CRect rcSearch(8, 250, rc.right - 10, 282);
    dc.FillSolidRect(&rcSearch, RGB(255, 255, 255));
    CBrush frame(RGB(200, 204, 210));
    dc.FrameRect(&rcSearch, &frame);
}

void CInfoShowCtrl::DrawAttendeeRow(CInfoAttendeeList* pList, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nRow = (int)lpDrawItemStruct->itemID;
    if (nRow < 0 || nRow >= (int)pList->m_rows.size())
        return;
    const S_INFO_ATTENDEE& a = pList->m_rows[nRow];
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc = lpDrawItemStruct->rcItem;
    pDC->FillSolidRect(&rc, kBack);
    CRect card(rc.left + 8, rc.top + 3, rc.right - 4, rc.bottom - 3);
    pDC->FillSolidRect(&card, RGB(255, 255, 255));
    CBrush dot(a.bPresence ? RGB(40, 180, 99) : RGB(190, 190, 190));
    CBrush* pOld = pDC->SelectObject(&dot);
    ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_PEN));
    pDC->Ellipse(card.left + 8, card.top + 16, card.left + 16, card.top + 24);
    pDC->SelectObject(pOld);
    CString name = a.strName;
    if (!a.strPosition.IsEmpty())
        name += L" " + a.strPosition;
    CRect r(card.left + 24, card.top + 4, card.right - 6, card.top + 22);
    DrawTextWithFont(pDC, &r, name, kInk, 0, TRUE, 9, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, 1);
    r = CRect(card.left + 24, card.top + 22, card.right - 6, card.bottom - 2);
    DrawTextWithFont(pDC, &r, a.strDeptName, kSubInk, 0, TRUE, 8, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                     0);
}

// ---------------------------------------------------------------------------------------------

void CInfoShowCtrl::OnAttendeeList(const Json::Value& reply)
{
    CLoginManager* pLogin = CLoginManager::GetInstance();
    m_records.FillAttendees(reply, IsMeetingReport(), pLogin ? pLogin->GetUserIdNumber() : 0);
    OnSyncStateChanged(0);
}

void CInfoShowCtrl::SetMeetingDetail(const Json::Value& detail)
{
    m_records.FillMeetingDetail(detail);
    if (m_summary.GetSafeHwnd())
        m_summary.SetWindowText(m_records.m_info.strSummary);
    if (m_pSummaryBar && m_summary.GetSafeHwnd()) {
        const int nLines = (int)m_summary.SendMessage(EM_GETLINECOUNT);
        m_pSummaryBar->ShowWindow(nLines > 3 ? SW_SHOW : SW_HIDE);
    }
    Invalidate();
}

void CInfoShowCtrl::ResetView()
{
    m_records.Clear();
    m_strHostName.Empty();
    m_strHostLine.Empty();
    m_strCountText.Empty();
    GetButton(ID_ADD).ShowWindow(SW_HIDE);
    m_summary.SetWindowText(L"");
    m_pSummaryBar->ShowWindow(SW_HIDE);
    FillRows(m_pList.get(), {});
    // The search box back to its hint.
    m_search.SetText(L"");
    FillRows(m_pSearchList.get(), {});
    ShowSearchRows(FALSE);
    SendMessage(WM_COMMAND, MAKEWPARAM(ID_SEARCH, EN_UPDATE), (LPARAM)m_search.GetSafeHwnd());
    // A meeting that has ended is only looked at.
    const BOOL bEnded = IsCurrentMeetingEnded();
    for (UINT nId : {ID_CLOSE, ID_TAB_MEMBERS, ID_TAB_THUMBNAILS, ID_TAB_BOOKMARKS})
        GetButton(nId).EnableWindow(!bEnded);
    m_search.EnableWindow(!bEnded);
    const int nShow = IsMeetingReport() ? SW_HIDE : SW_SHOW;
    m_search.ShowWindow(nShow);
    GetButton(ID_SEARCH_CLEAR).ShowWindow(nShow);
    Invalidate();
}

void CInfoShowCtrl::OnSyncStateChanged(int)
{
    IZELMainDlg* pMain = GetMainDlg();
    IMeetingScreen* pScreen = pMain ? pMain->GetMeetingLayer() : nullptr;
    const BOOL bRunning = pScreen ? pScreen->IsMeetingRunning() : FALSE;
    if (!bRunning || IsMeetingReport()) {
        for (S_INFO_ATTENDEE& a : m_records.m_others)
            a.nRemarkTurn = -1;
    }
    ComposeHostLine();
    RebuildAttendeeList();
    Invalidate();
}

void CInfoShowCtrl::ComposeHostLine()
{
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    const BOOL bMain = pMeetings && pMeetings->IsMainUserMe();
    const BOOL bPresenter = pMeetings && pMeetings->IsPresenterMe();
    const BOOL bClosed = IsCurrentMeetingEnded();
    const BOOL bConfirm = !IsMeetingReport() && (bMain != bPresenter) && !bClosed;
    GetButton(ID_CONFIRM).ShowWindow(bConfirm ? SW_SHOW : SW_HIDE);
    m_strHostName = m_records.m_host.strName;
    m_strHostLine = m_records.HostLine();
}

void CInfoShowCtrl::RebuildAttendeeList()
{
    m_strCountText.Format(L"(%d)", m_records.m_nPresenceTotal);
    CMeetingManager* pMeetings = CMeetingManager::GetInstance();
    const BOOL bClosed = IsCurrentMeetingEnded();
    const BOOL bMainOrPresenter = pMeetings && (pMeetings->IsMainUserMe() || pMeetings->IsPresenterMe());
    // The host and the presenter add attendees; anyone else sees the button only to join an open
    // meeting that is still on.
    CMeeting* pMeeting = CurrentMeeting();
    BOOL bAdd = FALSE;
    if (!IsMeetingReport())
        bAdd = !bClosed && (bMainOrPresenter || (pMeeting && pMeeting->CanShare()));
    GetButton(ID_ADD).ShowWindow(bAdd ? SW_SHOW : SW_HIDE);
    FillRows(m_pList.get(), m_records.m_others);
    SizeBar(m_pList.get(), m_pListBar.get());
    OnSearchTextChanged(0, 0);
}

void CInfoShowCtrl::FillRows(CInfoAttendeeList* pList, const std::vector<S_INFO_ATTENDEE>& rows)
{
    if (!pList || !pList->GetSafeHwnd())
        return;
    pList->SetRedraw(FALSE);
    pList->DeleteAllItems();
    pList->m_rows = rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        CString text = rows[i].strName + rows[i].strPosition + rows[i].strDeptName;
        pList->InsertItem((int)i, text);
    }
    pList->SetRedraw(TRUE);
    pList->Invalidate();
}

void CInfoShowCtrl::SizeBar(CInfoAttendeeList* pList, ZELScrollBar* pBar)
{
    if (!pList || !pBar)
        return;
    CRect rc;
    GetClientRect(&rc);
    const int nRoom = rc.Height() - kListTop;
    const int nRows = pList->GetItemCount();
    if (nRows * kRowHeight <= nRoom || nRoom <= 0) {
        pBar->ShowWindow(SW_HIDE);
        return;
    }
    pBar->SetThumbSize(nRoom * 100 / (nRows * kRowHeight));
    pBar->SetPos(0, FALSE);
    if (pList->IsWindowVisible())
        pBar->ShowWindow(SW_SHOW);
    pList->EnsureVisible(0, FALSE);
}

CString CInfoShowCtrl::SearchText() const
{
    if (!m_search.GetSafeHwnd() || m_search.IsHintShown())
        return CString();
    CString text;
    m_search.GetWindowText(text);
    return text;
}

void CInfoShowCtrl::ShowSearchRows(BOOL bSearch)
{
    m_pSearchList->ShowWindow(bSearch ? SW_SHOW : SW_HIDE);
    m_pList->ShowWindow(bSearch ? SW_HIDE : SW_SHOW);
    if (bSearch) {
        m_pListBar->ShowWindow(SW_HIDE);
        SizeBar(m_pSearchList.get(), m_pSearchBar.get());
    } else {
        m_pSearchBar->ShowWindow(SW_HIDE);
        SizeBar(m_pList.get(), m_pListBar.get());
    }
}

LRESULT CInfoShowCtrl::OnSearchTextChanged(WPARAM, LPARAM)
{
    if (!m_pList || !m_pList->GetSafeHwnd())
        return 0;
    CString text;
    m_search.GetWindowText(text);
    if (!m_search.IsHintShown() && text.GetLength() > kMaxSearch) {
        m_search.SetWindowText(text.Left(text.GetLength() - 1));
        const int nEnd = m_search.GetWindowTextLength();
        m_search.SetSel(nEnd, nEnd);
        return 0;
    }
    const CString strSearch = SearchText();
    if (!strSearch.IsEmpty() && strSearch.CompareNoCase(LoadText(IDS_INFO_SEARCH_HINT)) != 0) {
        GetButton(ID_SEARCH_CLEAR).EnableWindow(TRUE);
        FilterAttendees(strSearch);
        ShowSearchRows(TRUE);
    } else {
        GetButton(ID_SEARCH_CLEAR).EnableWindow(FALSE);
        ShowSearchRows(FALSE);
    }
    return 0;
}

int CInfoShowCtrl::FilterAttendees(const CString& strText)
{
    if (m_pList->GetItemCount() == 0) {
        FillRows(m_pSearchList.get(), {});
        return 0;
    }
    const std::vector<S_INFO_ATTENDEE> found = m_records.Filter(strText);
    FillRows(m_pSearchList.get(), found);
    return (int)found.size();
}

void CInfoShowCtrl::OnSearchClear()
{
    m_search.SetText(L"");
}

void CInfoShowCtrl::OnClose()
{
    // The panel's close: the panel collapses (its parent handles the command).
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(ID_CLOSE, BN_CLICKED), (LPARAM)GetButton(ID_CLOSE).GetSafeHwnd());
}
