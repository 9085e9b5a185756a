#include "screens/meeting/panels/PageStripCtrl.h"

#include <algorithm>

#include "ui/host/MainDlg.h"
#include "core/DrawHelpers.h"
#include "core/MeetingManager.h"
#include "platform/DC.h"
#include "platform/Font.h"
#include "resources/resource.h"
#include "ui/controls/MemoryDC.h"

const COLORREF CInfoPageStripCtrl::kBackColor = RGB(233, 233, 241);

namespace {

const COLORREF kSelectedColor = RGB(224, 250, 253);
const COLORREF kNumberColor = RGB(102, 102, 102);
const COLORREF kFrameColor = RGB(169, 169, 169);
const COLORREF kEmptyTextColor = RGB(0, 188, 212);

void BlitBitmap(CDC* pDC, HBITMAP hBitmap, int x, int y, int cx, int cy)
{
    CDC mem;
    mem.CreateCompatibleDC(pDC);
    HGDIOBJ hOld = ::SelectObject(mem.GetSafeHdc(), hBitmap);
    BITMAP bm = {};
    ::GetObjectW(hBitmap, sizeof bm, &bm);
    if (bm.bmWidth == cx && bm.bmHeight == cy) {
        pDC->BitBlt(x, y, cx, cy, &mem, 0, 0, SRCCOPY);
    } else {
        pDC->SetStretchBltMode(HALFTONE);
        pDC->StretchBlt(x, y, cx, cy, &mem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    }
    ::SelectObject(mem.GetSafeHdc(), hOld);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The list

BEGIN_MESSAGE_MAP(CInfoPageListCtrl, CListCtrl)
    ON_WM_NCCALCSIZE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEMOVE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CInfoPageListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pStrip)
        m_pStrip->DrawRow(lpDrawItemStruct);
}

void CInfoPageListCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    // The strip's own bar scrolls; the list's would only take room.
    ModifyStyle(WS_VSCROLL | WS_HSCROLL, 0);
    CListCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CInfoPageListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_LEFT || nChar == VK_RIGHT)
        return;
    CListCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CInfoPageListCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(nFlags, (WORD)zDelta), MAKELPARAM(pt.x, pt.y));
    // The strip moved the rows with its bar; the list does not scroll on its own.
    return TRUE;
}

void CInfoPageListCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
    CListCtrl::OnMouseMove(nFlags, point);
}

BOOL CInfoPageListCtrl::OnEraseBkgnd(CDC* pDC)
{
    // Only the band below the last row; the rows paint themselves.
    CRect rc;
    GetClientRect(&rc);
    const int nBottomOfRows = (GetItemCount() - GetTopIndex()) * CInfoPageStripCtrl::kRowHeight;
    if (nBottomOfRows >= rc.bottom)
        return TRUE;
    rc.top = std::max(0, nBottomOfRows);
    pDC->FillSolidRect(&rc, CInfoPageStripCtrl::kBackColor);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// The strip

BEGIN_MESSAGE_MAP(CInfoPageStripCtrl, CZELWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_MOUSEWHEEL()
    ON_WM_MEASUREITEM()
    ON_NOTIFY(LVN_ITEMCHANGED, ID_LIST, &CInfoPageStripCtrl::OnItemChanged)
    ON_MESSAGE(WM_SCROLLBAR_POS, &CInfoPageStripCtrl::OnScrollBarPos)
END_MESSAGE_MAP()

CInfoPageStripCtrl::CInfoPageStripCtrl() = default;

CInfoPageStripCtrl::~CInfoPageStripCtrl()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CInfoPageStripCtrl::Create(CWnd* pParent, const CRect& rc, UINT nId, DWORD dwStyle)
{
    return CWnd::CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW)), L"",
                          WS_CHILD | WS_CLIPCHILDREN | dwStyle, rc, pParent, nId);
}

int CInfoPageStripCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZELWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pList.reset(new CInfoPageListCtrl(this));
    m_pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_OWNERDRAWFIXED |
                        LVS_NOCOLUMNHEADER,
                    CRect(0, 0, m_nListWidth, 100), this, ID_LIST);
    m_pList->InsertColumn(0, L"Column 0", LVCFMT_CENTER, 280);
    m_pList->SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_FLATSB | LVS_EX_DOUBLEBUFFER);
    m_pList->SetBkColor(kBackColor);
    // Lists that do not ask their parent for the row height take it from the small images.
    m_rowHeight.Create(1, kRowHeight, ILC_COLOR24, 1, 1);
    m_pList->SetImageList(&m_rowHeight, LVSIL_SMALL);

    m_pScrollBar.reset(new CThumbnailScrollBar());
    m_pScrollBar->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(m_nListWidth, 0, m_nListWidth + 11, 100),
                         this, ID_SCROLLBAR);
    m_pScrollBar->SetBkColor(kBackColor);
    m_pScrollBar->SetRange(1);
    return 0;
}

void CInfoPageStripCtrl::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (nIDCtl == (int)ID_LIST) {
        lpMeasureItemStruct->itemHeight = kRowHeight;
        return;
    }
    CZELWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CInfoPageStripCtrl::OnSize(UINT nType, int cx, int cy)
{
    CZELWnd::OnSize(nType, cx, cy);
    if (!m_pList)
        return;
    m_nListWidth = std::max(0, cx - 11);
    m_pList->MoveWindow(0, 0, m_nListWidth, cy);
    m_pScrollBar->MoveWindow(m_nListWidth, 0, 11, cy);
    UpdateScrollBar();
}

BOOL CInfoPageStripCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CInfoPageStripCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect rc;
    GetClientRect(&rc);
    CMemoryDC dc(&paint, &rc);
    dc.FillSolidRect(&rc, kBackColor);
    if (DrawsEmptyText())
        DrawEmptyText(&dc);
}

void CInfoPageStripCtrl::DrawEmptyText(CDC* pDC)
{
    CRect rc;
    m_pList->GetClientRect(&rc);
    if (rc.IsRectEmpty())
        GetClientRect(&rc);
    rc.top += 50;
    rc.bottom = rc.top + 200;
    CString text;
    text.LoadString(IDS_BOOKMARK_EMPTY);
    HFONT hFont = CreateUiFont(pDC->GetSafeHdc(), GetDefaultFontSize(), FW_BOLD);
    HGDIOBJ hOld = ::SelectObject(pDC->GetSafeHdc(), hFont);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kEmptyTextColor);
    pDC->DrawText(text, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(pDC->GetSafeHdc(), hOld);
    ::DeleteObject(hFont);
}

std::vector<int> CInfoPageStripCtrl::GetRowPages() const
{
    std::vector<int> pages;
    const int n = m_pList ? m_pList->GetItemCount() : 0;
    for (int i = 0; i < n; ++i)
        pages.push_back(RowPage(i));
    return pages;
}

int CInfoPageStripCtrl::GetSelectedRow() const
{
    return m_pList ? m_pList->GetNextItem(-1, LVNI_SELECTED) : -1;
}

int CInfoPageStripCtrl::RowPage(int nRow) const
{
    return _wtoi(m_pList->GetItemText(nRow, 0));
}

int CInfoPageStripCtrl::FindRow(int nPage) const
{
    const int n = m_pList ? m_pList->GetItemCount() : 0;
    for (int i = 0; i < n; ++i) {
        if (RowPage(i) == nPage)
            return i;
    }
    return -1;
}

std::shared_ptr<S_PAGE_THUMB> CInfoPageStripCtrl::ThumbOf(int nPage) const
{
    auto it = m_thumbs.find(nPage);
    return it == m_thumbs.end() ? nullptr : it->second;
}

void CInfoPageStripCtrl::KeepThumb(int nPage, const std::shared_ptr<S_PAGE_THUMB>& thumb)
{
    if (!thumb)
        return;
    m_thumbs[nPage] = thumb;
    m_nBoxWidth = thumb->box.nBoxWidth;
    m_nBoxHeight = thumb->box.nBoxHeight;
}

HWND CInfoPageStripCtrl::BoardWindow()
{
    IZELMainDlg* pMain = GetMainDlg();
    return pMain ? pMain->GetBoardLayerHwnd() : nullptr;
}

void CInfoPageStripCtrl::SelectRowQuietly(int nRow, BOOL bFocus)
{
    const BOOL bWas = m_bSelecting;
    m_bSelecting = TRUE;
    m_pList->SetItemState(-1, 0, LVIS_SELECTED | (bFocus ? LVIS_FOCUSED : 0));
    if (nRow >= 0 && nRow < m_pList->GetItemCount()) {
        const UINT nState = LVIS_SELECTED | (bFocus ? LVIS_FOCUSED : 0);
        m_pList->SetItemState(nRow, nState, nState);
        m_pList->SendMessage(LVM_SETSELECTIONMARK, 0, nRow);
    }
    m_bSelecting = bWas;
}

void CInfoPageStripCtrl::OnItemChanged(NMHDR* pNotify, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pItem = reinterpret_cast<const NMLISTVIEW*>(pNotify);
    if (m_bSelecting || !(pItem->uChanged & LVIF_STATE) || pItem->iItem < 0)
        return;
    const UINT nWanted = LVIS_SELECTED | LVIS_FOCUSED;
    // Only a row that becomes selected counts: a row the program selects again (following the
    // board) must not send the board to the page once more.
    if ((pItem->uNewState & nWanted) != nWanted || (pItem->uOldState & LVIS_SELECTED))
        return;
    OnUserSelected(pItem->iItem);
}

// ---------------------------------------------------------------------------------------------
// Scroll bar

void CInfoPageStripCtrl::UpdateScrollBar()
{
    if (!m_pList || !m_pScrollBar)
        return;
    const int nRows = m_pList->GetItemCount();
    if (nRows == 0) {
        m_pScrollBar->ShowWindow(SW_HIDE);
        return;
    }
    CRect rc;
    m_pList->GetClientRect(&rc);
    const int L = rc.Height();
    const int X = std::min(m_nBoxWidth, m_nBoxHeight);
    if (L >= nRows * X) {
        m_pScrollBar->SetFlat(TRUE);
        m_pScrollBar->ShowWindow(SW_SHOW);
        if (RepaintsFlatBar())
            m_pScrollBar->Invalidate();
        return;
    }
    m_nVisibleRows = (int)((double)L / (double)(nRows * X) * m_nRowCount);
    if (m_nVisibleRows == m_nRowCount) {
        m_pScrollBar->SetFlat(TRUE);
        return;
    }
    m_pScrollBar->SetFlat(FALSE);
    m_pScrollBar->ShowWindow(SW_SHOW);
    m_pScrollBar->SetThumbSize(m_nVisibleRows);
    if (m_nScrollTarget != 0) {
        ScrollToItem(m_nScrollTarget);
    } else {
        IZELMainDlg* pMain = GetMainDlg();
        const int nPos = pMain ? pMain->GetBoardOptPageIndex() : 0;
        m_pScrollBar->SetPos(nPos, TRUE);
        m_pList->EnsureVisible(nPos, TRUE);
    }
}

void CInfoPageStripCtrl::ScrollToItem(int nIndex)
{
    if (!m_pList || m_pList->GetItemCount() < 4)
        return;
    m_pScrollBar->SetFlat(FALSE);
    m_pScrollBar->ShowWindow(SW_SHOW);
    m_pScrollBar->SetThumbSize(m_nVisibleRows);
    m_pScrollBar->SetPos(nIndex, TRUE);
    m_pList->EnsureVisible(std::max(0, std::min(nIndex, m_pList->GetItemCount() - 1)), TRUE);
}

LRESULT CInfoPageStripCtrl::OnScrollBarPos(WPARAM wParam, LPARAM)
{
    const int nCount = m_pList->GetItemCount();
    if (nCount == 0)
        return 0;
    // Position p keeps row p - 1 wholly in view (and row p at least partly).
    const int nRow = std::max(0, std::min((int)wParam - 1, nCount - 1));
    const int nTop = m_pList->GetTopIndex();
    if (nRow < nTop)
        m_pList->Scroll(CSize(0, (nRow - nTop) * kRowHeight));
    m_pList->EnsureVisible(nRow, FALSE);
    return 0;
}

BOOL CInfoPageStripCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    CRect rcList;
    m_pList->GetWindowRect(&rcList);
    if (rcList.PtInRect(pt)) {
        int nPos = m_pScrollBar->GetPos() + (zDelta <= 0 ? 1 : -1);
        nPos = std::max(0, std::min(nPos, m_nRowCount));
        m_pScrollBar->SetPos(nPos, TRUE);
    }
    return CZELWnd::OnMouseWheel(nFlags, zDelta, pt);
}

// ---------------------------------------------------------------------------------------------
// Rows

void CInfoPageStripCtrl::DrawRow(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const int nRow = (int)lpDrawItemStruct->itemID;
    if (nRow < 0 || nRow >= m_pList->GetItemCount())
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcRow = lpDrawItemStruct->rcItem;
    const BOOL bSelected = (m_pList->GetItemState(nRow, LVIS_SELECTED) & LVIS_SELECTED) != 0;
    pDC->FillSolidRect(&rcRow, bSelected ? kSelectedColor : kBackColor);

    const int nPage = RowPage(nRow);
    const std::shared_ptr<S_PAGE_THUMB> thumb = ThumbOf(nPage);
    const int B = thumb ? thumb->box.nBoxWidth : m_nBoxWidth;
    const int O = thumb ? thumb->box.nOffset : 0;
    const int X0 = 130 - (B + 30) / 2;
    CRect rcImage(X0 + O + 30, rcRow.top + 2, 0, 0);
    rcImage.right = rcImage.left + (B - 2 * O);
    rcImage.bottom = rcImage.top + (m_nBoxHeight - 3);
    if (thumb && thumb->bitmap.GetSafeHandle()) {
        BlitBitmap(pDC, (HBITMAP)thumb->bitmap.GetSafeHandle(), rcImage.left, rcImage.top, rcImage.Width(),
                   rcImage.Height());
    } else {
        CBitmap placeholder;
        if (placeholder.LoadBitmap(IDB_THUMB_PLACEHOLDER))
            BlitBitmap(pDC, (HBITMAP)placeholder.GetSafeHandle(), rcImage.left, rcImage.top, rcImage.Width(),
                       rcImage.Height());
        else
            pDC->FillSolidRect(&rcImage, RGB(43, 45, 52));
    }
    const int nLeftColumn = (130 - (m_nBoxWidth + 30) / 2 + 30) / 2;
    if (IsRowFavorite(nRow)) {
        CBitmap mark;
        if (mark.LoadBitmap(IDB_FAVORITE_MARK))
            DrawTransparentBitmap(pDC->GetSafeHdc(), (HBITMAP)mark.GetSafeHandle(), nLeftColumn - 12,
                                  rcRow.bottom - 29, RGB(255, 0, 255));
    }
    CRect rcFrame = rcImage;
    rcFrame.InflateRect(1, 1);
    CBrush frame(kFrameColor);
    pDC->FrameRect(&rcFrame, &frame);

    CFont font;
    font.CreateFont(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, HANGUL_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, GetDefaultFontName());
    CFont* pOld = pDC->SelectObject(&font);
    const UINT nOldAlign = pDC->SetTextAlign(TA_CENTER);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(kNumberColor);
    CString number;
    number.Format(L"%d", nPage);
    pDC->TextOut(nLeftColumn - 4, rcRow.top + 5, number);
    pDC->SetTextAlign(nOldAlign);
    pDC->SelectObject(pOld);
}

// ---------------------------------------------------------------------------------------------
// Clicks while following

BOOL CInfoPageStripCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONDOWN && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd))) {
        IZELMainDlg* pMain = GetMainDlg();
        CMeetingManager* pMeetings = CMeetingManager::GetInstance();
        // Who follows the presenter's pages cannot pick a page of his own.
        if (pMain && pMain->IsPageSyncOn() && !(pMeetings && pMeetings->IsPresenterMe()))
            return TRUE;
    }
    return CZELWnd::PreTranslateMessage(pMsg);
}
