#include "features/documents/MeetingDocListCtrl.h"

#include <algorithm>

#include "core/DrawHelpers.h"
#include "core/MeetingDocument.h"
#include "features/documents/DocumentListRules.h"
#include "platform/DC.h"
#include "platform/MessageBox.h"
#include "resources/resource.h"
#include "ui/controls/MemoryDC.h"
#include "ui/controls/MenuEx.h"

namespace {

const int kRowHeight = DOCLIST_ROW_HEIGHT;
const int kWheelStep = 4;
const COLORREF kTitleInk = RGB(51, 51, 51);

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}


}  // namespace

BEGIN_MESSAGE_MAP(CMeetingDocListCtrl, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEWHEEL()
    ON_NOTIFY(LVN_ITEMCHANGED, DOCUMENTLIST_CTRL_ID, &CMeetingDocListCtrl::OnItemChanged)
    ON_MESSAGE(WM_DOCLIST_DUAL_SENT, &CMeetingDocListCtrl::OnDualSent)
    ON_MESSAGE(WM_DOCLIST_DUAL_POSTED, &CMeetingDocListCtrl::OnDualPosted)
    ON_MESSAGE(WM_SCROLLBAR_POS, &CMeetingDocListCtrl::OnScrollBarPos)
    ON_BN_CLICKED(ID_MENU_BUTTON, &CMeetingDocListCtrl::OnMenuButton)
    ON_BN_CLICKED(ID_PRIVATE_BUTTON, &CMeetingDocListCtrl::OnPrivateButton)
    ON_BN_CLICKED(ID_ARCHIVE_BUTTON, &CMeetingDocListCtrl::OnArchiveButton)
    ON_COMMAND(ID_DOWNLOAD_ORIGINAL, &CMeetingDocListCtrl::OnDownloadOriginal)
END_MESSAGE_MAP()

CMeetingDocListCtrl::CMeetingDocListCtrl(IMeetingDocListHost* pHost) : m_pHost(pHost) {}

CMeetingDocListCtrl::~CMeetingDocListCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CMeetingDocListCtrl::Create(CWnd* pParent, const CRect& rc, UINT nId)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rc, pParent, nId);
}

CxSkinButton& CMeetingDocListCtrl::GetButton(UINT nId)
{
    switch (nId) {
    case ID_MENU_BUTTON: return m_btnMenu;
    case ID_PRIVATE_BUTTON: return m_btnPrivate;
    case ID_LABEL_BUTTON: return m_btnLabel;
    default: return m_btnArchive;
    }
}

int CMeetingDocListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    struct BUTTON_SETUP {
        CxSkinButton* pButton;
        UINT nId;
        CRect rc;
        UINT nNormal, nDown, nOver, nDisabled, nFocus;
        UINT nTip;
        BOOL bVisible;
    };
    const BUTTON_SETUP buttons[] = {
        {&m_btnMenu, ID_MENU_BUTTON, CRect(5, 3, 19, 24), IDB_DOCMENU, IDB_DOCMENU_DOWN, IDB_DOCMENU_OVER,
         IDB_DOCMENU_DISABLED, IDB_DOCMENU, IDS_DOCMENU_TIP, FALSE},
        {&m_btnPrivate, ID_PRIVATE_BUTTON, CRect(5, 5, 19, 24), IDB_PRIVATE, IDB_PRIVATE_DOWN, IDB_PRIVATE_OVER,
         IDB_PRIVATE, IDB_PRIVATE_FOCUS, 0, FALSE},
        {&m_btnLabel, ID_LABEL_BUTTON, CRect(5, 5, 19, 24), IDB_DOCLABEL, IDB_DOCLABEL, IDB_DOCLABEL,
         IDB_DOCLABEL, IDB_DOCLABEL, 0, FALSE},
        {&m_btnArchive, ID_ARCHIVE_BUTTON, CRect(5, 3, 19, 24), IDB_ARCHIVE, IDB_ARCHIVE_DOWN, IDB_ARCHIVE_OVER,
         IDB_ARCHIVE_DISABLED, IDB_ARCHIVE, IDS_ARCHIVE_TIP, TRUE},
    };
    for (const BUTTON_SETUP& b : buttons) {
        b.pButton->Create(L"", WS_CHILD | WS_TABSTOP | BS_BITMAP | (b.bVisible ? WS_VISIBLE : 0), b.rc, this, b.nId);
        b.pButton->ModifyStyleEx(0, WS_EX_NOPARENTNOTIFY);
        b.pButton->SetSkin(b.nNormal, b.nDown, b.nOver, b.nDisabled, b.nFocus, 0, 0, 0, 0);
        if (b.nTip)
            b.pButton->SetToolTipText(LoadText(b.nTip));
    }
    m_btnPrivate.EnableWindow(FALSE);

    CRect rcClient;
    GetClientRect(&rcClient);
    m_pList.reset(new CDocumentListCtrl());
    m_pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER, rcClient, this,
                    DOCUMENTLIST_CTRL_ID);
    m_pList->SetExtendedStyle(m_pList->GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    m_pList->ModifyStyle(LVS_SORTASCENDING | LVS_SORTDESCENDING, 0);
    m_pList->SetBkColor(RGB(255, 255, 255));

    m_pScrollBar.reset(new ZELScrollBar());
    m_pScrollBar->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 7, 80), this, ID_SCROLLBAR);

    if (m_pHost && m_pHost->IsMeetingEnded()) {
        for (UINT nId : {ID_MENU_BUTTON, ID_PRIVATE_BUTTON, ID_LABEL_BUTTON, ID_ARCHIVE_BUTTON})
            GetButton(nId).EnableWindow(FALSE);
        m_pList->EnableWindow(FALSE);
    }
    return 0;
}

void CMeetingDocListCtrl::EnableControls(BOOL bEnableList)
{
    for (UINT nId : {ID_MENU_BUTTON, ID_PRIVATE_BUTTON, ID_LABEL_BUTTON, ID_ARCHIVE_BUTTON})
        GetButton(nId).EnableWindow(bEnableList);
    if (bEnableList)
        m_pList->EnableWindow(TRUE);
}

void CMeetingDocListCtrl::ResetList()
{
    m_pList->DeleteAllDocuments();
    m_rows.Clear();
    m_bActive = 0;
    m_strCountText.Empty();
    m_nSelectedRow = -1;
    if (m_pHost && m_pHost->IsMeetingEnded()) {
        EnableControls(FALSE);
    } else {
        EnableControls(TRUE);
        m_btnArchive.ShowWindow(SW_HIDE);
    }
}

void CMeetingDocListCtrl::SetDocuments(const std::vector<CMeetingDocument*>& documents)
{
    m_pList->SetRedraw(FALSE);
    m_pList->DeleteAllDocuments();
    m_bActive = 0;
    m_rows.SetDocuments(documents, m_pHost && m_pHost->IsDocumentListHidden());
    for (int nRow = 0; nRow < m_rows.GetRowCount(); ++nRow) {
        if (CMeetingDocument* pDocument = m_rows.GetRowDocument(nRow))
            m_pList->AddDocumentRow(pDocument);
        else
            m_pList->AddHeaderRow();
    }
    m_pList->m_nRefDocCount = m_rows.GetReferenceCount();
    m_pList->SetRedraw(TRUE);
    UpdateScrollBar();
    Invalidate();
}

void CMeetingDocListCtrl::SelectDocument(const CString& strAttcFileId)
{
    m_pList->SelectDocument(strAttcFileId);
    FollowSelection(TRUE);
}

void CMeetingDocListCtrl::ShowOptionButton(BOOL bShow)
{
    if (bShow) {
        m_btnMenu.ShowWindow(SW_SHOW);
        m_btnArchive.ShowWindow(SW_HIDE);
    } else {
        m_btnMenu.ShowWindow(SW_HIDE);
    }
    if (m_pHost && m_pHost->IsMeetingType12())
        m_btnArchive.ShowWindow(SW_HIDE);
    PlaceMenuButton();
}

void CMeetingDocListCtrl::PlaceMenuButton()
{
    const CRect rc = ClientRect();
    const int x = (m_btnArchive.GetStyle() & WS_VISIBLE) ? rc.left + 212 : rc.left + 240;
    m_btnMenu.MoveWindow(x, rc.top + 5, 22, 22);
}

void CMeetingDocListCtrl::RequestDocumentList()
{
    if (m_pHost)
        m_pHost->RequestDocumentList(L"10");
}

CRect CMeetingDocListCtrl::ClientRect() const
{
    CRect rc;
    GetClientRect(&rc);
    return rc;
}

void CMeetingDocListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pList)
        return;
    const CRect rc = ClientRect();
    PlaceMenuButton();
    m_pList->MoveWindow(rc.left + 1, rc.top + 31, 253, std::max(0, rc.Height() - 37));
    m_pScrollBar->MoveWindow(rc.right - 16, rc.top + 31, 11, std::max(0, rc.Height() - 31));
    m_btnLabel.MoveWindow(rc.left + 10, rc.top + 8, 46, 12);
    m_btnArchive.MoveWindow(rc.left + 240, rc.top + 5, 22, 22);
    UpdateScrollBar();
}

BOOL CMeetingDocListCtrl::OnEraseBkgnd(CDC* pDC)
{
    pDC->FillSolidRect(ClientRect(), RGB(255, 255, 255));
    return FALSE;
}

void CMeetingDocListCtrl::OnPaint()
{
    CPaintDC paint(this);
    const CRect rc = ClientRect();
    CMemoryDC dc(&paint, &rc);
    StretchBitmap(&dc, IDB_PANE_BODY, CRect(0, 0, rc.Width() + 10, rc.Height()));
    StretchBitmap(&dc, IDB_DOCPANE_HEADER, CRect(0, 0, rc.Width() - 5, 31));
    const int nKind = m_pHost ? m_pHost->GetMeetingKind() : 0;
    const CString strTitle = LoadText(nKind == 30 ? IDS_DOCPANE_REPORT_TITLE : IDS_DOCPANE_TITLE);
    CRect rcTitleText(10, 8, 200, 33);
    DrawTextWithFont(&dc, &rcTitleText, strTitle, kTitleInk, RGB(255, 255, 255), TRUE, 9,
                     DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT, 1);
    CRect rcTitle(10, 8, std::max(80L, (long)rcTitleText.right), 33);
    DrawTextWithFont(&dc, &rcTitle, strTitle, kTitleInk, RGB(255, 255, 255), TRUE, 9,
                     DT_LEFT | DT_SINGLELINE | DT_NOPREFIX, 1);
    m_strCountText.Format(LoadText(IDS_DOCPANE_COUNT), GetDocumentCount());
    if (!(m_pHost && m_pHost->IsDocumentListHidden())) {
        // A title longer than its place (in another language) pushes the count along.
        const int nCountLeft = std::max(65, (int)rcTitleText.right + 6);
        CRect rcCount(nCountLeft, 10, nCountLeft + 45, 31);
        DrawTextWithFont(&dc, &rcCount, m_strCountText, kTitleInk, RGB(255, 255, 255), TRUE, 9,
                         DT_LEFT | DT_SINGLELINE | DT_NOPREFIX, 0);
    }
    StretchBitmap(&dc, IDB_DOCPANE_BODY, CRect(0, 31, 269, rc.Height()), 261, 1);
    StretchBitmap(&dc, IDB_DOCPANE_EDGE, CRect(rc.right - 6, 0, rc.right, 272));
}

BOOL CMeetingDocListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    int nPos = m_nScrollPos + (zDelta > 0 ? -kWheelStep : kWheelStep);
    nPos = std::min(100, std::max(0, nPos));
    m_nScrollPos = nPos;
    m_pScrollBar->SetPos(nPos, TRUE);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

LRESULT CMeetingDocListCtrl::OnScrollBarPos(WPARAM wParam, LPARAM)
{
    const int nPos = (int)wParam;
    m_nScrollPos = nPos;
    CRect rcList;
    m_pList->GetClientRect(&rcList);
    const int nFit = rcList.Height() / kRowHeight;
    const int nCount = m_pList->GetItemCount();
    if (nFit <= 0 || nCount <= 0)
        return 0;
    const int nFirst = std::max(0, (int)((nCount - nFit) * nPos / 100.0));
    const int nLast = std::min(nCount - 1, nFirst + nFit - 1);
    for (int i = nFirst; i <= nLast; ++i)
        m_pList->EnsureVisible(i, i == nLast);
    return 0;
}

void CMeetingDocListCtrl::UpdateScrollBar()
{
    if (!m_pList || !m_pScrollBar)
        return;
    CRect rcList;
    m_pList->GetClientRect(&rcList);
    const int nCount = m_pList->GetItemCount();
    if (nCount > 0 && nCount * kRowHeight > rcList.Height()) {
        m_pScrollBar->SetFlat(FALSE);
        m_pScrollBar->ShowWindow(SW_SHOW);
        m_pScrollBar->SetThumbSize((int)(rcList.Height() / (double)kRowHeight / nCount * 100));
        FollowSelection(FALSE);
    } else {
        m_pScrollBar->SetFlat(TRUE);
    }
    m_pScrollBar->Invalidate();
}

void CMeetingDocListCtrl::FollowSelection(BOOL bNotify)
{
    CRect rcList;
    m_pList->GetClientRect(&rcList);
    const int nCount = m_pList->GetItemCount();
    const int nTop = m_pList->GetTopIndex();
    const int nBottom = std::min((int)(nTop + rcList.Height() / (double)kRowHeight), nCount);
    int nSelected = -1;
    for (int i = 0; i < nCount; ++i) {
        if (m_pList->GetItemState(i, LVIS_SELECTED))
            nSelected = i;
    }
    const int s = nSelected + 1;   // counted from 1
    if (s > 0 && s >= nTop && s <= nBottom) {
        m_pScrollBar->SetPos(m_pScrollBar->GetPos(), FALSE);
        m_nScrollPos = m_pScrollBar->GetPos();
    } else if (s > 0) {
        m_nScrollPos = (int)((double)s / nCount * 100);
        m_pScrollBar->SetPos(m_nScrollPos, bNotify);
    } else {
        m_pScrollBar->SetPos(m_nScrollPos, TRUE);
    }
}

void CMeetingDocListCtrl::OnItemChanged(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pItem = reinterpret_cast<const NMLISTVIEW*>(pNotify);
    if (!(pItem->uChanged & LVIF_STATE))
        return;
    const UINT nWanted = LVIS_SELECTED | LVIS_FOCUSED;
    if ((pItem->uNewState & nWanted) != nWanted)
        return;
    CMeetingDocument* pDocument = m_rows.GetRowDocument(pItem->iItem);
    if (!pDocument || pDocument->GetFileId() == m_pList->GetSelectedDocumentId())
        return;
    if (m_pHost && m_pHost->IsPageSyncOn() && pDocument->IsRefDoc()) {
        m_pHost->ShowPageSyncBlocked();
        m_pList->ReselectDocument(m_pList->GetSelectedDocumentId());
        return;
    }
    if (m_pHost && m_pHost->IsMeetingEnded())
        return;
    m_nSelectedRow = pItem->iItem;
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_DOCLIST_OPEN_ON_BOARD, m_rows.RowToDocumentIndex(pItem->iItem), 0);
}

LRESULT CMeetingDocListCtrl::OnDualSent(WPARAM wParam, LPARAM lParam)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_DOCLIST_DUAL_SENT, wParam, m_rows.RowToDocumentIndex((int)lParam));
    return 0;
}

LRESULT CMeetingDocListCtrl::OnDualPosted(WPARAM wParam, LPARAM lParam)
{
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(WM_DOCLIST_DUAL_POSTED, wParam, m_rows.RowToDocumentIndex((int)lParam));
    return 0;
}

void CMeetingDocListCtrl::OnMenuButton()
{
    CWnd* pTarget = m_pHost ? m_pHost->GetMenuCommandTarget() : nullptr;
    if (!pTarget || !pTarget->GetSafeHwnd())
        return;
    CMenuEx menu(pTarget);
    if (!menu.LoadMenu(IDR_DOCLIST_MENU))
        return;
    HMENU hSub = ::GetSubMenu(menu.m_hMenu, 0);
    if (!hSub)
        return;
    CRect rcButton;
    m_btnMenu.GetWindowRect(&rcButton);
    ::TrackPopupMenu(hSub, TPM_RIGHTBUTTON, rcButton.left, rcButton.bottom, 0, pTarget->m_hWnd, nullptr);
}

void CMeetingDocListCtrl::OnPrivateButton()
{
    if (!m_pHost)
        return;
    if (!m_pHost->IsPageSyncOn()) {
        m_pHost->RefreshDocumentList(L"20");
        return;
    }
    if (m_pHost->OpenDocumentOnBoard(m_pList->GetSelectedDocumentId()))
        m_pHost->RefreshDocumentList(L"20");
}

void CMeetingDocListCtrl::OnArchiveButton()
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_DOCLIST_ARCHIVE, 0, 0);
}

void CMeetingDocListCtrl::OnDownloadOriginal()
{
    AfxMessageBox(L"원본 문서 다운로드 버튼 클릭", MB_OK);
}

BOOL CMeetingDocListCtrl::PreTranslateMessage(MSG* pMsg)
{
    const bool bInside = pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd);
    if (bInside && (pMsg->message == WM_RBUTTONDOWN))
        return TRUE;
    if (bInside && pMsg->message == WM_LBUTTONDOWN && m_pHost && m_pHost->IsPageSyncOn() && !m_pHost->IsPresenterMe()) {
        // A follower cannot pick another document; the buttons stay usable.
        const HWND hButtons[] = {m_btnPrivate.GetSafeHwnd(), m_btnArchive.GetSafeHwnd(), m_btnMenu.GetSafeHwnd()};
        if (std::find(std::begin(hButtons), std::end(hButtons), pMsg->hwnd) == std::end(hButtons))
            return TRUE;
    }
    return CWnd::PreTranslateMessage(pMsg);
}
